#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "integration/charging/ChargingAnimation.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/SharedObject.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;
using platform::foundation::MainQueue;

constexpr double kChargingAfterWakeDelay = 0.1;
constexpr double kTimeAfterLaunchDelay = 0.5;
// SpringBoard's control-centre presentation state after which the home screen is refreshed.
constexpr std::int64_t kControlCenterState = 3;

void timeUpdated(const char* location) { tweakState().links.timeUpdated(location); }
void fastUpdate(const char* location) { tweakState().links.fastUpdate(location); }

void fastUpdateBoth() {
  fastUpdate(kHomeScreen);
  fastUpdate(kLockScreen);
}

void updateTimeAfterLaunch() {
  timeUpdated(kLockScreen);
  timeUpdated(kHomeScreen);
}

// The receiver, held weakly for work that runs later; empty when it is not shared.
std::weak_ptr<objc::Object> weakSelf(Self& self) {
  if (auto* shared = dynamic_cast<objc::SharedObject*>(&self)) return shared->shared_from_this();
  if (auto* view = dynamic_cast<View*>(&self)) return std::shared_ptr<objc::Object>(view->shared_from_this(), &self);
  return {};
}

}  // namespace

void hook_SBScreenWakeAnimationController__startWakeAnimationsForWaking_animationSettings_(Self& self, bool waking,
                                                                                          ObjectRef settings) {
  TweakState& state = tweakState();
  const TweakSettings& s = state.settings;
  if (waking) {
    timeUpdated(kLockScreen);
    timeUpdated(kHomeScreen);
    if (s.enabled) state.links.deviceWakening(true);
  }
  if (s.fastwake && settings) {
    if (const ObjectRef filter = objc::send<sig::Getter>(*settings, "sleepWallpaperFilterSettings")) {
      objc::send<sig::SetSeconds>(*filter, "setDuration:", 0.0);
      objc::send<sig::Setter>(*settings, "setAwakeWallpaperFilterSettings:", filter);
    }
  }
  if (s.showbatteryanimationonwake && !s.loopbatteryanimation) {
    MainQueue::shared().postAfter(kChargingAfterWakeDelay,
                                  [] { callHook(tweakState().hooks.showChargingAnimationAfterWake); });
  }
  state.kept.SBScreenWakeAnimationController__startWakeAnimationsForWaking_animationSettings_(self, waking,
                                                                                            std::move(settings));
}

void hook_SBLockScreenManager_lockScreenViewControllerDidPresent(Self& self) {
  TweakState& state = tweakState();
  if (themesOn()) state.links.deviceUnlocked(false);
  state.kept.SBLockScreenManager_lockScreenViewControllerDidPresent(self);
}

void hook_SBLockScreenManager_lockScreenViewControllerWillDismiss(Self& self) {
  TweakState& state = tweakState();
  state.kept.SBLockScreenManager_lockScreenViewControllerWillDismiss(self);
  if (state.settings.enabled_sb) timeUpdated(kHomeScreen);
  if (themesOn()) state.links.deviceUnlocked(true);
  if (state.settings.enabled) state.links.deviceWakening(false);
  chargingDeviceUnlocked();
}

void hook_SBLockScreenManager__handleBacklightLevelWillChange_(Self& self,
                                                               const platform::foundation::Notification& notification) {
  TweakState& state = tweakState();
  state.kept.SBLockScreenManager__handleBacklightLevelWillChange_(self, notification);
  if (!state.settings.enabled || !notification.userInfo.is_object()) return;
  const auto factor = notification.userInfo.find("SBBacklightNewFactorKey");
  if (factor != notification.userInfo.end() && platform::foundation::description(*factor) == "0") {
    state.links.deviceWakening(false);
  }
}

