#include "controller/styling/LayoutGeometry.h"

#include <algorithm>
#include <limits>

namespace vantile::layout {

namespace {

using platform::graphics::Rect;
using platform::graphics::Size;

constexpr double kGridMargin = 10;
constexpr double kGridMinimumGap = 10;

}  // namespace

std::vector<Rect> evenSpacingFrames(std::size_t count, Size memberSize, const Rect& frame) {
  std::vector<Rect> frames;
  if (count == 0) return frames;
  const double n = static_cast<double>(count);
  const double spacing = (frame.width() - n * memberSize.width) / (n + 1);
  const double y = (frame.height() - memberSize.height) / 2;
  for (std::size_t i = 0; i < count; ++i) {
    const double x = spacing + static_cast<double>(i) * (memberSize.width + spacing);
    frames.emplace_back(x, y, memberSize.width, memberSize.height);
  }
  return frames;
}

GridShape gridShapeFor(std::size_t count, Size memberSize, const Rect& frame) {
  const double usableWidth = frame.width() - 2 * kGridMargin;
  const double usableHeight = frame.height() - 2 * kGridMargin;
  double bestScore = std::numeric_limits<double>::max();
  GridShape shape{count, 1};
  for (std::size_t columns = 1; columns <= count; ++columns) {
    const double c = static_cast<double>(columns);
    const double usedWidth = c * memberSize.width + (c - 1) * kGridMinimumGap;
    if (usedWidth > usableWidth) continue;
    const std::size_t rows = (count + columns - 1) / columns;
    const double r = static_cast<double>(rows);
    const double usedHeight = r * memberSize.height + (r - 1) * kGridMinimumGap;
    if (usedHeight > usableHeight) continue;
    const double score = (usableWidth - usedWidth) + (usableHeight - usedHeight);
    if (score < bestScore) {
      bestScore = score;
      shape = {rows, columns};
    }
  }
  return shape;
}

std::vector<Rect> gridFrames(std::size_t count, Size memberSize, const Rect& frame) {
  std::vector<Rect> frames;
  if (count == 0) return frames;
  const GridShape shape = gridShapeFor(count, memberSize, frame);
  const double usableWidth = frame.width() - 2 * kGridMargin;
  const double usableHeight = frame.height() - 2 * kGridMargin;
  const double columns = static_cast<double>(shape.columns);
  const double rows = static_cast<double>(shape.rows);
  const double gapX = std::max((usableWidth - columns * memberSize.width) / (columns + 1), kGridMinimumGap);
  const double gapY = std::max((usableHeight - rows * memberSize.height) / (rows + 1), kGridMinimumGap);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t row = i / shape.columns;
    const std::size_t column = i - row * shape.columns;
    frames.emplace_back(gapX + kGridMargin + static_cast<double>(column) * (memberSize.width + gapX),
                        gapY + kGridMargin + static_cast<double>(row) * (memberSize.height + gapY), memberSize.width,
                        memberSize.height);
  }
  return frames;
}

}  // namespace vantile::layout
