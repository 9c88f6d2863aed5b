#pragma once

#include "platform/graphics/Color.h"

namespace vantile::editor_palette {

// The editor's dark palette, shared by the canvas and every panel it opens.
inline constexpr platform::graphics::Color kPanel{26.0 / 255, 26.0 / 255, 26.0 / 255, 1};
// Title and icon bars, grids and separators, a shade below the panels.
inline constexpr platform::graphics::Color kBar{20.0 / 255, 20.0 / 255, 20.0 / 255, 1};
// Buttons and the canvas backdrop, a shade above the panels.
inline constexpr platform::graphics::Color kRaised{50.0 / 255, 50.0 / 255, 50.0 / 255, 1};
inline constexpr platform::graphics::Color kWhite{1, 1, 1, 1};
inline constexpr platform::graphics::Color kLightGrey{2.0 / 3, 2.0 / 3, 2.0 / 3, 1};

}  // namespace vantile::editor_palette
