#pragma once

namespace vantile::integration {

// Hands the touches the cover sheet's and the icon list's hit tests forward to the theme
// controller, which finds the theme element under them.
void forwardTouchesToController();

}  // namespace vantile::integration
