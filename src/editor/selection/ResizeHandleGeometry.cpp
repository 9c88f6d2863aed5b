#include "editor/selection/ResizeHandleGeometry.h"

#include <algorithm>

namespace vantile {

namespace {
constexpr double kShortestLength = 20;
constexpr double kLengthShare = 0.2;
}  // namespace

platform::graphics::Rect ResizeHandleGeometry::widthHandleFrame(const platform::graphics::Rect& element) {
  const double height = std::max(kLengthShare * element.size.height, kShortestLength);
  return {element.origin.x + element.size.width - thickness / 2,
          element.origin.y + element.size.height / 2 - height / 2, thickness, height};
}

platform::graphics::Rect ResizeHandleGeometry::heightHandleFrame(const platform::graphics::Rect& element) {
  const double width = std::max(kLengthShare * element.size.width, kShortestLength);
  return {element.origin.x + element.size.width / 2 - width / 2, element.origin.y + element.size.height - thickness / 2,
          width, thickness};
}

}  // namespace vantile
