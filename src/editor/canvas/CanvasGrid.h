#pragma once

#include <vector>

namespace vantile {

// Where the canvas grid's one-point lines stand for a root of the given size, in whole points.
struct CanvasGridLines {
  // In the order the line views are added: each pair's right line, then its left line.
  std::vector<int> verticalX;
  // Each pair's lower line, then its upper line.
  std::vector<int> horizontalY;
  int centreX = 0;
  int centreY = 0;
  // The size cut to whole points: the vertical lines' height, the horizontal lines' width.
  int width = 0;
  int height = 0;
};

inline constexpr int kCanvasGridVerticalPairs = 60;
inline constexpr int kCanvasGridHorizontalPairs = 100;

// Pairs around the centre at ±5, ±10, ±16, ±22 … points.
CanvasGridLines canvasGridLines(double width, double height);

}  // namespace vantile
