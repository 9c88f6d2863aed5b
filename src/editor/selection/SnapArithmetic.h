#pragma once

#include <string>

#include "platform/graphics/Geometry.h"

namespace vantile {

// The numbers of moving and resizing on the canvas: a 5-point grid, a centre lock while the
// finger moves, a tighter centre snap when it lifts, and a smallest length.
struct SnapArithmetic {
  static constexpr double gridStep = 5;
  static constexpr double dragSnapDistance = 10;
  static constexpr double releaseSnapDistance = 2.5;
  static constexpr double minimumLength = 10;

  struct Axes {
    bool x = false;
    bool y = false;
    bool any() const { return x || y; }
  };

  // The nearest multiple of the grid step; halves go away from zero (12.5 → 15, −12.5 → −15).
  static double roundToGrid(double value);
  // The axes on which `center` lies within `distance` of `target`, the distance itself included.
  static Axes axesNear(platform::graphics::Point center, platform::graphics::Point target, double distance);
  // `proposed` with every axis near `target` put exactly on it.
  static platform::graphics::Point snapToCenter(platform::graphics::Point proposed, platform::graphics::Point target,
                                                double distance);
  // A length while its handle moves: the finger's travel added, never below the smallest length.
  static double draggedLength(double length, double travel);
  // A length when its handle is let go: on the grid, never below the smallest length.
  static double releasedLength(double length);
  // The origin that centres `length` inside `parentLength`.
  static double centredOrigin(double parentLength, double length) { return parentLength / 2 - length / 2; }
  // A frame value as written into a theme: "%.0f", and "0" rather than "-0".
  static std::string wholeNumberText(double value);
};

}  // namespace vantile
