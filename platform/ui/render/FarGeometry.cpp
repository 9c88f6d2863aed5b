#include "platform/ui/render/FarGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace platform::ui {

using graphics::Path;
using graphics::PathElement;
using graphics::Point;
using graphics::Rect;

namespace {

// Enough halvings to make the widest finite curve flat to a fraction of a pixel.
constexpr int kDeepestSubdivision = 80;

Point midpoint(Point a, Point b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

bool touches(const Rect& area, std::initializer_list<Point> points) {
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  for (const Point p : points) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
  }
  return maxX >= area.x() && minX <= area.maxX() && maxY >= area.y() && minY <= area.maxY();
}

double distanceToLine(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  if (!(length > 0)) return std::hypot(p.x - a.x, p.y - a.y);
  return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / length;
}

// A curve lies inside the hull of its control points: where the hull misses the area, its
// chord does the same there (nothing), so only the part that can show is subdivided.
void flattenCurve(Point p0, Point p1, Point p2, Point p3, const Rect& area, double tolerance, int depth,
                  std::vector<Point>& out) {
  const bool flat = distanceToLine(p1, p0, p3) <= tolerance && distanceToLine(p2, p0, p3) <= tolerance;
  if (flat || depth >= kDeepestSubdivision || !touches(area, {p0, p1, p2, p3})) {
    out.push_back(p3);
    return;
  }
  const Point p01 = midpoint(p0, p1), p12 = midpoint(p1, p2), p23 = midpoint(p2, p3);
  const Point p012 = midpoint(p01, p12), p123 = midpoint(p12, p23);
  const Point middle = midpoint(p012, p123);
  flattenCurve(p0, p01, p012, middle, area, tolerance, depth + 1, out);
  flattenCurve(middle, p123, p23, p3, area, tolerance, depth + 1, out);
}

// One side of the area: the points whose coordinate on the axis is on the kept side of `bound`.
struct Side {
  bool vertical;  // x = bound, else y = bound
  double bound;
  bool keepAbove;

  double inside(Point p) const {
    const double value = vertical ? p.x : p.y;
    return keepAbove ? value - bound : bound - value;
  }
  // Where the segment crosses the side: exactly on it, the other coordinate taken from the end
  // nearer to it, so a far end does not drown the near one in rounding.
  Point crossing(Point a, Point b) const {
    const double da = inside(a);
    const double db = inside(b);
    const bool fromA = std::abs(da) <= std::abs(db);
    const Point near = fromA ? a : b;
    const Point other = fromA ? b : a;
    const double t = (fromA ? da : db) / ((fromA ? da : db) - (fromA ? db : da));
    return vertical ? Point{bound, near.y + (other.y - near.y) * t} : Point{near.x + (other.x - near.x) * t, bound};
  }
};

std::array<Side, 4> sidesOf(const Rect& area) {
  return {Side{true, area.x(), true}, Side{true, area.maxX(), false}, Side{false, area.y(), true},
          Side{false, area.maxY(), false}};
}

std::vector<Point> clipAgainstSide(const std::vector<Point>& points, const Side& side) {
  std::vector<Point> kept;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point current = points[i];
    const Point next = points[(i + 1) % points.size()];
    const bool currentInside = side.inside(current) >= 0;
    if (currentInside) kept.push_back(current);
    if (currentInside != (side.inside(next) >= 0)) kept.push_back(side.crossing(current, next));
  }
  return kept;
}

struct ClippedSegment {
  Point start;
  Point end;
  bool startCut = false;
  bool endCut = false;
};

std::optional<ClippedSegment> clipSegment(Point a, Point b, const Rect& area) {
  ClippedSegment segment{a, b};
  for (const Side& side : sidesOf(area)) {
    const bool startInside = side.inside(segment.start) >= 0;
    const bool endInside = side.inside(segment.end) >= 0;
    if (!startInside && !endInside) return std::nullopt;
    if (!startInside) {
      segment.start = side.crossing(segment.start, segment.end);
      segment.startCut = true;
    } else if (!endInside) {
      segment.end = side.crossing(segment.start, segment.end);
      segment.endCut = true;
    }
  }
  return segment;
}

Point along(Point a, Point b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

}  // namespace

