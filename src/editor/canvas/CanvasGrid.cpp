#include "editor/canvas/CanvasGrid.h"

namespace vantile {

namespace {

// The centre is worked out in single precision and every position cut toward zero, so the lines
// fall on the same points as on the phone.
std::vector<int> linePairs(float centre, int pairs) {
  std::vector<int> positions;
  positions.reserve(static_cast<std::size_t>(pairs) * 2);
  float offset = 5.0F;
  for (int pair = 0; pair < pairs; ++pair) {
    positions.push_back(static_cast<int>(centre + offset));
    positions.push_back(static_cast<int>(centre - offset));
    offset += pair == 0 ? 5.0F : 6.0F;
  }
  return positions;
}

}  // namespace

CanvasGridLines canvasGridLines(double width, double height) {
  const float centreX = static_cast<float>(width) / 2.0F - 0.5F;
  const float centreY = static_cast<float>(height) / 2.0F - 0.5F;
  return {
      .verticalX = linePairs(centreX, kCanvasGridVerticalPairs),
      .horizontalY = linePairs(centreY, kCanvasGridHorizontalPairs),
      .centreX = static_cast<int>(centreX),
      .centreY = static_cast<int>(centreY),
      .width = static_cast<int>(width),
      .height = static_cast<int>(height),
  };
}

}  // namespace vantile
