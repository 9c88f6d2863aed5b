#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/graphics/Geometry.h"

namespace platform::ui {
class GestureRecognizer;
class View;
}  // namespace platform::ui

namespace vantile {

class VantileController;

// How touches reach theme elements: the tap recognisers of "actions", the app icons' tap and
// long press, and the touches SpringBoard forwards from the empty parts of its screens.
class TouchRouting {
 public:
  explicit TouchRouting(VantileController& controller) : controller_(controller) {}

  // At most one tap recogniser: the one of the last action word the value contains.
  void enableActionsForView(const std::shared_ptr<platform::ui::View>& view, const std::string& actions);
  // The lock screen: the element under the point (less the theme's offset) runs its exact
  // action word, with animations, and opens its "bundleID" app, unlocking first.
  void checkLSTouch(platform::graphics::Point point, platform::graphics::Point offset);
  // The home screen: the same, opening a "bundleID" app at once.
  void checkSBTouch(platform::graphics::Point point, platform::graphics::Point offset);
  std::string getLSElementNameFromTag(std::string_view tagText) const;
  std::string getSBElementNameFromTag(std::string_view tagText) const;
  // The tapped home-screen element's animation.
  void sbAnimation(const platform::ui::GestureRecognizer& recognizer);
  // Opens the app named by the tapped icon view's layer name.
  static void launchApp(const platform::ui::GestureRecognizer& recognizer);
  // At the start of a long press: the app drawer as a chooser over the icon's own screen; the
  // app chosen goes into the icon and into that screen's theme file.
  void changeApp(const platform::ui::GestureRecognizer& recognizer);

 private:
  // The icon's app is stored in the theme of the screen it belongs to, then that screen restyled.
  void assignApp(const std::shared_ptr<platform::ui::View>& icon, const std::string& bundleID);

  VantileController& controller_;
};

}  // namespace vantile
