#pragma once

#include "platform/graphics/Color.h"

namespace vantile::settings {

// The screen's background and a locked axis's label.
constexpr platform::graphics::Color moveThemeGrey() { return {50.0 / 255, 50.0 / 255, 50.0 / 255, 1}; }
// A free axis's label and the other buttons.
constexpr platform::graphics::Color moveThemeBlack() { return {0, 0, 0, 1}; }

}  // namespace vantile::settings
