#pragma once

#include <cairo.h>

#include "platform/ui/Layer.h"

namespace platform::ui {

// The layer's shadow, drawn below it in its bounds space: the rounded rectangle of its
// background, or the alpha of its contents when it has contents, or of its background and
// path for a shape layer (near its bounds: within three blur widths), moved by shadowOffset and
// blurred by shadowRadius (twice the blur's standard deviation). Nothing when the layer has
// neither, or the shadow is invisible. `opacity` is the layer's own, multiplied in.
void drawLayerShadow(cairo_t* cairo, const Layer& layer, const LayerProperties& properties, double opacity);

}  // namespace platform::ui
