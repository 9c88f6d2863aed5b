#pragma once

#include <string>

#include "platform/graphics/Color.h"

namespace vantile {

// "rgba(r, g, b, a)": the channels as whole numbers 0...255 (halves away from zero), alpha with
// two decimals.
std::string rgbaStringFromColor(const platform::graphics::Color& color);

// The picker's tint: the opaque blue 14, 122, 254.
platform::graphics::Color appleBlue();

}  // namespace vantile
