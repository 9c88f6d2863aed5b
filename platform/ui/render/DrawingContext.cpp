#include "platform/ui/render/DrawingContext.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/ui/render/BoxBlur.h"
#include "platform/ui/render/FarGeometry.h"

namespace platform::ui {

using graphics::Color;
using graphics::Image;
using graphics::Point;
using graphics::Rect;

namespace {

// Cairo's 24.8 fixed point device coordinates hold about ±8.4 million pixels; geometry kept
// within this many stays clear of that even after cutting, growing and turning.
constexpr double kFarInPixels = 1 << 21;
// Cut edges stay this far outside what can show, so nothing along them is seen.
constexpr double kCutMarginInPixels = 8;

}  // namespace

bool DrawingContext::reachesFar(const Rect& rect) const {
  for (Point corner : {rect.origin, Point{rect.maxX(), rect.y()}, Point{rect.x(), rect.maxY()},
                       Point{rect.maxX(), rect.maxY()}}) {
    cairo_user_to_device(cairo_, &corner.x, &corner.y);
    if (!(std::abs(corner.x) <= kFarInPixels && std::abs(corner.y) <= kFarInPixels)) return true;
  }
  return false;
}

Rect DrawingContext::deviceArea(double overhangInPixels) const {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  cairo_save(cairo_);
  cairo_identity_matrix(cairo_);
  cairo_clip_extents(cairo_, &x1, &y1, &x2, &y2);
  cairo_restore(cairo_);
  // An unbounded target (a recording) is taken as large as geometry may safely be.
  const double limit = kFarInPixels / 2;
  const double grow = kCutMarginInPixels + std::clamp(overhangInPixels, 0.0, kFarInPixels / 4);
  x1 = std::clamp(x1, -limit, limit) - grow;
  y1 = std::clamp(y1, -limit, limit) - grow;
  x2 = std::clamp(x2, -limit, limit) + grow;
  y2 = std::clamp(y2, -limit, limit) + grow;
  return {x1, y1, x2 - x1, y2 - y1};
}

void DrawingContext::addInDeviceSpace(const std::vector<Polyline>& lines) {
  // Cairo keeps paths in device space, so they stay where they are when the matrix returns.
  cairo_save(cairo_);
  cairo_identity_matrix(cairo_);
  for (const Polyline& line : lines) {
    if (line.points.empty()) continue;
    cairo_move_to(cairo_, line.points.front().x, line.points.front().y);
    for (std::size_t i = 1; i < line.points.size(); ++i) cairo_line_to(cairo_, line.points[i].x, line.points[i].y);
    if (line.closed) cairo_close_path(cairo_);
  }
  cairo_restore(cairo_);
}

graphics::Path DrawingContext::pathInDeviceSpace(const graphics::Path& path) const {
  // An affine map takes a curve's control points to those of the mapped curve.
  graphics::Path mapped;
  const auto toDevice = [this](Point point) {
    cairo_user_to_device(cairo_, &point.x, &point.y);
    return point;
  };
  for (const graphics::PathElement& element : path.elements()) {
    const auto& p = element.points;
    switch (element.kind) {
      case graphics::PathElement::Kind::moveTo:
        mapped.moveTo(toDevice(p[0]));
        break;
      case graphics::PathElement::Kind::lineTo:
        mapped.lineTo(toDevice(p[0]));
        break;
      case graphics::PathElement::Kind::curveTo:
        mapped.curveTo(toDevice(p[0]), toDevice(p[1]), toDevice(p[2]));
        break;
      case graphics::PathElement::Kind::close:
        mapped.close();
        break;
    }
  }
  return mapped;
}

void DrawingContext::addFarRoundedRect(const Rect& box, double radius, double strokeWidth) {
  cairo_matrix_t matrix;
  cairo_get_matrix(cairo_, &matrix);
  const double scale = deviceScale();
  // Corners at the cut edges stay out of sight; a corner too large for that is drawn square.
  const double r = radius * scale > kFarInPixels / 4 ? 0 : radius * scale;
  const Rect area = deviceArea(r + std::max(0.0, strokeWidth) * scale);
  std::vector<Point> corners;
  for (Point corner : {box.origin, Point{box.maxX(), box.y()}, Point{box.maxX(), box.maxY()},
                       Point{box.x(), box.maxY()}}) {
    cairo_user_to_device(cairo_, &corner.x, &corner.y);
    corners.push_back(corner);
  }
  if (matrix.xy != 0 || matrix.yx != 0) {
    addInDeviceSpace({clipPolygon({corners, true}, area)});
    return;
  }
  const double minX = std::min(corners[0].x, corners[2].x), maxX = std::max(corners[0].x, corners[2].x);
  const double minY = std::min(corners[0].y, corners[2].y), maxY = std::max(corners[0].y, corners[2].y);
  const Rect cut = intersection({minX, minY, maxX - minX, maxY - minY}, area);
  if (cut.width() <= 0 || cut.height() <= 0) return;
  cairo_save(cairo_);
  cairo_identity_matrix(cairo_);
  addRoundedRectPath(cut, std::min(r, std::min(cut.width(), cut.height()) / 2));
  cairo_restore(cairo_);
}

graphics::Point DrawingContext::targetDeviceOffset() const {
  Point offset;
  cairo_surface_get_device_offset(cairo_get_group_target(cairo_), &offset.x, &offset.y);
  return offset;
}

std::optional<DrawingContext::PixelBox> DrawingContext::targetPixelBox(const Rect& rect, double margin) const {
  cairo_surface_t* target = cairo_get_group_target(cairo_);
  if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return std::nullopt;
  const Point offset = targetDeviceOffset();
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  for (Point corner : {rect.origin, Point{rect.maxX(), rect.y()}, Point{rect.x(), rect.maxY()},
                       Point{rect.maxX(), rect.maxY()}}) {
    cairo_user_to_device(cairo_, &corner.x, &corner.y);
    minX = std::min(minX, corner.x + offset.x);
    minY = std::min(minY, corner.y + offset.y);
    maxX = std::max(maxX, corner.x + offset.x);
    maxY = std::max(maxY, corner.y + offset.y);
  }
  if (!std::isfinite(minX + minY + maxX + maxY + margin)) return std::nullopt;
  const double width = cairo_image_surface_get_width(target);
  const double height = cairo_image_surface_get_height(target);
  const int x0 = static_cast<int>(std::clamp(std::floor(minX - margin), 0.0, width));
  const int y0 = static_cast<int>(std::clamp(std::floor(minY - margin), 0.0, height));
  const int x1 = static_cast<int>(std::clamp(std::ceil(maxX + margin), 0.0, width));
  const int y1 = static_cast<int>(std::clamp(std::ceil(maxY + margin), 0.0, height));
  if (x1 <= x0 || y1 <= y0) return std::nullopt;
  return PixelBox{x0, y0, x1 - x0, y1 - y0};
}

double DrawingContext::deviceScale() const {
  cairo_matrix_t matrix;
  cairo_get_matrix(cairo_, &matrix);
  return std::sqrt(std::abs(matrix.xx * matrix.yy - matrix.xy * matrix.yx));
}

void DrawingContext::setSourceColor(Color color) {
  cairo_set_source_rgba(cairo_, color.red, color.green, color.blue, color.alpha * alpha_);
}

void DrawingContext::addRoundedRect(const Rect& rect, double radius, double strokeWidth) {
  const Rect box = rect.standardized();
  const double r = std::clamp(radius, 0.0, std::min(box.width(), box.height()) / 2);
  if (reachesFar(box)) {
    addFarRoundedRect(box, r, strokeWidth);
  } else {
    addRoundedRectPath(box, r);
  }
}

void DrawingContext::addRoundedRectPath(const Rect& box, double r) {
  if (r <= 0) {
    cairo_rectangle(cairo_, box.x(), box.y(), box.width(), box.height());
    return;
  }
  cairo_new_sub_path(cairo_);
  cairo_arc(cairo_, box.maxX() - r, box.y() + r, r, -M_PI / 2, 0);
  cairo_arc(cairo_, box.maxX() - r, box.maxY() - r, r, 0, M_PI / 2);
  cairo_arc(cairo_, box.x() + r, box.maxY() - r, r, M_PI / 2, M_PI);
  cairo_arc(cairo_, box.x() + r, box.y() + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cairo_);
}

void DrawingContext::fillRoundedRect(const Rect& rect, double radius, Color color) {
  cairo_new_path(cairo_);
  addRoundedRect(rect, radius);
  setSourceColor(color);
  cairo_fill(cairo_);
}

CairoSurfaceHandle DrawingContext::surfaceFor(const Image& image) {
  // Cairo only reads a surface used as a source, so the image's shared pixels stay untouched.
  auto* data = reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(image.pixels().data()));
  return CairoSurfaceHandle(
      cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, image.width(), image.height(), image.bytesPerRow()));
}

