#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The order in which the root element's children are drawn: its "order" array; without one, its
// comma-separated "childorder" reversed; nothing (the children's own order) for a "childorder"
// that is "none", empty or absent, for an "order" that is no array, and for a root without children.
std::optional<std::vector<std::string>> rootChildOrder(const platform::Value& root);

}  // namespace vantile
