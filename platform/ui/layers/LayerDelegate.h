#pragma once

namespace platform::ui {

class DrawingContext;
class Layer;

// What a layer draws besides its own properties: a view with content (a label, an image view)
// draws itself inside its layer's bounds, above the background and below the sublayers.
class LayerDelegate {
 public:
  virtual ~LayerDelegate() = default;
  virtual void drawLayer(const Layer& layer, DrawingContext& context) const = 0;
};

}  // namespace platform::ui
