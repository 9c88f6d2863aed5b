#pragma once

#include <limits>

namespace platform::graphics {

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  double width = 0;
  double height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  Point origin;
  Size size;

  constexpr Rect() = default;
  constexpr Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

  // The platform's null rectangle: no rectangle at all, not even an empty one at the origin.
  static constexpr Rect null() {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    return {infinity, infinity, 0, 0};
  }
  bool isNull() const {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    return origin.x == infinity || origin.y == infinity;
  }

  double x() const { return origin.x; }
  double y() const { return origin.y; }
  double width() const { return size.width; }
  double height() const { return size.height; }
  double maxX() const { return origin.x + size.width; }
  double maxY() const { return origin.y + size.height; }
  double midX() const { return origin.x + size.width / 2; }
  double midY() const { return origin.y + size.height / 2; }

  // The same rectangle with a non-negative width and height.
  Rect standardized() const {
    Rect rect = *this;
    if (rect.size.width < 0) {
      rect.origin.x += rect.size.width;
      rect.size.width = -rect.size.width;
    }
    if (rect.size.height < 0) {
      rect.origin.y += rect.size.height;
      rect.size.height = -rect.size.height;
    }
    return rect;
  }

  // Half-open, as the platform's: a point on the right or bottom edge is outside.
  bool contains(Point point) const {
    const Rect rect = standardized();
    return point.x >= rect.x() && point.x < rect.maxX() && point.y >= rect.y() && point.y < rect.maxY();
  }

  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace platform::graphics
