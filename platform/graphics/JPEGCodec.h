#pragma once

#include "platform/graphics/Image.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform::graphics {

// Greyscale and colour JPEGs (CMYK ones are refused). A file that ends early still gives what
// arrived, as the platform shows a partly downloaded photo; anything libjpeg cannot decode gives
// nothing and a log line.
std::optional<Image> decodeJPEG(std::string_view bytes, double scale = 1);

// Quality from 0 to 1, as the platform's JPEG representation takes it (values outside are
// clamped, NaN counts as 0). JPEG has no alpha: the premultiplied colour is kept, as if the
// image were drawn over black.
std::optional<std::string> encodeJPEG(const Image& image, double quality);

}  // namespace platform::graphics