Rect intersection(const Rect& first, const Rect& second) {
  const Rect a = first.standardized();
  const Rect b = second.standardized();
  const double x = std::max(a.x(), b.x());
  const double y = std::max(a.y(), b.y());
  const double maxX = std::min(a.maxX(), b.maxX());
  const double maxY = std::min(a.maxY(), b.maxY());
  if (!(maxX > x && maxY > y)) return {x, y, 0, 0};
  return {x, y, maxX - x, maxY - y};
}

std::vector<Polyline> flattenPath(const Path& path, const Rect& area, double tolerance) {
  std::vector<Polyline> lines;
  Point current;
  for (const PathElement& element : path.elements()) {
    const auto& p = element.points;
    switch (element.kind) {
      case PathElement::Kind::moveTo:
        lines.push_back({{p[0]}, false});
        break;
      case PathElement::Kind::lineTo:
        if (lines.empty()) lines.push_back({{current}, false});
        lines.back().points.push_back(p[0]);
        break;
      case PathElement::Kind::curveTo:
        if (lines.empty()) lines.push_back({{current}, false});
        flattenCurve(current, p[0], p[1], p[2], area, tolerance, 0, lines.back().points);
        break;
      case PathElement::Kind::close:
        if (!lines.empty()) {
          lines.back().closed = true;
          // What follows a close starts where the closed line began.
          const Point start = lines.back().points.front();
          lines.push_back({{start}, false});
        }
        break;
    }
    if (!lines.empty() && !lines.back().points.empty()) current = lines.back().points.back();
  }
  std::erase_if(lines, [](const Polyline& line) { return line.points.size() < 2; });
  return lines;
}

std::vector<Polyline> trimPolylines(const std::vector<Polyline>& polylines, double startFraction, double endFraction) {
  double total = 0;
  const auto forEachSegment = [&polylines](const std::function<void(Point, Point, bool)>& visit) {
    for (const Polyline& line : polylines) {
      const std::size_t count = line.points.size() - (line.closed ? 0 : 1);
      for (std::size_t i = 0; i < count; ++i) {
        visit(line.points[i], line.points[(i + 1) % line.points.size()], i == 0);
      }
    }
  };
  forEachSegment([&total](Point a, Point b, bool) { total += std::hypot(b.x - a.x, b.y - a.y); });
  const double from = startFraction * total;
  const double to = endFraction * total;
  std::vector<Polyline> trimmed;
  double walked = 0;
  bool penDown = false;
  forEachSegment([&](Point a, Point b, bool startsLine) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double begin = walked;
    walked += length;
    if (startsLine) penDown = false;
    if (!(length > 0)) return;
    if (walked <= from || begin >= to) {
      penDown = false;
      return;
    }
    const double t0 = std::max(0.0, (from - begin) / length);
    const double t1 = std::min(1.0, (to - begin) / length);
    if (!penDown) trimmed.push_back({{along(a, b, t0)}, false});
    trimmed.back().points.push_back(along(a, b, t1));
    penDown = true;
  });
  return trimmed;
}

Polyline clipPolygon(const Polyline& polygon, const Rect& area) {
  std::vector<Point> points = polygon.points;
  for (const Side& side : sidesOf(area)) points = clipAgainstSide(points, side);
  return {std::move(points), true};
}

std::vector<Polyline> clipPolyline(const Polyline& line, const Rect& area) {
  std::vector<Polyline> pieces;
  bool cut = false;
  bool penDown = false;
  const std::size_t count = line.points.size() - (line.closed ? 0 : 1);
  for (std::size_t i = 0; i < count; ++i) {
    const Point a = line.points[i];
    const Point b = line.points[(i + 1) % line.points.size()];
    const std::optional<ClippedSegment> inside = clipSegment(a, b, area);
    if (!inside) {
      cut = true;
      penDown = false;
      continue;
    }
    if (inside->startCut || inside->endCut) cut = true;
    if (!penDown || inside->startCut) pieces.push_back({{inside->start}, false});
    pieces.back().points.push_back(inside->end);
    penDown = !inside->endCut;
  }
  if (!cut && line.closed && !pieces.empty()) return {line};
  return pieces;
}

}  // namespace platform::ui
