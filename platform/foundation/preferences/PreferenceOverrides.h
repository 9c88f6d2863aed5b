#pragma once

#include <optional>
#include <string>

#include "platform/foundation/values/Value.h"

namespace platform::foundation {

// The stored dictionary of a domain with the process's overrides of it laid over; nothing only
// when neither exists.
std::optional<Value> withOverrides(const std::string& domain, std::optional<Value> stored);

}  // namespace platform::foundation
