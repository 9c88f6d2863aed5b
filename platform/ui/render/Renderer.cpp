#include "platform/ui/render/Renderer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/layers/EmitterLayer.h"
#include "platform/ui/layers/GradientLayer.h"
#include "platform/ui/layers/ReplicatorLayer.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/render/CairoHandles.h"
#include "platform/ui/render/DrawingContext.h"
#include "platform/ui/render/EmitterDrawing.h"
#include "platform/ui/render/LayerKindDrawing.h"
#include "platform/ui/render/LayerShadow.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

using graphics::AffineTransform;
using graphics::Image;
using graphics::Rect;
using graphics::Size;

namespace {

// Where the presentation values put the layer's bounds space in its superlayer's.
std::optional<cairo_matrix_t> placementOf(const LayerProperties& p) {
  const double anchorX = p.bounds.x() + p.anchorPoint.x * p.bounds.width();
  const double anchorY = p.bounds.y() + p.anchorPoint.y * p.bounds.height();
  const AffineTransform t = AffineTransform::translation(-anchorX, -anchorY)
                                .concat(p.transform)
                                .concat(AffineTransform::translation(p.position.x, p.position.y));
  // A collapsed or broken transform shows nothing, and would put Cairo in an error state.
  if (!t.isFinite() || !t.inverted()) return std::nullopt;
  cairo_matrix_t matrix;
  cairo_matrix_init(&matrix, t.a, t.b, t.c, t.d, t.tx, t.ty);
  return matrix;
}

bool isVisible(const LayerProperties& p) { return !p.hidden && p.opacity > 0; }

}  // namespace

void Renderer::drawLayer(const Layer& layer) {
  const LayerProperties properties = layer.presentationProperties();
  if (!isVisible(properties)) return;
  const std::optional<cairo_matrix_t> placement = placementOf(properties);
  if (!placement) return;
  if (layer.compositingFilter() != "xor") {
    drawPlacedLayer(layer, properties, *placement);
    return;
  }
  cairo_push_group(cairo_);
  drawPlacedLayer(layer, properties, *placement);
  cairo_pop_group_to_source(cairo_);
  cairo_save(cairo_);
  cairo_set_operator(cairo_, CAIRO_OPERATOR_XOR);
  cairo_paint(cairo_);
  cairo_restore(cairo_);
}

void Renderer::drawRootLayer(const Layer& layer) {
  const LayerProperties properties = layer.presentationProperties();
  if (!isVisible(properties)) return;
  cairo_matrix_t placement;
  cairo_matrix_init_translate(&placement, -properties.bounds.x(), -properties.bounds.y());
  drawPlacedLayer(layer, properties, placement);
}

void Renderer::drawPlacedLayer(const Layer& layer, const LayerProperties& properties, const cairo_matrix_t& placement) {
  cairo_matrix_t superlayerSpace;
  cairo_get_matrix(cairo_, &superlayerSpace);
  // A mask cuts the layer's shadow too, so a masked layer's shadow goes into its group.
  const bool masked = layer.mask() != nullptr;
  const bool shadowed = castsShadow(properties);
  if (shadowed && !masked) drawShadow(layer, properties, superlayerSpace, placement, properties.opacity);
  cairo_save(cairo_);
  cairo_transform(cairo_, &placement);
  if (!masked) {
    drawWithOpacity(layer, properties);
  } else {
    cairo_push_group(cairo_);
    if (shadowed) drawShadow(layer, properties, superlayerSpace, placement, 1);
    drawBody(layer, properties, 1);
    CairoPatternHandle content(cairo_pop_group(cairo_));
    drawThroughMask(*layer.mask(), content.get(), properties.opacity);
  }
  cairo_restore(cairo_);
}

void Renderer::drawWithOpacity(const Layer& layer, const LayerProperties& properties) {
  // A leaf multiplies its opacity into what it paints; anything with parts that overlap is
  // drawn whole first, so the parts do not show through one another.
  if (properties.opacity >= 1 || layer.sublayers().empty()) {
    drawBody(layer, properties, properties.opacity);
    return;
  }
  cairo_push_group(cairo_);
  drawBody(layer, properties, 1);
  cairo_pop_group_to_source(cairo_);
  cairo_paint_with_alpha(cairo_, properties.opacity);
}

void Renderer::drawThroughMask(const Layer& mask, cairo_pattern_t* content, double opacity) {
  // The mask sits in this layer's bounds space, as a sublayer would; its opacity and the
  // layer's own both scale the mask's alpha.
  cairo_push_group(cairo_);
  cairo_push_group(cairo_);
  drawLayer(mask);
  cairo_pop_group_to_source(cairo_);
  cairo_paint_with_alpha(cairo_, opacity);
  CairoPatternHandle maskPattern(cairo_pop_group(cairo_));
  cairo_set_source(cairo_, content);
  cairo_mask(cairo_, maskPattern.get());
}

void Renderer::drawShadow(const Layer& layer, const LayerProperties& properties, const cairo_matrix_t& superlayerSpace,
                          const cairo_matrix_t& placement, double opacity) {
  cairo_save(cairo_);
  cairo_set_matrix(cairo_, &superlayerSpace);
  // The shadow is cast by what the layer paints whole, before its opacity; its own
  // masksToBounds clips only what it holds, never the shadow.
  drawLayerShadow(cairo_, properties, opacity, [&](cairo_t* recorder) {
    cairo_transform(recorder, &placement);
    Renderer(recorder).drawBody(layer, properties, 1);
  });
  cairo_restore(cairo_);
}

