#pragma once

#include <cairo.h>

#include <optional>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/Path.h"
#include "platform/ui/render/CairoHandles.h"
#include "platform/ui/render/FarGeometry.h"

namespace platform::ui {

// Where a layer and its delegate draw: a Cairo context whose user space is the layer's bounds
// space (in points), plus the opacity a layer drawn without a group must multiply into every
// colour it paints. Views draw through these helpers or through cairo() directly.
class DrawingContext {
 public:
  DrawingContext(cairo_t* cairo, double alpha) : cairo_(cairo), alpha_(alpha) {}

  cairo_t* cairo() const { return cairo_; }
  double alpha() const { return alpha_; }
  // Pixels per point of the destination under the current transformation.
  double deviceScale() const;

  // The colour, with alpha() multiplied in, as the source.
  void setSourceColor(graphics::Color color);
  // Adds a rectangle with corners rounded by `radius` (clamped to half the shorter side).
  // Geometry that reaches far beyond the target is first cut to what can show (see
  // reachesFar); `strokeWidth` is the line that will be drawn along it, if any.
  void addRoundedRect(const graphics::Rect& rect, double radius, double strokeWidth = 0);
  void fillRoundedRect(const graphics::Rect& rect, double radius, graphics::Color color);

  // The image stretched over the rectangle.
  void drawImage(const graphics::Image& image, const graphics::Rect& rect);
  // The colour painted through the image's alpha over the rectangle (a template image).
  void drawImageMask(const graphics::Image& image, const graphics::Rect& rect, graphics::Color color);
  // The image repeated at its own size from the rectangle's origin, filling the current path.
  void fillPathWithPattern(const graphics::Image& image, graphics::Point origin);

  // Blurs what is already drawn under the rounded rectangle, in place: a Gaussian of `radius`
  // points. Drawing inside a group only sees the group's pixels. A target without colour pixels
  // to read (a recording or alpha plane made for a shadow) gets the rectangle filled opaque, as
  // the blurred backdrop would cover it.
  void blurBehind(const graphics::Rect& rect, double cornerRadius, double radius);

  // A box of pixels of the surface being drawn: the destination, or a group's own surface
  // inside a group, whose pixel (x, y) sits at device point (x, y) - targetDeviceOffset().
  struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
  };
  // Whether the rectangle (user space) reaches so far from the target's pixels that Cairo's
  // fixed point device coordinates would wrap around: it must be cut in floating point first.
  bool reachesFar(const graphics::Rect& rect) const;
  // What can still show of the target, in device space, grown so that the cut edges of
  // geometry, and `overhangInPixels` drawn beyond them, stay out of sight.
  graphics::Rect deviceArea(double overhangInPixels) const;
  graphics::Path pathInDeviceSpace(const graphics::Path& path) const;
  // Adds lines given in device space to the current path.
  void addInDeviceSpace(const std::vector<Polyline>& lines);

  // The box around the rectangle, grown by `margin` pixels and kept on the surface; nothing
  // when that leaves nothing or the surface holds no pixels.
  std::optional<PixelBox> targetPixelBox(const graphics::Rect& rect, double margin) const;
  graphics::Point targetDeviceOffset() const;

  // A Cairo surface reading the image's pixels (which it must not outlive).
  static CairoSurfaceHandle surfaceFor(const graphics::Image& image);

 private:
  // Cut to what can show in device space, where the numbers still resolve the pixels.
  void addFarRoundedRect(const graphics::Rect& box, double radius, double strokeWidth);
  // A standardized box and a radius that fits it.
  void addRoundedRectPath(const graphics::Rect& box, double radius);

  cairo_t* cairo_;
  double alpha_;
};

}  // namespace platform::ui
