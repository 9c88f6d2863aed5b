#include "ScreenComposition.h"

#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/Files.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"

namespace vantile::springboard {

namespace {

std::shared_ptr<platform::ui::View> makeWallpaper(const ScreenKind& kind, const platform::graphics::Rect& bounds) {
  const auto file = platform::foundation::devicePath(kind.wallpaperPath);
  if (platform::foundation::fileExists(file)) {
    if (auto picture = platform::graphics::decodeImageFile(file)) {
      auto wallpaper = platform::ui::ImageView::make(bounds);
      wallpaper->setContentMode(platform::ui::ContentMode::scaleAspectFill);
      wallpaper->setClipsToBounds(true);
      wallpaper->setImage(std::move(picture));
      return wallpaper;
    }
  }
  auto wallpaper = platform::ui::View::make(bounds);
  wallpaper->setBackgroundColor(kind.wallpaperColor);
  return wallpaper;
}

}  // namespace

std::shared_ptr<platform::ui::Window> composeScreen(const ScreenKind& kind,
                                                    const std::shared_ptr<platform::ui::View>& themeRoot) {
  const platform::graphics::Rect bounds = platform::ui::Screen::mainScreen().bounds();
  auto window = platform::ui::Window::make(bounds);
  window->addSubview(makeWallpaper(kind, bounds));
  if (themeRoot) {
    themeRoot->setTag(kind.rootTag);
    window->addSubview(themeRoot);
  }
  return window;
}

}  // namespace vantile::springboard
