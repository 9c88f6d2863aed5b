#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "platform/graphics/AffineTransform.h"
#include "platform/objc/Messaging.h"
#include "platform/ui/text/Label.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;
using platform::graphics::Color;
using platform::ui::Label;

constexpr double kLockScreenTapInterval = 0.4;
constexpr double kListMoveDuration = 0.2;

void removeSubviewWithTag(View& page, std::int64_t tag) {
  for (const auto& subview : std::vector(page.subviews())) {
    if (subview->tag() == tag) {
      subview->removeFromSuperview();
      return;
    }
  }
}

template <class T>
void removeFromPage(std::shared_ptr<T>& view) {
  if (view) view->removeFromSuperview();
  view.reset();
}

void attachTheme(View& page) {
  TweakState& state = tweakState();
  const TweakSettings& settings = state.settings;
  LockScreenState& lock = state.lockScreen;
  lock.lockScreenThemeAttached = true;

  lock.lockScreenThemeView = state.links.createViewFromTheme(settings.lockScreenThemePath, kLockScreen);
  if (lock.lockScreenThemeView) {
    View& theme = *lock.lockScreenThemeView;
    theme.setTag(kLockScreenThemeTag);
    Rect frame = theme.frame();
    frame.origin.x += settings.lsthemexaxis;
    frame.origin.y += settings.lsthemeyaxis;
    theme.setFrame(frame);
    page.addSubview(lock.lockScreenThemeView);
    page.sendSubviewToBack(theme);
  }
  if (settings.darkoverlay) {
    lock.darkOverlayView = View::make(page.bounds());
    lock.darkOverlayView->setBackgroundColor(Color{0, 0, 0, settings.darkoverlayalpha});
    lock.darkOverlayView->setTag(kDarkOverlayTag);
    page.addSubview(lock.darkOverlayView);
    page.sendSubviewToBack(*lock.darkOverlayView);
  }
  if (settings.enablebatteryanimation) {
    lock.chargingContainerView = View::make(page.bounds());
    lock.chargingContainerView->setBackgroundColor(Color{0, 0, 0, 0});
    lock.chargingContainerView->setTag(kChargingContainerTag);
    lock.chargingContainerView->setAlpha(0);
    lock.chargingContainerView->setUserInteractionEnabled(false);
    page.addSubview(lock.chargingContainerView);
  }
  if (settings.showtimer) {
    lock.timerLabel = Label::make(Rect(page.bounds().width() / 2 - 100, 40, 200, 40));
    lock.timerLabel->setBackgroundColor(Color{0, 0, 0, 1});
    lock.timerLabel->layer()->setCornerRadius(20);
    lock.timerLabel->setClipsToBounds(true);
    lock.timerLabel->setText("");
    lock.timerLabel->setHidden(true);
    lock.timerLabel->setTextAlignment(platform::ui::TextAlignment::center);
    page.addSubview(lock.timerLabel);
    page.sendSubviewToBack(*lock.timerLabel);
  }
  if (settings.enabledlshtml && state.hooks.loadWKService) state.hooks.loadWKService(lock.lockScreenThemeView);
}

}  // namespace

void hook_CSMainPageView_updateForPresentation_(Self& self, ObjectRef presentation) {
  TweakState& state = tweakState();
  LockScreenState& lock = state.lockScreen;
  if (const std::shared_ptr<View> page = viewOf(self)) {
    if (lock.darkOverlayView) lock.darkOverlayView->setBackgroundColor(Color{0, 0, 0, state.settings.darkoverlayalpha});
    if (lock.lockScreenThemeNeedsRebuild || lock.lockScreenOffsetChanged) {
      removeSubviewWithTag(*page, kLockScreenThemeTag);
      removeSubviewWithTag(*page, kDarkOverlayTag);
      // Only the newest timer label and charging container are held, so the old ones go too.
      removeFromPage(lock.timerLabel);
      removeFromPage(lock.chargingContainerView);
      lock.lockScreenThemeNeedsRebuild = false;
      lock.lockScreenThemeAttached = false;
      lock.lockScreenOffsetChanged = false;
    }
    if (!lock.lockScreenThemeAttached && state.settings.enabled) attachTheme(*page);
  }
  state.kept.CSMainPageView_updateForPresentation_(self, std::move(presentation));
}

std::shared_ptr<View> hook_CSCoverSheetViewBase_hitTest_withEvent_(Self& self, Point point, const Event* event) {
  TweakState& state = tweakState();
  std::shared_ptr<View> hit = state.kept.CSCoverSheetViewBase_hitTest_withEvent_(self, point, event);
  const TweakSettings& settings = state.settings;
  if (!settings.enabled || !settings.enablelstouch || !hit || event == nullptr) return hit;
  const auto* hitObject = dynamic_cast<const objc::Object*>(hit.get());
  const bool onList = objc::isKindOfClass(hitObject, "NCNotificationListView") ||
                      objc::isKindOfClass(hitObject, "NCMaterialDisplayingCaptureOnlyViewControllerView");
  LockScreenState& lock = state.lockScreen;
  if (onList && event->timestamp > lock.lastTapTime + kLockScreenTapInterval) {
    lock.lastTapTime = event->timestamp;
    if (state.hooks.checkLSTouch) state.hooks.checkLSTouch(point, event, Point{settings.lsthemexaxis, settings.lsthemeyaxis}, hit);
  }
  return hit;
}

void checkShowingItems() {
  const TweakState& state = tweakState();
  const std::shared_ptr<View>& theme = state.lockScreen.lockScreenThemeView;
  if (!theme || !state.settings.movevantileyaxis) return;
  const double offset = state.lockScreen.listHasContent ? static_cast<double>(state.settings.movevantileyaxisvalue) : 0;
  View::animate(kListMoveDuration, 0, {}, [theme, offset] {
    theme->setTransform(platform::graphics::AffineTransform::translation(0, offset));
  });
}

bool hook_SBCameraHardwareButton__isCoverSheetCameraVisible(Self& self) {
  TweakState& state = tweakState();
  const bool visible = state.kept.SBCameraHardwareButton__isCoverSheetCameraVisible(self);
  if (visible && state.lockScreen.lockScreenThemeView) state.lockScreen.lockScreenThemeView->setHidden(true);
  return visible;
}

void hook_CSCoverSheetViewController__dismissToMainPageFromPageViewController_(Self& self, ObjectRef page) {
  TweakState& state = tweakState();
  if (state.lockScreen.lockScreenThemeView) state.lockScreen.lockScreenThemeView->setHidden(false);
  state.kept.CSCoverSheetViewController__dismissToMainPageFromPageViewController_(self, std::move(page));
}

bool hook_SpringBoard__handlePhysicalButtonEvent_(Self& self, const Event* event) {
  // SpringBoard's press type of the button that brings the main page back.
  constexpr long kMainPagePress = 104;
  TweakState& state = tweakState();
  if (event != nullptr && !event->presses.empty()) {
    const platform::ui::Press& press = event->presses.front();
    if (press.type == kMainPagePress && press.force < 1 && state.lockScreen.lockScreenThemeView) {
      state.lockScreen.lockScreenThemeView->setHidden(false);
    }
  }
  return state.kept.SpringBoard__handlePhysicalButtonEvent_(self, event);
}

}  // namespace vantile::integration
