#pragma once

#include "platform/ui/render/DrawingContext.h"
#include "platform/ui/layers/GradientLayer.h"
#include "platform/ui/layers/ShapeLayer.h"

namespace platform::ui {

// What gradient and shape layers draw over their background, in their bounds space.

// The axial gradient over the bounds, inside the rounded corners.
void drawGradient(DrawingContext& context, const GradientLayer& layer, const graphics::Rect& bounds,
                  double cornerRadius);

// The path filled, then the part of it between strokeStart and strokeEnd (fractions of its
// length) stroked.
void drawShape(DrawingContext& context, const ShapeLayer& layer);

}  // namespace platform::ui
