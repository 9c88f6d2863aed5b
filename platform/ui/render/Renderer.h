#pragma once

#include <cairo.h>

#include <optional>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/ui/layers/Layer.h"

namespace platform::ui {

class View;

// Draws layer trees with Cairo, from each layer's presentation values: placement (position,
// bounds, anchor point, transform), opacity (a layer with sublayers or a mask is composited
// as a group), the shadow of all it paints, background colour and pattern, gradient or shape,
// an emitter's particles, contents with their gravity, the delegate's content, sublayers (each copy of a replicator's;
// clipped to the rounded bounds with masksToBounds), the border inside the bounds, then the mask
// over all of it.
class Renderer {
 public:
  // Draws into the context, whose user space is the superlayer's bounds space.
  explicit Renderer(cairo_t* cairo) : cairo_(cairo) {}

  // The layer placed in its superlayer.
  void drawLayer(const Layer& layer);
  // The layer in its own bounds space, ignoring where it sits in a superlayer (the root of
  // a picture).
  void drawRootLayer(const Layer& layer);

 private:
  // From the superlayer's space, which `placement` takes to the layer's bounds space.
  void drawPlacedLayer(const Layer& layer, const LayerProperties& properties, const cairo_matrix_t& placement);
  void drawShadow(const Layer& layer, const LayerProperties& properties, const cairo_matrix_t& superlayerSpace,
                  const cairo_matrix_t& placement, double opacity);
  // Opacity multiplied in, or applied to the layer drawn whole.
  void drawWithOpacity(const Layer& layer, const LayerProperties& properties);
  // The content (in the layer's bounds space) where the mask layer paints.
  void drawThroughMask(const Layer& mask, cairo_pattern_t* content, double opacity);
  void drawBody(const Layer& layer, const LayerProperties& properties, double alpha);
  // Every instance of the sublayers (a replicator draws several).
  void drawSublayers(const Layer& layer);
  void drawBorder(const LayerProperties& properties, double alpha);

  cairo_t* cairo_;
};

// The layer tree in the layer's bounds space, `size` points at `scale` pixels per point,
// on a transparent image. Nothing (and a log line) for an empty, non-finite or too large size.
std::optional<graphics::Image> renderLayerTree(const Layer& layer, graphics::Size size, double scale);

// The view and its subviews as they show in its bounds, at the screen's scale by default.
std::optional<graphics::Image> snapshot(const View& view, std::optional<double> scale = std::nullopt);

}  // namespace platform::ui
