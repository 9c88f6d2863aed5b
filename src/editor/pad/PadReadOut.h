#pragma once

#include <cstdint>
#include <string>

#include "editor/pad/PadAddress.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// The tag of the read-out label in the style menu.
inline constexpr std::int64_t kPadReadOutTag = 9445;

// The style menu's read-out of the element's current value, entries printed as stored:
// "X:20 Y:40 W:100 H:50" for a frame, " W:300 H:900" for a content size, " X:0 Y:0" for an
// initial offset, "X: 2" for a shadow's entry and "F: 18" for a plain style. A missing entry
// prints as nothing.
std::string padReadOut(const PadAddress& address, const platform::Value& element);

}  // namespace vantile
