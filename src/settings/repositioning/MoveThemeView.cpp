#include "settings/repositioning/MoveThemeView.h"

#include "controller/ControllerClass.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "settings/repositioning/MoveThemeStyle.h"

namespace vantile::settings {

namespace {

namespace objc = platform::objc;
namespace ui = platform::ui;
using platform::graphics::Rect;

constexpr std::string_view kSettingsDomain = "com.kestrune.vantile";
constexpr std::string_view kThemesFolder = "/var/mobile/Library/Vantile/themes/";

std::string wallpaperPath(std::string_view location) {
  return location == MoveThemeView::homescreen ? "/var/mobile/Library/VantileAssets/homewall.png"
                                               : "/var/mobile/Library/VantileAssets/lockwall.png";
}

std::string themePathForKey(std::string_view key) {
  const auto value = platform::foundation::PreferenceDomain(std::string(kSettingsDomain)).valueForKey(key);
  if (!value || !value->is_string()) return "none";
  return std::string(kThemesFolder) + value->get<std::string>();
}

}  // namespace

MoveThemeView& MoveThemeView::sharedInstance() {
  static const auto view = std::make_shared<MoveThemeView>(ConstructionKey{});
  return *view;
}

MoveThemeView::MoveThemeView(ConstructionKey key) : View(key, Rect{}) {}

std::shared_ptr<ui::View> MoveThemeView::setupMoveThemeView(const std::shared_ptr<ui::View>& parentView,
                                                            std::string_view location) {
  lockX_ = true;
  lockY_ = false;
  location_ = std::string(location);
  return setupForTweak(parentView, location);
}

std::shared_ptr<ui::View> MoveThemeView::setupForTweak(const std::shared_ptr<ui::View>& parentView,
                                                       std::string_view location) {
  const Rect screen = ui::Screen::mainScreen().bounds();
  const Rect full{0, 0, static_cast<float>(screen.size.width), static_cast<float>(screen.size.height)};
  auto container = ui::View::make(full);
  container->setBackgroundColor(moveThemeGrey());

  auto themeView = themeViewFromController(location);

  auto holder = ui::View::make(full);
  auto wallpaper = ui::ImageView::make(holder->frame());
  wallpaper->setImage(platform::graphics::decodeImageFile(platform::foundation::devicePath(wallpaperPath(location))));
  holder->addSubview(wallpaper);
  if (themeView) holder->addSubview(themeView);
  holder->setBackgroundColor(moveThemeGrey());
  container->addSubview(holder);

  if (themeView) {
    themeView->setUserInteractionEnabled(true);
    themeView->addGestureRecognizer(ui::PanGestureRecognizer::make([](ui::GestureRecognizer& recognizer) {
      sharedInstance().panWasRecognized(recognizer);
    }));
  }
  parentView_ = parentView;
  snapShot_ = themeView;
  container->addSubview(createButtonHolder());
  return container;
}

std::string MoveThemeView::getCurrentThemePathforLocation(std::string_view location) {
  if (location == homescreen) return themePathForKey("SB_VantileTheme");
  if (location == lockscreen) return themePathForKey("VantileTheme");
  return "";
}

std::shared_ptr<ui::View> MoveThemeView::themeViewFromController(std::string_view location) const {
  objc::Class* controllerClass = objc::getClass(controller_class::kClassName);
  if (controllerClass == nullptr) {
    platform::foundation::systemLog("MoveThemeView: no theme controller in this process, so no theme to move");
    return nullptr;
  }
  const auto controller = objc::send<controller_class::SharedInstance>(*controllerClass, "sharedInstance");
  return objc::send<controller_class::CreateViewFromTheme>(controller.get(), "createViewFromTheme:type:",
                                                           getCurrentThemePathforLocation(location),
                                                           std::string(location));
}

}  // namespace vantile::settings
