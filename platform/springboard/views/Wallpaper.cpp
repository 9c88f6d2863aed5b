#include "platform/springboard/views/Wallpaper.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/springboard/views/StockView.h"

namespace platform::springboard {

namespace {

constexpr std::string_view kLockWallpaper = "/var/mobile/Library/SpringBoard/LockBackground.png";
constexpr std::string_view kHomeWallpaper = "/var/mobile/Library/SpringBoard/HomeBackground.png";
constexpr graphics::Color kLockColor{0.08, 0.10, 0.18, 1};
constexpr graphics::Color kHomeColor{0.10, 0.16, 0.20, 1};

}  // namespace

std::shared_ptr<ui::View> makeWallpaperView(WallpaperVariant variant, const graphics::Rect& bounds) {
  const bool lock = variant == WallpaperVariant::lockScreen;
  auto wallpaper = StockImageView::make("SBFStaticWallpaperView", bounds);
  wallpaper->setContentMode(ui::ContentMode::scaleAspectFill);
  wallpaper->setClipsToBounds(true);
  const auto file = foundation::devicePath(lock ? kLockWallpaper : kHomeWallpaper);
  if (foundation::fileExists(file)) {
    if (auto picture = graphics::decodeImageFile(file)) {
      wallpaper->setImage(std::move(picture));
      return wallpaper;
    }
    foundation::systemLog("SpringBoard: the wallpaper " + file.string() + " is no picture, showing a plain colour");
  }
  wallpaper->setBackgroundColor(lock ? kLockColor : kHomeColor);
  return wallpaper;
}

}  // namespace platform::springboard
