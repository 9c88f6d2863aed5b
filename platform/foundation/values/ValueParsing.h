#pragma once

#include <optional>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace platform::foundation {

// The JSON text as a value, in time linear in its size; nothing when it is not JSON. A key given
// twice keeps its first place and takes its last value. The ordered dictionary's own parser looks
// for every new key among the keys before it, which is quadratic in a dictionary's size.
std::optional<Value> parseValue(std::string_view text);

}  // namespace platform::foundation
