#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

namespace vantile {

// The two resize handles of a selected element, placed over its rectangle on the canvas: each
// straddles its edge, half inside and half outside, and is at least 20 points long.
struct ResizeHandleGeometry {
  static constexpr double thickness = 12;
  static constexpr double cornerRadius = 4;
  // 26 / 255 as the single-precision value the handles were designed with.
  static constexpr platform::graphics::Color color{0.10196078568696976, 0.10196078568696976, 0.10196078568696976, 1};

  // On the right edge, centred vertically.
  static platform::graphics::Rect widthHandleFrame(const platform::graphics::Rect& element);
  // On the bottom edge, centred horizontally.
  static platform::graphics::Rect heightHandleFrame(const platform::graphics::Rect& element);
};

}  // namespace vantile
