#pragma once

#include "platform/ui/layers/EmitterLayer.h"
#include "platform/ui/render/DrawingContext.h"

namespace platform::ui {

// The emitter's particles at the main queue's current time, in its bounds space: each cell's
// contents tinted by its colour, turned, scaled and centred on the particle, at the particle's
// opacity; added onto what is below in the additive render mode.
void drawParticles(DrawingContext& context, const EmitterLayer& layer);

}  // namespace platform::ui