namespace {

// Sets the image as the source, stretched over the rectangle, with its edges kept sharp.
bool setImageSource(cairo_t* cairo, cairo_surface_t* surface, const Image& image, const Rect& rect) {
  if (rect.width() <= 0 || rect.height() <= 0 || !std::isfinite(rect.width() + rect.height() + rect.x() + rect.y())) {
    return false;
  }
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, image.width() / rect.width(), image.height() / rect.height());
  cairo_matrix_translate(&matrix, -rect.x(), -rect.y());
  cairo_pattern_set_matrix(pattern, &matrix);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
  cairo_set_source(cairo, pattern);
  cairo_pattern_destroy(pattern);
  cairo_new_path(cairo);
  DrawingContext(cairo, 1).addRoundedRect(rect, 0);
  return true;
}

}  // namespace

void DrawingContext::drawImage(const Image& image, const Rect& rect) {
  const CairoSurfaceHandle surface = surfaceFor(image);
  cairo_save(cairo_);
  if (setImageSource(cairo_, surface.get(), image, rect)) {
    cairo_clip(cairo_);
    cairo_paint_with_alpha(cairo_, alpha_);
  }
  cairo_restore(cairo_);
}

void DrawingContext::drawImageMask(const Image& image, const Rect& rect, Color color) {
  const CairoSurfaceHandle surface = surfaceFor(image);
  cairo_save(cairo_);
  if (setImageSource(cairo_, surface.get(), image, rect)) {
    cairo_clip(cairo_);
    CairoPatternHandle mask(cairo_pattern_reference(cairo_get_source(cairo_)));
    setSourceColor(color);
    cairo_mask(cairo_, mask.get());
  }
  cairo_restore(cairo_);
}

