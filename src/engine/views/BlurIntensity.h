#pragma once

namespace platform::ui {
class BlurView;
}

// The blur radius of a blur view, kept where the platform keeps it: the "inputRadius" of the
// "gaussianBlur" filter of its effect, which its backdrop applies.
namespace vantile {

// The radius of the backdrop's first "gaussianBlur" filter; 0 when there is none.
float intensity(const platform::ui::BlurView& view);

// Asks the view's effect for the radius (no clamping: the renderer draws a radius below 0 as
// no blur) and applies it. Nothing changes when the effect has no "gaussianBlur" filter; a
// filter without "inputRadius" is logged as "Not supported effect.".
void setIntensity(platform::ui::BlurView& view, float value);

}  // namespace vantile
