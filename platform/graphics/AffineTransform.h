#pragma once

#include <optional>

#include "platform/graphics/Geometry.h"

namespace platform::graphics {

// A 2D affine transform acting on row vectors, as the platform's does:
//   x' = a·x + c·y + tx,  y' = b·x + d·y + ty.
// Angles are in radians; with y pointing down, a positive angle turns clockwise on screen.
struct AffineTransform {
  double a = 1;
  double b = 0;
  double c = 0;
  double d = 1;
  double tx = 0;
  double ty = 0;

  static AffineTransform identity() { return {}; }
  static AffineTransform scale(double sx, double sy);
  static AffineTransform rotation(double radians);
  static AffineTransform translation(double tx, double ty);

  // This transform first, then `then`.
  AffineTransform concat(const AffineTransform& then) const;

  // The platform's "transform by": the new step acts first, in this transform's own space,
  // so identity().scaledBy(2, 1).rotatedBy(θ) rotates a point, then scales it.
  AffineTransform scaledBy(double sx, double sy) const;
  AffineTransform rotatedBy(double radians) const;
  AffineTransform translatedBy(double tx, double ty) const;

  // Nothing when the transform collapses the plane (a zero scale), or holds a non-finite value.
  std::optional<AffineTransform> inverted() const;

  Point apply(Point point) const;
  // The bounding box of the transformed rectangle.
  Rect apply(const Rect& rect) const;

  bool isIdentity() const { return *this == AffineTransform{}; }
  bool isFinite() const;

  friend bool operator==(const AffineTransform&, const AffineTransform&) = default;
};

}  // namespace platform::graphics
