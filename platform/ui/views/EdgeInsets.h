#pragma once

namespace platform::ui {

// Distances in from each edge of a rectangle, in points.
struct EdgeInsets {
  double top = 0;
  double left = 0;
  double bottom = 0;
  double right = 0;

  friend bool operator==(const EdgeInsets&, const EdgeInsets&) = default;
};

}  // namespace platform::ui
