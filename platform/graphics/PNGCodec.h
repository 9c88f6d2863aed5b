#pragma once

#include "platform/graphics/Image.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform::graphics {

// Any PNG: every colour type and bit depth, palettes, transparency chunks, interlacing.
// Nothing, and a log line with libpng's reason, when the data is not a whole, valid PNG.
std::optional<Image> decodePNG(std::string_view bytes, double scale = 1);

// 8-bit RGBA with unpremultiplied colour.
std::optional<std::string> encodePNG(const Image& image);

}  // namespace platform::graphics