void DrawingContext::fillPathWithPattern(const Image& image, Point origin) {
  const CairoSurfaceHandle surface = surfaceFor(image);
  cairo_save(cairo_);
  cairo_clip(cairo_);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface.get());
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, image.scale(), image.scale());
  cairo_matrix_translate(&matrix, -origin.x, -origin.y);
  cairo_pattern_set_matrix(pattern, &matrix);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_set_source(cairo_, pattern);
  cairo_pattern_destroy(pattern);
  cairo_paint_with_alpha(cairo_, alpha_);
  cairo_restore(cairo_);
}

void DrawingContext::blurBehind(const Rect& rect, double cornerRadius, double radius) {
  cairo_surface_t* target = cairo_get_group_target(cairo_);
  if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE ||
      cairo_image_surface_get_format(target) != CAIRO_FORMAT_ARGB32) {
    fillRoundedRect(rect, cornerRadius, Color{0.5, 0.5, 0.5, 1});
    return;
  }
  const double sigma = radius * deviceScale();
  if (!(sigma > 0) || !std::isfinite(sigma)) return;
  // Pixels just outside the rectangle feed the blur at its edges.
  const std::optional<PixelBox> found = targetPixelBox(rect, std::ceil(2 * sigma));
  if (!found) return;
  const PixelBox box = *found;
  cairo_surface_flush(target);

  const int stride = cairo_image_surface_get_stride(target);
  const unsigned char* source = cairo_image_surface_get_data(target);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(box.width) * box.height);
  for (int y = 0; y < box.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(source + static_cast<std::ptrdiff_t>(box.y + y) * stride);
    std::copy_n(row + box.x, box.width, pixels.begin() + static_cast<std::ptrdiff_t>(y) * box.width);
  }
  // A wide blur is made on a shrunk copy and stretched back smoothly: far less work, and
  // no visible difference once the detail is blurred away.
  const int factor = std::clamp(static_cast<int>(sigma / 3), 1, 8);
  if (factor > 1) pixels = shrinkARGB(pixels, box.width, box.height, factor);
  const int width = (box.width + factor - 1) / factor;
  const int height = (box.height + factor - 1) / factor;
  boxBlurARGB(pixels, width, height, sigma / factor);

  CairoSurfaceHandle blurred(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels.data()),
                                                                 CAIRO_FORMAT_ARGB32, width, height, width * 4));
  const Point offset = targetDeviceOffset();
  cairo_save(cairo_);
  cairo_new_path(cairo_);
  addRoundedRect(rect, cornerRadius);
  cairo_clip(cairo_);
  cairo_identity_matrix(cairo_);
  cairo_set_operator(cairo_, CAIRO_OPERATOR_SOURCE);
  cairo_translate(cairo_, box.x - offset.x, box.y - offset.y);
  cairo_scale(cairo_, factor, factor);
  cairo_set_source_surface(cairo_, blurred.get(), 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cairo_), CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(cairo_get_source(cairo_), CAIRO_FILTER_BILINEAR);
  cairo_paint_with_alpha(cairo_, alpha_);
  cairo_restore(cairo_);
}

}  // namespace platform::ui
