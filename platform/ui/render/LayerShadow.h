#pragma once

#include <cairo.h>

#include <functional>

#include "platform/ui/layers/LayerProperties.h"

namespace platform::ui {

// Whether the layer's shadow shows at all (a colour with alpha, and some opacity).
bool castsShadow(const LayerProperties& properties);

// The layer's shadow, drawn below it: the alpha of everything `paintLayer` paints into the
// context it is given (whose user space is the superlayer's, as `cairo`'s is), blurred by
// shadowRadius (twice the blur's standard deviation), moved by shadowOffset and tinted with
// shadowColor at shadowOpacity. Offset and radius are in the superlayer's space, so a turned
// layer's shadow still falls along the superlayer's axes. `opacity` is the layer's own,
// multiplied in. Only the part that can land inside `cairo`'s clip is painted and blurred.
void drawLayerShadow(cairo_t* cairo, const LayerProperties& properties, double opacity,
                     const std::function<void(cairo_t*)>& paintLayer);

}  // namespace platform::ui
