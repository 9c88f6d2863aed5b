#pragma once

#include <memory>
#include <string_view>

#include "platform/graphics/Color.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// Which of the two wallpapers.
enum class WallpaperVariant { lockScreen, homeScreen };

// The device folder's picture for the variant ("/var/mobile/Library/SpringBoard/LockBackground.png"
// or "HomeBackground.png"), filling `bounds`; a plain colour when there is none or it cannot be
// read.
std::shared_ptr<ui::View> makeWallpaperView(WallpaperVariant variant, const graphics::Rect& bounds);

}  // namespace platform::springboard
