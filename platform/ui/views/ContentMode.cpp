#include "platform/ui/views/ContentMode.h"

#include <algorithm>

namespace platform::ui {

namespace {

using graphics::Rect;
using graphics::Size;

Rect centered(Size size, const Rect& bounds) {
  return {bounds.midX() - size.width / 2, bounds.midY() - size.height / 2, size.width, size.height};
}

}  // namespace

Rect contentRect(ContentMode mode, Size contentSize, const Rect& bounds) {
  if (contentSize.width <= 0 || contentSize.height <= 0) {
    return bounds;
  }
  const double widthRatio = bounds.width() / contentSize.width;
  const double heightRatio = bounds.height() / contentSize.height;
  const Size size = contentSize;
  switch (mode) {
    case ContentMode::scaleToFill:
    case ContentMode::redraw:
      return bounds;
    case ContentMode::scaleAspectFit: {
      const double scale = std::min(widthRatio, heightRatio);
      return centered({size.width * scale, size.height * scale}, bounds);
    }
    case ContentMode::scaleAspectFill: {
      const double scale = std::max(widthRatio, heightRatio);
      return centered({size.width * scale, size.height * scale}, bounds);
    }
    case ContentMode::center:
      return centered(size, bounds);
    case ContentMode::top:
      return {bounds.midX() - size.width / 2, bounds.y(), size.width, size.height};
    case ContentMode::bottom:
      return {bounds.midX() - size.width / 2, bounds.maxY() - size.height, size.width, size.height};
    case ContentMode::left:
      return {bounds.x(), bounds.midY() - size.height / 2, size.width, size.height};
    case ContentMode::right:
      return {bounds.maxX() - size.width, bounds.midY() - size.height / 2, size.width, size.height};
    case ContentMode::topLeft:
      return {bounds.x(), bounds.y(), size.width, size.height};
    case ContentMode::topRight:
      return {bounds.maxX() - size.width, bounds.y(), size.width, size.height};
    case ContentMode::bottomLeft:
      return {bounds.x(), bounds.maxY() - size.height, size.width, size.height};
    case ContentMode::bottomRight:
      return {bounds.maxX() - size.width, bounds.maxY() - size.height, size.width, size.height};
  }
  return bounds;
}

}  // namespace platform::ui