void Renderer::drawBody(const Layer& layer, const LayerProperties& properties, double alpha) {
  const Rect& bounds = properties.bounds;
  DrawingContext context(cairo_, alpha);
  if (properties.backgroundColor) {
    context.fillRoundedRect(bounds, properties.cornerRadius, *properties.backgroundColor);
  }
  if (const auto& pattern = layer.backgroundPattern()) {
    cairo_new_path(cairo_);
    context.addRoundedRect(bounds, properties.cornerRadius);
    context.fillPathWithPattern(*pattern, bounds.origin);
  }

  cairo_save(cairo_);
  if (properties.masksToBounds) {
    cairo_new_path(cairo_);
    context.addRoundedRect(bounds, properties.cornerRadius);
    cairo_clip(cairo_);
  }
  if (const auto* gradient = dynamic_cast<const GradientLayer*>(&layer)) {
    drawGradient(context, *gradient, bounds, properties.cornerRadius);
  } else if (const auto* shape = dynamic_cast<const ShapeLayer*>(&layer)) {
    drawShape(context, *shape);
  }
  if (const auto* emitter = dynamic_cast<const EmitterLayer*>(&layer)) {
    drawParticles(context, *emitter);
  }
  if (const std::optional<Image> contents = layer.presentationContents()) {
    context.drawImage(*contents, contentRect(layer.contentsGravity(), contents->size(), bounds));
  }
  if (const std::shared_ptr<const LayerDelegate> delegate = layer.delegate()) {
    cairo_save(cairo_);
    delegate->drawLayer(layer, context);
    cairo_restore(cairo_);
  }
  drawSublayers(layer);
  cairo_restore(cairo_);

  drawBorder(properties, alpha);
}

void Renderer::drawSublayers(const Layer& layer) {
  const auto* replicator = dynamic_cast<const ReplicatorLayer*>(&layer);
  const std::size_t instances = replicator ? replicator->instanceCount() : 1;
  cairo_save(cairo_);
  for (std::size_t instance = 0; instance < instances; ++instance) {
    if (instance > 0) {
      const AffineTransform& t = replicator->instanceTransform();
      cairo_matrix_t step;
      cairo_matrix_init(&step, t.a, t.b, t.c, t.d, t.tx, t.ty);
      cairo_transform(cairo_, &step);
    }
    for (const std::shared_ptr<Layer>& sublayer : layer.sublayers()) {
      drawLayer(*sublayer);
    }
  }
  cairo_restore(cairo_);
}

void Renderer::drawBorder(const LayerProperties& properties, double alpha) {
  const double width = std::min(properties.borderWidth,
                                std::min(properties.bounds.width(), properties.bounds.height()) / 2);
  if (!properties.borderColor || !(width > 0)) return;
  // Stroked along a rectangle half a line inside, so the whole line lies within the bounds.
  const Rect& bounds = properties.bounds;
  const Rect inset{bounds.x() + width / 2, bounds.y() + width / 2, bounds.width() - width,
                   bounds.height() - width};
  DrawingContext context(cairo_, alpha);
  cairo_new_path(cairo_);
  context.addRoundedRect(inset, std::max(0.0, properties.cornerRadius - width / 2), width);
  cairo_set_line_width(cairo_, width);
  context.setSourceColor(*properties.borderColor);
  cairo_stroke(cairo_);
}

std::optional<Image> renderLayerTree(const Layer& layer, Size size, double scale) {
  const double pixelWidth = std::ceil(size.width * scale);
  const double pixelHeight = std::ceil(size.height * scale);
  if (!std::isfinite(pixelWidth) || !std::isfinite(pixelHeight) || !(scale > 0) || pixelWidth < 1 ||
      pixelHeight < 1) {
    foundation::systemLog("Renderer: refusing to render " + std::to_string(size.width) + " x " +
                          std::to_string(size.height) + " points at scale " + std::to_string(scale));
    return std::nullopt;
  }
  if (!graphics::isAcceptableImageSize(static_cast<std::int64_t>(pixelWidth), static_cast<std::int64_t>(pixelHeight),
                                       "Renderer")) {
    return std::nullopt;
  }
  const int width = static_cast<int>(pixelWidth);
  const int height = static_cast<int>(pixelHeight);
  // Cairo draws straight into the pixels the image then takes over.
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  {
    CairoSurfaceHandle surface(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels.data()),
                                                                   CAIRO_FORMAT_ARGB32, width, height, width * 4));
    CairoHandle cairo(cairo_create(surface.get()));
    cairo_scale(cairo.get(), scale, scale);
    Renderer(cairo.get()).drawRootLayer(layer);
    cairo_surface_flush(surface.get());
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS) {
      foundation::systemLog(std::string("Renderer: drawing failed: ") + cairo_status_to_string(cairo_status(cairo.get())));
      return std::nullopt;
    }
  }
  return Image::fromPremultipliedARGB(width, height, std::move(pixels), scale);
}

std::optional<Image> snapshot(const View& view, std::optional<double> scale) {
  return renderLayerTree(*view.layer(), view.bounds().size, scale.value_or(Screen::mainScreen().scale()));
}

}  // namespace platform::ui
