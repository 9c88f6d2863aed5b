#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"

#include <optional>

namespace platform::graphics {

// Each colour channel c becomes 1 - c, alpha kept, as the platform's colour-invert filter.
Image invertColors(const Image& image);

// The image as a mask: every pixel takes the colour, with the colour's alpha times the pixel's
// alpha, so an icon is recoloured and keeps its shape. Components outside 0...1 are clamped.
Image tintedThroughMask(const Image& image, Color color);

// Resampled to pointSize × scale pixels (each side rounded, at least 1), with Cairo's good
// filter, which averages when shrinking. Nothing for an empty, non-finite or too large size.
std::optional<Image> scaled(const Image& image, Size pointSize, double scale);

}  // namespace platform::graphics
