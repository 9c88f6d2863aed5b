#include "editor/selection/SnapArithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vantile {

double SnapArithmetic::roundToGrid(double value) { return std::round(value / gridStep) * gridStep; }

SnapArithmetic::Axes SnapArithmetic::axesNear(platform::graphics::Point center, platform::graphics::Point target,
                                              double distance) {
  return {std::abs(center.x - target.x) <= distance, std::abs(center.y - target.y) <= distance};
}

platform::graphics::Point SnapArithmetic::snapToCenter(platform::graphics::Point proposed,
                                                       platform::graphics::Point target, double distance) {
  const Axes near = axesNear(proposed, target, distance);
  return {near.x ? target.x : proposed.x, near.y ? target.y : proposed.y};
}

double SnapArithmetic::draggedLength(double length, double travel) { return std::max(length + travel, minimumLength); }

double SnapArithmetic::releasedLength(double length) { return std::max(roundToGrid(length), minimumLength); }

std::string SnapArithmetic::wholeNumberText(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%.0f", value);
  const std::string written = text;
  return written == "-0" ? "0" : written;
}

}  // namespace vantile
