#include "platform/graphics/AffineTransform.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace platform::graphics {

AffineTransform AffineTransform::scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }

AffineTransform AffineTransform::rotation(double radians) {
  const double cosine = std::cos(radians);
  const double sine = std::sin(radians);
  return {cosine, sine, -sine, cosine, 0, 0};
}

AffineTransform AffineTransform::translation(double tx, double ty) { return {1, 0, 0, 1, tx, ty}; }

AffineTransform AffineTransform::concat(const AffineTransform& then) const {
  const AffineTransform& t = then;
  return {a * t.a + b * t.c,         a * t.b + b * t.d,         c * t.a + d * t.c,
          c * t.b + d * t.d,         tx * t.a + ty * t.c + t.tx, tx * t.b + ty * t.d + t.ty};
}

AffineTransform AffineTransform::scaledBy(double sx, double sy) const { return scale(sx, sy).concat(*this); }

AffineTransform AffineTransform::rotatedBy(double radians) const { return rotation(radians).concat(*this); }

AffineTransform AffineTransform::translatedBy(double dx, double dy) const {
  return translation(dx, dy).concat(*this);
}

std::optional<AffineTransform> AffineTransform::inverted() const {
  const double determinant = a * d - b * c;
  if (!isFinite() || determinant == 0 || !std::isfinite(1 / determinant)) {
    return std::nullopt;
  }
  const double inverse = 1 / determinant;
  return AffineTransform{d * inverse,
                         -b * inverse,
                         -c * inverse,
                         a * inverse,
                         (c * ty - d * tx) * inverse,
                         (b * tx - a * ty) * inverse};
}

Point AffineTransform::apply(Point point) const {
  return {a * point.x + c * point.y + tx, b * point.x + d * point.y + ty};
}

Rect AffineTransform::apply(const Rect& rect) const {
  const Rect source = rect.standardized();
  const std::array<Point, 4> corners = {apply(Point{source.x(), source.y()}),
                                        apply(Point{source.maxX(), source.y()}),
                                        apply(Point{source.x(), source.maxY()}),
                                        apply(Point{source.maxX(), source.maxY()})};
  const auto [minX, maxX] = std::minmax({corners[0].x, corners[1].x, corners[2].x, corners[3].x});
  const auto [minY, maxY] = std::minmax({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
  return {minX, minY, maxX - minX, maxY - minY};
}

bool AffineTransform::isFinite() const {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d) && std::isfinite(tx) &&
         std::isfinite(ty);
}

}  // namespace platform::graphics
