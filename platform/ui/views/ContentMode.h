#pragma once

#include "platform/graphics/Geometry.h"

namespace platform::ui {

// How a view's (or layer's) contents fit its bounds, with the platform's names.
enum class ContentMode {
  scaleToFill,
  scaleAspectFit,
  scaleAspectFill,
  redraw,
  center,
  top,
  bottom,
  left,
  right,
  topLeft,
  topRight,
  bottomLeft,
  bottomRight,
};

// Where contents of `contentSize` land inside `bounds`. `redraw` stretches, as scaleToFill.
// An empty content size fills the bounds.
graphics::Rect contentRect(ContentMode mode, graphics::Size contentSize, const graphics::Rect& bounds);

}  // namespace platform::ui
