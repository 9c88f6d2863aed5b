#include "platform/graphics/Path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/foundation/files/SystemLog.h"

namespace platform::graphics {

namespace {

constexpr double quarterTurn = std::numbers::pi / 2;
// Control point distance of a cubic Bézier that best follows a quarter circle of radius 1.
constexpr double quarterCircleKappa = 0.5522847498307936;

bool isFinitePoint(Point point) { return std::isfinite(point.x) && std::isfinite(point.y); }

bool isFiniteRect(const Rect& rect) {
  return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
         std::isfinite(rect.height());
}

Point pointOnCircle(Point center, double radius, double angle) {
  return {center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)};
}

}  // namespace

void Path::append(PathElement::Kind kind, std::array<Point, 3> points, int count) {
  for (int index = 0; index < count; ++index) {
    if (!isFinitePoint(points[static_cast<std::size_t>(index)])) {
      foundation::systemLog("Path: ignored a step with a non-finite coordinate");
      return;
    }
  }
  elements_.push_back({kind, points});
  switch (kind) {
    case PathElement::Kind::moveTo:
      currentPoint_ = points[0];
      subpathStart_ = points[0];
      break;
    case PathElement::Kind::lineTo:
      currentPoint_ = points[0];
      break;
    case PathElement::Kind::curveTo:
      currentPoint_ = points[2];
      break;
    case PathElement::Kind::close:
      currentPoint_ = subpathStart_;
      break;
  }
}

void Path::moveTo(Point point) { append(PathElement::Kind::moveTo, {point}, 1); }

void Path::lineTo(Point point) {
  append(currentPoint_ ? PathElement::Kind::lineTo : PathElement::Kind::moveTo, {point}, 1);
}

void Path::curveTo(Point control1, Point control2, Point end) {
  if (!currentPoint_) {
    moveTo(control1);
  }
  append(PathElement::Kind::curveTo, {control1, control2, end}, 3);
}

void Path::close() {
  if (currentPoint_) {
    append(PathElement::Kind::close, {}, 0);
  }
}

void Path::addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) {
  if (!isFinitePoint(center) || !std::isfinite(radius) || !std::isfinite(startAngle) || !std::isfinite(endAngle)) {
    foundation::systemLog("Path: ignored an arc with a non-finite value");
    return;
  }
  radius = std::abs(radius);
  // The sweep runs in the asked direction and never exceeds a full turn.
  constexpr double fullTurn = 2 * std::numbers::pi;
  double sweep = endAngle - startAngle;
  if (std::abs(sweep) < fullTurn) {
    sweep = std::fmod(sweep, fullTurn);
    if (clockwise && sweep < 0) {
      sweep += fullTurn;
    } else if (!clockwise && sweep > 0) {
      sweep -= fullTurn;
    }
  } else {
    sweep = clockwise ? fullTurn : -fullTurn;
  }

  lineTo(pointOnCircle(center, radius, startAngle));
  if (sweep == 0) {
    return;
  }
  const int segments = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / quarterTurn - 1e-9)));
  const double step = sweep / segments;
  // Each segment is a cubic whose handles are tangent to the circle at its ends.
  const double handle = 4.0 / 3.0 * std::tan(step / 4) * radius;
  double angle = startAngle;
  for (int segment = 0; segment < segments; ++segment) {
    const double next = angle + step;
    const Point from = pointOnCircle(center, radius, angle);
    const Point to = pointOnCircle(center, radius, next);
    const Point control1{from.x - handle * std::sin(angle), from.y + handle * std::cos(angle)};
    const Point control2{to.x + handle * std::sin(next), to.y - handle * std::cos(next)};
    append(PathElement::Kind::curveTo, {control1, control2, to}, 3);
    angle = next;
  }
}

void Path::addRect(const Rect& source) {
  if (!isFiniteRect(source)) {
    foundation::systemLog("Path: ignored a rectangle with a non-finite value");
    return;
  }
  const Rect rect = source.standardized();
  moveTo({rect.x(), rect.y()});
  lineTo({rect.maxX(), rect.y()});
  lineTo({rect.maxX(), rect.maxY()});
  lineTo({rect.x(), rect.maxY()});
  close();
}

void Path::addRoundedRect(const Rect& source, double cornerRadius) {
  if (!isFiniteRect(source) || !std::isfinite(cornerRadius)) {
    foundation::systemLog("Path: ignored a rounded rectangle with a non-finite value");
    return;
  }
  const Rect rect = source.standardized();
  const double radius = std::clamp(cornerRadius, 0.0, std::min(rect.width(), rect.height()) / 2);
  if (radius == 0) {
    addRect(rect);
    return;
  }
  constexpr double pi = std::numbers::pi;
  moveTo({rect.x() + radius, rect.y()});
  addArc({rect.maxX() - radius, rect.y() + radius}, radius, -pi / 2, 0, true);
  addArc({rect.maxX() - radius, rect.maxY() - radius}, radius, 0, pi / 2, true);
  addArc({rect.x() + radius, rect.maxY() - radius}, radius, pi / 2, pi, true);
  addArc({rect.x() + radius, rect.y() + radius}, radius, pi, 3 * pi / 2, true);
  close();
}

void Path::addEllipse(const Rect& source) {
  if (!isFiniteRect(source)) {
    foundation::systemLog("Path: ignored an ellipse with a non-finite value");
    return;
  }
  const Rect rect = source.standardized();
  const double rx = rect.width() / 2;
  const double ry = rect.height() / 2;
  const double kx = rx * quarterCircleKappa;
  const double ky = ry * quarterCircleKappa;
  const double cx = rect.midX();
  const double cy = rect.midY();
  moveTo({rect.maxX(), cy});
  curveTo({rect.maxX(), cy + ky}, {cx + kx, rect.maxY()}, {cx, rect.maxY()});
  curveTo({cx - kx, rect.maxY()}, {rect.x(), cy + ky}, {rect.x(), cy});
  curveTo({rect.x(), cy - ky}, {cx - kx, rect.y()}, {cx, rect.y()});
  curveTo({cx + kx, rect.y()}, {rect.maxX(), cy - ky}, {rect.maxX(), cy});
  close();
}

Rect Path::boundingBox() const {
  std::optional<Rect> box;
  auto include = [&box](Point point) {
    if (!box) {
      box = Rect{point.x, point.y, 0, 0};
      return;
    }
    const double minX = std::min(box->x(), point.x);
    const double minY = std::min(box->y(), point.y);
    const double maxX = std::max(box->maxX(), point.x);
    const double maxY = std::max(box->maxY(), point.y);
    box = Rect{minX, minY, maxX - minX, maxY - minY};
  };
  for (const PathElement& element : elements_) {
    const int count = element.kind == PathElement::Kind::curveTo ? 3
                      : element.kind == PathElement::Kind::close ? 0
                                                                 : 1;
    for (int index = 0; index < count; ++index) {
      include(element.points[static_cast<std::size_t>(index)]);
    }
  }
  return box.value_or(Rect{});
}

}  // namespace platform::graphics
