#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/graphics/Color.h"
#include "platform/ui/views/View.h"
#include "platform/ui/views/Window.h"

namespace vantile::springboard {

// One of SpringBoard's two screens as the host shows it.
struct ScreenKind {
  // The controller's location, "lockscreen" or "homescreen".
  std::string_view location;
  // The fixed tag SpringBoard gives the theme's root view.
  std::int64_t rootTag;
  // A picture of the device folder shown under the theme, when there is one.
  std::string_view wallpaperPath;
  platform::graphics::Color wallpaperColor;
};

inline constexpr ScreenKind kLockScreen{
    "lockscreen", 8945, "/var/mobile/Library/SpringBoard/LockBackground.png", {0.08, 0.10, 0.18, 1}};
inline constexpr ScreenKind kHomeScreen{
    "homescreen", 8955, "/var/mobile/Library/SpringBoard/HomeBackground.png", {0.10, 0.16, 0.20, 1}};

// A window of the main screen's size: the wallpaper (picture or colour), then the theme's
// root view, tagged, on top.
std::shared_ptr<platform::ui::Window> composeScreen(const ScreenKind& kind,
                                                    const std::shared_ptr<platform::ui::View>& themeRoot);

}  // namespace vantile::springboard
