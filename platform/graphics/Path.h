#pragma once

#include <array>
#include <optional>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace platform::graphics {

// One step of a path. Arcs and ellipses are stored as cubic Bézier curves, so whoever draws
// or measures a path only meets these four kinds.
struct PathElement {
  enum class Kind { moveTo, lineTo, curveTo, close };

  Kind kind = Kind::moveTo;
  // moveTo and lineTo use points[0]; curveTo uses control 1, control 2, end point; close none.
  std::array<Point, 3> points{};

  friend bool operator==(const PathElement&, const PathElement&) = default;
};

// A vector path value, in the coordinates of whatever draws it. Steps with non-finite
// coordinates are dropped with a log line.
class Path {
 public:
  void moveTo(Point point);
  // Starts at `point` when the path has no current point.
  void lineTo(Point point);
  void curveTo(Point control1, Point control2, Point end);
  // Angles in radians from the x axis; clockwise means increasing angles (clockwise on a
  // y-down screen). Joins the current point to the arc's start with a line, or moves there.
  void addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise);
  void close();

  void addRect(const Rect& rect);
  // The corner radius is clamped to half the shorter side.
  void addRoundedRect(const Rect& rect, double cornerRadius);
  void addEllipse(const Rect& rect);

  const std::vector<PathElement>& elements() const { return elements_; }
  bool isEmpty() const { return elements_.empty(); }
  std::optional<Point> currentPoint() const { return currentPoint_; }
  // The smallest rectangle holding every point of the path, control points included.
  Rect boundingBox() const;

  friend bool operator==(const Path&, const Path&) = default;

 private:
  void append(PathElement::Kind kind, std::array<Point, 3> points, int count);

  std::vector<PathElement> elements_;
  std::optional<Point> currentPoint_;
  std::optional<Point> subpathStart_;
};

}  // namespace platform::graphics
