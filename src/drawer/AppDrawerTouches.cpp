// What the drawer does when touched: taps on icons and the bottom band, long presses with the
// app options sheet, the gear menu, and closing.
#include <algorithm>

#include "drawer/AppDrawerViewController.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"

namespace vantile {

namespace ui = platform::ui;
using State = ui::GestureRecognizer::State;

namespace {

constexpr double kBottomBand = 80;

// The bundle identifier a touched icon cell carries; nothing for any other view.
std::optional<std::string> appNameOf(const std::shared_ptr<ui::View>& view) {
  if (!view || !view->layer()->name() || view->layer()->name()->empty()) return std::nullopt;
  return view->layer()->name();
}

void presentFromKeyWindow(const std::shared_ptr<ui::AlertController>& alert) {
  const auto window = AppDrawerViewController::keyWindow();
  if (!window || !window->rootViewController()) return;
  window->rootViewController()->presentViewController(alert, true);
}

}  // namespace

void AppDrawerViewController::handleTap(ui::GestureRecognizer& tap) {
  const auto view = tap.view();
  if (!view) return;
  const auto location = tap.locationInView(view.get());
  if (!location) return;
  if (const auto app = appNameOf(view->hitTest(*location))) {
    openApp(*app);
    return;
  }
  if (!lastLetter.empty()) {
    closePopup();
    lastLetter.clear();
    return;
  }
  if (location->y >= static_cast<int>(ui::Screen::mainScreen().bounds().height()) - kBottomBand) closeDrawer();
}

void AppDrawerViewController::longPress(ui::GestureRecognizer& press) {
  if (press.state() != State::began) return;
  const auto view = press.view();
  if (!view) return;
  const auto location = press.locationInView(view.get());
  if (!location) return;
  if (const auto app = appNameOf(view->hitTest(*location))) showAppOptionSheet(*app);
}

void AppDrawerViewController::openApp(const std::string& bundleIdentifier) {
  if (!completionBlock) return;
  const auto keepAlive = shared_from_this();
  drawerOpen = false;
  completionBlock(bundleIdentifier);
  removeFromSuperview();
}

void AppDrawerViewController::closeDrawer() {
  auto& queue = platform::foundation::MainQueue::shared();
  const double removalAt = queue.now() + removalDelay;
  const auto weak = weakSelf();
  ui::ViewAnimationOptions linear;
    linear.curve = ui::ViewAnimationOptions::Curve::linear;
  ui::View::animate(
      fadeDuration, 0, linear, [this] { setAlpha(0); },
      // Interrupted or not, the drawer goes: an invisible open drawer would block every swipe.
      [weak, removalAt](bool) {
        auto& mainQueue = platform::foundation::MainQueue::shared();
        mainQueue.postAfter(std::max(0.0, removalAt - mainQueue.now()), [weak] {
          if (const auto self = weak.lock()) {
            self->removeFromSuperview();
            self->setDrawerOpen(false);
          }
        });
      });
}

void AppDrawerViewController::showAppOptionSheet(const std::string& bundleIdentifier) {
  auto sheet = ui::AlertController::make("App Options", std::nullopt, ui::AlertController::Style::actionSheet);
  const auto weak = weakSelf();
  std::string deleteTitle = "Delete ";
  deleteTitle += bundleIdentifier;
  sheet->addAction({deleteTitle, ui::AlertAction::Style::normal, [weak, bundleIdentifier] {
                      if (const auto self = weak.lock()) {
                        const bool deleted = self->uninstallApp(bundleIdentifier);
                        self->deletedMessage(deleted, bundleIdentifier);
                      }
                    }});
  sheet->addAction({segmentSelection == 1 ? "Remove from favorites" : "Add to favorites", ui::AlertAction::Style::normal,
                    [weak, bundleIdentifier] {
                      const auto self = weak.lock();
                      if (!self) return;
                      if (self->segmentSelection == 1) {
                        self->removeAppFromFavorites(bundleIdentifier);
                      } else {
                        self->addAppToFavorites(bundleIdentifier);
                      }
                    }});
  sheet->addAction({"Cancel", ui::AlertAction::Style::normal, {}});
  presentFromKeyWindow(sheet);
}

void AppDrawerViewController::deletedMessage(bool deleted, const std::string&) {
  auto alert = ui::AlertController::make("Vantile", deleted ? "App Deleted." : "App could not be deleted.",
                                         ui::AlertController::Style::alert);
  alert->addAction({"Ok", ui::AlertAction::Style::normal, {}});
  presentFromKeyWindow(alert);
}

void AppDrawerViewController::openSettings(ui::GestureRecognizer&) {
  auto sheet = ui::AlertController::make("Settings", std::nullopt, ui::AlertController::Style::actionSheet);
  const auto weak = weakSelf();
  sheet->addAction({"Vantile Settings", ui::AlertAction::Style::normal, [weak] {
                      if (const auto self = weak.lock()) self->setDrawerOpen(false);
                      platform::foundation::DarwinNotificationCenter::shared().post("com.kestrune.vantile/openSettings");
                    }});
  sheet->addAction({"Drawer Settings", ui::AlertAction::Style::normal, [weak] {
                      if (const auto self = weak.lock()) self->loadDrawerSettings(false);
                    }});
  sheet->addAction({"Reset Drawer Colors", ui::AlertAction::Style::normal, [weak] {
                      if (const auto self = weak.lock()) self->resetDrawerColors();
                    }});
  sheet->addAction({"Cancel", ui::AlertAction::Style::normal, {}});
  presentFromKeyWindow(sheet);
}

void AppDrawerViewController::resetDrawerColors() {
  const auto defaults = platform::foundation::UserDefaults::standard();
  for (const char* key : {"segmentHighTextColor", "segmentTextColor", "segHighBackColor", "segBackColor",
                          "appBadgeTextColor", "appBadgeBGColor", "appLabelColor", "shortcutAppLabelColor",
                          "shortcutLetterColor", "shortcutBackgroundColor", "backgroundColor"}) {
    defaults.removeObject(key);
  }
  const auto keepAlive = shared_from_this();
  removeFromSuperview();
  drawerOpen = false;
  defaults.synchronize();
}

}  // namespace vantile
