#pragma once

#include "platform/graphics/Color.h"

namespace vantile::bulk_palette {

// The editor's dark palette as the bulk creator's sheet and rows use it.
inline constexpr platform::graphics::Color kBackground{26.0 / 255, 26.0 / 255, 26.0 / 255, 1};
inline constexpr platform::graphics::Color kControl{50.0 / 255, 50.0 / 255, 50.0 / 255, 1};
inline constexpr platform::graphics::Color kWhite{1, 1, 1, 1};
inline constexpr platform::graphics::Color kLightGrey{2.0 / 3, 2.0 / 3, 2.0 / 3, 1};

}  // namespace vantile::bulk_palette
