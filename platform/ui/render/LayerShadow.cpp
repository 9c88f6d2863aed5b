#include "platform/ui/render/LayerShadow.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ui/render/BoxBlur.h"
#include "platform/ui/render/CairoHandles.h"
#include "platform/ui/render/DrawingContext.h"

namespace platform::ui {

using graphics::Point;

namespace {

// Wider blurs spread a shadow too thin to see, and would ask for planes of any size.
constexpr double kWidestBlurInPixels = 256;

// A box in the target surface's pixels, by its edges.
struct PixelEdges {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  bool isEmpty() const { return !(right > left && bottom > top); }
  PixelEdges moved(double dx, double dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  PixelEdges grown(double margin) const { return {left - margin, top - margin, right + margin, bottom + margin}; }
  PixelEdges intersected(const PixelEdges& other) const {
    return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
  }
  PixelEdges toWholePixels() const { return {std::floor(left), std::floor(top), std::ceil(right), std::ceil(bottom)}; }
};

// Where the context may still paint; nothing when its target has no pixels (a layer only
// recorded to measure an enclosing shadow casts none of its own there).
std::optional<PixelEdges> clipEdges(cairo_t* cairo) {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  cairo_clip_extents(cairo, &x1, &y1, &x2, &y2);
  const auto box = DrawingContext(cairo, 1).targetPixelBox({x1, y1, x2 - x1, y2 - y1}, 0);
  if (!box) return std::nullopt;
  return PixelEdges{static_cast<double>(box->x), static_cast<double>(box->y), static_cast<double>(box->x + box->width),
                    static_cast<double>(box->y + box->height)};
}

// The context's user space to the pixels of its target surface.
cairo_matrix_t targetPixelMatrix(cairo_t* cairo) {
  cairo_matrix_t matrix;
  cairo_get_matrix(cairo, &matrix);
  const Point offsetOnTarget = DrawingContext(cairo, 1).targetDeviceOffset();
  matrix.x0 += offsetOnTarget.x;
  matrix.y0 += offsetOnTarget.y;
  return matrix;
}

// The pixels the layer paints, unclipped: only recorded, so its extent is known before any
// pixels are spent on it.
std::optional<PixelEdges> inkEdges(const cairo_matrix_t& toPixels, const std::function<void(cairo_t*)>& paintLayer) {
  CairoSurfaceHandle recording(cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr));
  {
    CairoHandle recorder(cairo_create(recording.get()));
    cairo_set_matrix(recorder.get(), &toPixels);
    paintLayer(recorder.get());
  }
  double x = 0, y = 0, width = 0, height = 0;
  cairo_recording_surface_ink_extents(recording.get(), &x, &y, &width, &height);
  if (!(width > 0 && height > 0)) return std::nullopt;
  return PixelEdges{x, y, x + width, y + height};
}

// A wide blur is made on a plane shrunk by this factor: far less work, and no visible
// difference once the detail is blurred away.
int shrinkFactorFor(double sigma) { return std::clamp(static_cast<int>(sigma / 3), 1, 8); }

// The alpha the layer paints over the source box, at 1 / `factor` of the pixels, blurred;
// nothing when no plane could be made.
CairoSurfaceHandle blurredAlpha(const cairo_matrix_t& toPixels, const std::function<void(cairo_t*)>& paintLayer,
                                const PixelEdges& source, int factor, double sigma) {
  const int width = static_cast<int>(std::ceil((source.right - source.left) / factor));
  const int height = static_cast<int>(std::ceil((source.bottom - source.top) / factor));
  CairoSurfaceHandle plane(cairo_image_surface_create(CAIRO_FORMAT_A8, width, height));
  if (cairo_surface_status(plane.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  {
    CairoHandle painter(cairo_create(plane.get()));
    cairo_scale(painter.get(), 1.0 / factor, 1.0 / factor);
    cairo_translate(painter.get(), -source.left, -source.top);
    cairo_transform(painter.get(), &toPixels);
    paintLayer(painter.get());
  }
  cairo_surface_flush(plane.get());
  const int stride = cairo_image_surface_get_stride(plane.get());
  boxBlurAlpha({cairo_image_surface_get_data(plane.get()), static_cast<std::size_t>(stride) * height}, width, height,
               stride, sigma / factor);
  cairo_surface_mark_dirty(plane.get());
  return plane;
}

// Where each pixel of a line enlarged by `factor` reads from a line of `length` pixels: the
// pixel left of (or above) its centre, and the weight out of 256 of the next one.
struct Tap {
  int index = 0;
  int next = 0;
  int weight = 0;
};

std::vector<Tap> tapsFor(int length, int factor) {
  std::vector<Tap> taps(static_cast<std::size_t>(length) * factor);
  for (std::size_t i = 0; i < taps.size(); ++i) {
    const double position = (static_cast<double>(i) + 0.5) / factor - 0.5;
    const int index = std::clamp(static_cast<int>(std::floor(position)), 0, length - 1);
    const double fraction = std::clamp(position - index, 0.0, 1.0);
    taps[i] = {index, std::min(index + 1, length - 1), static_cast<int>(std::lround(fraction * 256))};
  }
  return taps;
}

// The alpha plane enlarged by a whole factor, interpolated between pixel centres. Written out
// by hand: Cairo's general scaling path costs several times as much as the blur itself.
CairoSurfaceHandle enlarged(cairo_surface_t* plane, int factor) {
  if (factor == 1) return CairoSurfaceHandle(cairo_surface_reference(plane));
  const int width = cairo_image_surface_get_width(plane);
  const int height = cairo_image_surface_get_height(plane);
  CairoSurfaceHandle result(cairo_image_surface_create(CAIRO_FORMAT_A8, width * factor, height * factor));
  if (cairo_surface_status(result.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(result.get());
  const std::uint8_t* source = cairo_image_surface_get_data(plane);
  const int sourceStride = cairo_image_surface_get_stride(plane);
  std::uint8_t* target = cairo_image_surface_get_data(result.get());
  const int targetStride = cairo_image_surface_get_stride(result.get());
  const std::vector<Tap> columns = tapsFor(width, factor);
  const std::vector<Tap> rows = tapsFor(height, factor);
  for (std::size_t y = 0; y < rows.size(); ++y) {
    const std::uint8_t* upper = source + static_cast<std::ptrdiff_t>(rows[y].index) * sourceStride;
    const std::uint8_t* lower = source + static_cast<std::ptrdiff_t>(rows[y].next) * sourceStride;
    const int down = rows[y].weight;
    std::uint8_t* out = target + static_cast<std::ptrdiff_t>(y) * targetStride;
    for (std::size_t x = 0; x < columns.size(); ++x) {
      const Tap& column = columns[x];
      const int top = upper[column.index] * (256 - column.weight) + upper[column.next] * column.weight;
      const int bottom = lower[column.index] * (256 - column.weight) + lower[column.next] * column.weight;
      out[x] = static_cast<std::uint8_t>((top * (256 - down) + bottom * down + (1 << 15)) >> 16);
    }
  }
  cairo_surface_mark_dirty(result.get());
  return result;
}

}  // namespace

bool castsShadow(const LayerProperties& properties) {
  return properties.shadowColor && properties.shadowColor->alpha * properties.shadowOpacity > 0;
}

void drawLayerShadow(cairo_t* cairo, const LayerProperties& properties, double opacity,
                     const std::function<void(cairo_t*)>& paintLayer) {
  if (!castsShadow(properties) || !(opacity > 0)) return;
  const std::optional<PixelEdges> clip = clipEdges(cairo);
  if (!clip) return;
  DrawingContext context(cairo, 1);
  const double sigma = std::min(std::max(0.0, properties.shadowRadius) / 2 * context.deviceScale(), kWidestBlurInPixels);
  const double margin = std::ceil(3 * sigma) + 1;
  double dx = properties.shadowOffset.width;
  double dy = properties.shadowOffset.height;
  cairo_user_to_device_distance(cairo, &dx, &dy);
  if (!std::isfinite(dx + dy + margin)) return;

  const cairo_matrix_t toPixels = targetPixelMatrix(cairo);
  const std::optional<PixelEdges> ink = inkEdges(toPixels, paintLayer);
  if (!ink) return;
  // The part of the shadow that can show, and the painted pixels it comes from, with room for
  // the blur to fade out.
  const PixelEdges landing = ink->moved(dx, dy).grown(margin).intersected(*clip);
  if (landing.isEmpty()) return;
  const PixelEdges source = landing.moved(-dx, -dy).grown(margin).intersected(ink->grown(margin + 1)).toWholePixels();
  if (source.isEmpty()) return;

  const int factor = shrinkFactorFor(sigma);
  const CairoSurfaceHandle plane = blurredAlpha(toPixels, paintLayer, source, factor, sigma);
  if (!plane) return;

  const Point offsetOnTarget = context.targetDeviceOffset();
  const graphics::Color& color = *properties.shadowColor;
  const CairoSurfaceHandle mask = enlarged(plane.get(), factor);
  if (!mask) return;
  cairo_save(cairo);
  cairo_identity_matrix(cairo);
  cairo_set_source_rgba(cairo, color.red, color.green, color.blue, color.alpha * properties.shadowOpacity * opacity);
  cairo_mask_surface(cairo, mask.get(), source.left + dx - offsetOnTarget.x, source.top + dy - offsetOnTarget.y);
  cairo_restore(cairo);
}

}  // namespace platform::ui
