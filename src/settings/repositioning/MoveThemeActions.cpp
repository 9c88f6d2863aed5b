#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/views/Window.h"
#include "settings/repositioning/MoveThemeStyle.h"
#include "settings/repositioning/MoveThemeView.h"

namespace vantile::settings {

namespace {

namespace ui = platform::ui;
using platform::graphics::Point;

constexpr std::string_view kSettingsDomain = "com.kestrune.vantile";
constexpr std::string_view kLockOn = "on";
constexpr std::string_view kNoThemeMessage =
    "There is no theme to move: the theme controller of the tweak is not loaded in Settings.";

}  // namespace

void MoveThemeView::panWasRecognized(ui::GestureRecognizer& recognizer) {
  auto* pan = dynamic_cast<ui::PanGestureRecognizer*>(&recognizer);
  if (pan == nullptr || !snapShot_) return;
  const auto superview = snapShot_->superview();
  const auto translation = pan->translationInView(superview.get());
  if (!translation) return;
  const Point centre = snapShot_->center();
  const float x = static_cast<float>(lockX_ ? centre.x : centre.x + translation->x);
  const float y = static_cast<float>(lockY_ ? centre.y : centre.y + translation->y);
  snapShot_->setCenter(Point{x, y});
  pan->setTranslation(Point{0, 0}, superview.get());
}

// The label's state after the tap: locked when it was anything but "on".
bool MoveThemeView::toggleLock(ui::GestureRecognizer& recognizer) {
  const auto label = recognizer.view();
  if (!label) return false;
  const auto& state = label->layer()->name();
  const bool locked = !(state && *state == kLockOn);
  label->setBackgroundColor(locked ? moveThemeGrey() : moveThemeBlack());
  label->layer()->setName(locked ? "on" : "off");
  return locked;
}

void MoveThemeView::lockX(ui::GestureRecognizer& recognizer) { lockX_ = toggleLock(recognizer); }

void MoveThemeView::lockY(ui::GestureRecognizer& recognizer) { lockY_ = toggleLock(recognizer); }

void MoveThemeView::reset(ui::GestureRecognizer&) {
  if (!snapShot_) return;
  auto frame = snapShot_->frame();
  frame.origin = Point{0, 0};
  snapShot_->setFrame(frame);
}

void MoveThemeView::apply(ui::GestureRecognizer&) {
  if (!snapShot_) {
    platform::foundation::systemLog("MoveThemeView: nothing applied, there is no theme view to take a position from");
    showAlert(std::string(kNoThemeMessage), false);
    return;
  }
  const auto origin = snapShot_->frame().origin;
  storeOffsets(Point{static_cast<float>(origin.x), static_cast<float>(origin.y)});
  const bool home = location_ == homescreen;
  platform::foundation::DarwinNotificationCenter::shared().post(home ? "com.kestrune.vantile/movedThemeSB"
                                                                     : "com.kestrune.vantile/movedThemeLS");
  if (home) {
    showSBAppliedAlert();
  } else {
    showLSAppliedAlert();
  }
}

// The domain's file is the settings store the tweak reads; a missing one is created.
void MoveThemeView::storeOffsets(Point origin) const {
  const bool home = location_ == homescreen;
  const platform::foundation::PreferenceDomain settings{std::string(kSettingsDomain)};
  const double x = static_cast<float>(origin.x);
  const double y = static_cast<float>(origin.y);
  if (!settings.setValueForKey(home ? "sbthemexaxis" : "lsthemexaxis", x) ||
      !settings.setValueForKey(home ? "sbthemeyaxis" : "lsthemeyaxis", y)) {
    platform::foundation::systemLog("MoveThemeView: the position could not be stored in " + settings.domain());
  }
}

void MoveThemeView::showLSAppliedAlert() { showAlert("Position applied", true); }

void MoveThemeView::showSBAppliedAlert() { showAlert("Position applied, view homescreen to see changes.", false); }

void MoveThemeView::showNotificationCenter() {
  platform::foundation::DarwinNotificationCenter::shared().post("com.kestrune.vantile/openNC");
}

std::shared_ptr<ui::Window> MoveThemeView::keyWindow() { return ui::Application::shared().keyWindow(); }

void MoveThemeView::showAlert(std::string message, bool offersNotificationCenter) {
  const auto window = keyWindow();
  const auto root = window ? window->rootViewController() : nullptr;
  if (!root) {
    platform::foundation::systemLog("MoveThemeView: no key window to show \"" + message + "\" in");
    return;
  }
  auto alert = ui::AlertController::make("Vantile", std::move(message), ui::AlertController::Style::alert);
  alert->addAction({.title = "Ok", .style = ui::AlertAction::Style::normal, .handler = {}});
  if (offersNotificationCenter) {
    alert->addAction({.title = "Show NC",
                      .style = ui::AlertAction::Style::normal,
                      .handler = [] { sharedInstance().showNotificationCenter(); }});
  }
  root->presentViewController(std::move(alert), true);
}

}  // namespace vantile::settings