void hook_SBControlCenterController_controlCenterViewController_didChangePresentationState_(Self& self,
                                                                                            ObjectRef controller,
                                                                                            std::int64_t presentationState) {
  if (presentationState == kControlCenterState) timeUpdated(kHomeScreen);
  tweakState().kept.SBControlCenterController_controlCenterViewController_didChangePresentationState_(
      self, std::move(controller), presentationState);
}

void hook_MTAlarmManagerExportedObject_alarmsUpdated_(Self& self, platform::Value alarms) {
  tweakState().kept.MTAlarmManagerExportedObject_alarmsUpdated_(self, std::move(alarms));
  if (themesOn()) {
    timeUpdated(kLockScreen);
    timeUpdated(kHomeScreen);
  }
}

void hook_SpringBoard_applicationDidFinishLaunching_(Self& self, ObjectRef application) {
  TweakState& state = tweakState();
  state.kept.SpringBoard_applicationDidFinishLaunching_(self, std::move(application));
  if (themesOn()) MainQueue::shared().postAfter(kTimeAfterLaunchDelay, updateTimeAfterLaunch);
  callHook(state.hooks.showChargingAnimation);
}

void hook_SBApplication_setBadgeValue_(Self& self, platform::Value badge) {
  tweakState().kept.SBApplication_setBadgeValue_(self, std::move(badge));
  fastUpdateBoth();
}

void hook_SBApplication__processDidLaunch_(Self& self, ObjectRef process) {
  tweakState().kept.SBApplication__processDidLaunch_(self, std::move(process));
}

void hook_SBStatusBarStateAggregator__updateTimeItems(Self& self) {
  tweakState().kept.SBStatusBarStateAggregator__updateTimeItems(self);
  if (themesOn()) fastUpdateBoth();
}

void hook_SBStatusBarStateAggregator__notifyItemChanged_(Self& self, std::int64_t item) {
  TweakState& state = tweakState();
  state.kept.SBStatusBarStateAggregator__notifyItemChanged_(self, item);
  if (!themesOn()) return;
  callHook(state.hooks.updateWebViews);
  fastUpdateBoth();
}

void hook_SBFLockScreenDateView__updateLabels(Self& self) {
  TweakState& state = tweakState();
  state.kept.SBFLockScreenDateView__updateLabels(self);
  if (state.settings.enabled && state.lockScreen.lockScreenThemeAttached) timeUpdated(kLockScreen);
}

void hook_CSProminentTimeView__updateTimeString(Self& self) {
  TweakState& state = tweakState();
  state.kept.CSProminentTimeView__updateTimeString(self);
  if (state.settings.enabled && state.lockScreen.lockScreenThemeAttached) timeUpdated(kLockScreen);
}

// SpringBoard's own dictionary is not stored: what is stored is MediaRemote's answer.
void hook_SBMediaController_setNowPlayingInfo_(Self& self, platform::Value info) {
  TweakState& state = tweakState();
  if (!state.settings.enablemusic || !info.is_object() || !state.links.getNowPlayingInfo) {
    state.kept.SBMediaController_setNowPlayingInfo_(self, std::move(info));
    return;
  }
  state.links.getNowPlayingInfo([mediaController = weakSelf(self)](platform::Value received) {
    const std::shared_ptr<objc::Object> receiver = mediaController.lock();
    if (!receiver) return;
    tweakState().kept.SBMediaController_setNowPlayingInfo_(*receiver, std::move(received));
    fastUpdate(kLockScreen);
    fastUpdate(kHomeScreen);
  });
}

double hook_SBIdleTimerGlobalStateMonitor_minimumLockscreenIdleTime(Self& self) {
  TweakState& state = tweakState();
  if (state.settings.dimtimeenabled) return static_cast<double>(state.settings.dimtime);
  return state.kept.SBIdleTimerGlobalStateMonitor_minimumLockscreenIdleTime(self);
}

bool hook_SBDashBoardIdleTimerProvider_isIdleTimerEnabled(Self&) { return !tweakState().settings.stopdim; }

}  // namespace vantile::integration
