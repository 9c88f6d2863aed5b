#include "platform/ui/LayerShadow.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/BoxBlur.h"
#include "platform/ui/CairoHandles.h"
#include "platform/ui/DrawingContext.h"
#include "platform/ui/LayerKindDrawing.h"
#include "platform/ui/ShapeLayer.h"

namespace platform::ui {

using graphics::Point;
using graphics::Rect;

void drawLayerShadow(cairo_t* cairo, const Layer& layer, const LayerProperties& properties, double opacity) {
  const auto& color = properties.shadowColor;
  const double alpha = color ? color->alpha * properties.shadowOpacity * opacity : 0;
  const bool hasBackground = properties.backgroundColor || layer.backgroundPattern();
  const auto* shapeLayer = dynamic_cast<const ShapeLayer*>(&layer);
  const bool hasShape = shapeLayer != nullptr && !shapeLayer->path().isEmpty();
  if (!(alpha > 0) || (!layer.contents() && !hasBackground && !hasShape)) return;

  const graphics::Size offset = properties.shadowOffset;
  const Rect bounds = properties.bounds;
  const Rect shadowRect{bounds.x() + offset.width, bounds.y() + offset.height, bounds.width(), bounds.height()};
  DrawingContext context(cairo, 1);
  const double sigma = std::max(0.0, properties.shadowRadius) / 2 * context.deviceScale();
  const std::optional<DrawingContext::PixelBox> box = context.targetPixelBox(shadowRect, std::ceil(3 * sigma) + 1);
  if (!box) return;
  const Point offsetOnTarget = context.targetDeviceOffset();

  CairoSurfaceHandle plane(cairo_image_surface_create(CAIRO_FORMAT_A8, box->width, box->height));
  {
    CairoHandle shapeCairo(cairo_create(plane.get()));
    cairo_matrix_t matrix;
    cairo_get_matrix(cairo, &matrix);
    matrix.x0 += offsetOnTarget.x - box->x;
    matrix.y0 += offsetOnTarget.y - box->y;
    cairo_set_matrix(shapeCairo.get(), &matrix);
    cairo_translate(shapeCairo.get(), offset.width, offset.height);
    DrawingContext shape(shapeCairo.get(), 1);
    if (layer.contents()) {
      shape.drawImage(*layer.contents(), contentRect(layer.contentsGravity(), layer.contents()->size(), bounds));
    } else if (hasShape) {
      // A shape casts the shadow of what it paints: its background and its path.
      if (hasBackground) shape.fillRoundedRect(bounds, properties.cornerRadius, {0, 0, 0, 1});
      drawShape(shape, *shapeLayer);
    } else {
      shape.fillRoundedRect(bounds, properties.cornerRadius, {0, 0, 0, 1});
    }
  }
  cairo_surface_flush(plane.get());
  const int stride = cairo_image_surface_get_stride(plane.get());
  boxBlurAlpha({cairo_image_surface_get_data(plane.get()), static_cast<std::size_t>(stride) * box->height},
               box->width, box->height, stride, sigma);
  cairo_surface_mark_dirty(plane.get());

  cairo_save(cairo);
  cairo_identity_matrix(cairo);
  cairo_set_source_rgba(cairo, color->red, color->green, color->blue, alpha);
  cairo_mask_surface(cairo, plane.get(), box->x - offsetOnTarget.x, box->y - offsetOnTarget.y);
  cairo_restore(cairo);
}

}  // namespace platform::ui
