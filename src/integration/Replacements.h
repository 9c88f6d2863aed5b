#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "integration/KeptImplementations.h"
#include "platform/foundation/Notification.h"
#include "platform/objc/Object.h"

// The replacements of SpringBoard's (and UIKit's) operations, each named after the operation it
// stands in for. Each runs its kept implementation from its slot in KeptImplementations.
namespace vantile::integration {

using Self = platform::objc::Object;
using platform::graphics::Point;
using platform::graphics::Rect;
using platform::ui::Event;
using platform::ui::View;

// Remote views and the Settings split view.
void hook__UIRemoteView__didMoveFromWindow_toWindow_(Self& self, ObjectRef fromWindow, ObjectRef toWindow);
bool hook_UIViewController__canShowWhileLocked(Self& self);
bool hook_KWVRemoteRootViewController__shouldUseXPCObjects(Self& self);
ObjectRef hook_KWVRemoteRootViewController_requestViewControllerWithConnectionHandler_(
    Self& self, extra::ConnectionHandler handler);
ObjectRef hook_KWVRemoteRootViewController_exportedInterface(Self& self);
ObjectRef hook_KWVRemoteRootViewController_serviceViewControllerInterface(Self& self);
void hook_PSSplitViewController_setPreferredDisplayMode_(Self& self, std::int64_t mode);
std::int64_t hook_PSSplitViewController_displayMode(Self& self);
std::int64_t hook_PSSplitViewController_preferredDisplayMode(Self& self);

// The flashlight keeper.
ObjectRef hook_AVFlashlight_init(Self& self);

// The lock-screen theme and the device events it follows.
void hook_SBScreenWakeAnimationController__startWakeAnimationsForWaking_animationSettings_(Self& self, bool waking,
                                                                                          ObjectRef settings);
void hook_SBLockScreenManager_lockScreenViewControllerDidPresent(Self& self);
void hook_SBLockScreenManager_lockScreenViewControllerWillDismiss(Self& self);
void hook_SBLockScreenManager__handleBacklightLevelWillChange_(Self& self,
                                                               const platform::foundation::Notification& notification);
void hook_SBControlCenterController_controlCenterViewController_didChangePresentationState_(Self& self,
                                                                                            ObjectRef controller,
                                                                                            std::int64_t state);
void hook_MTAlarmManagerExportedObject_alarmsUpdated_(Self& self, platform::Value alarms);
bool hook_SBCameraHardwareButton__isCoverSheetCameraVisible(Self& self);
void hook_CSCoverSheetViewController__dismissToMainPageFromPageViewController_(Self& self, ObjectRef page);
void hook_SBMediaController_setNowPlayingInfo_(Self& self, platform::Value info);
double hook_SBIdleTimerGlobalStateMonitor_minimumLockscreenIdleTime(Self& self);
std::shared_ptr<View> hook_CSCoverSheetViewBase_hitTest_withEvent_(Self& self, Point point, const Event* event);
void hook_SBApplication_setBadgeValue_(Self& self, platform::Value badge);
void hook_SBApplication__processDidLaunch_(Self& self, ObjectRef process);
void hook_CSMainPageView_updateForPresentation_(Self& self, ObjectRef presentation);
void hook_CSTimerViewController__stopTimer(Self& self);
void hook_CSTimerViewController__updateTimerLabelView(Self& self);
void hook_SBLockScreenTimerViewController__stopTimer(Self& self);
void hook_SBLockScreenTimerView_updateTimerLabel(Self& self);
void hook_WATodayAutoupdatingLocationModel__locationUpdateCompleted_error_completion_(
    Self& self, ObjectRef location, std::optional<std::string> error, std::function<void()> completion);
void hook_WALockscreenWidgetViewController_setCurrentForecastModel_(Self& self, ObjectRef model);
void hook_WALockscreenWidgetViewController_todayModel_forecastWasUpdated_(Self& self, ObjectRef todayModel,
                                                                         ObjectRef forecast);
bool hook_SBDashBoardIdleTimerProvider_isIdleTimerEnabled(Self& self);
void hook_SBStatusBarStateAggregator__updateTimeItems(Self& self);
void hook_SBStatusBarStateAggregator__notifyItemChanged_(Self& self, std::int64_t item);
void hook_SBFLockScreenDateView__updateLabels(Self& self);
void hook_CSProminentTimeView__updateTimeString(Self& self);
bool hook_SpringBoard__handlePhysicalButtonEvent_(Self& self, const Event* event);
void hook_SpringBoard_applicationDidFinishLaunching_(Self& self, ObjectRef application);

// The home-screen theme.
std::shared_ptr<View> hook_SBHomeScreenView_initWithFrame_(Self& self, Rect frame);
bool hook_SpringBoard_isShowingHomescreen(Self& self);
void hook_SBHomeScreenView_didMoveToWindow(Self& self);
std::shared_ptr<View> hook_SBIconListView_hitTest_withEvent_(Self& self, Point point, const Event* event);
void hook_SBIconContentView_didMoveToWindow(Self& self);
void hook_SBHomeScreenViewController_viewDidLoad(Self& self);

// The charging animation and the wallpaper snapshots.
void hook_SBBacklightController_setBacklightFactorPending_(Self& self, float factor);
void hook_SBUIController_ACPowerChanged(Self& self);
void hook_PBUIPosterVariantViewController__snapshot(Self& self);
bool hook_SBFStaticWallpaperView_isDisplayingWallpaperWithConfiguration_forVariant_(Self& self, ObjectRef configuration,
                                                                                    std::int64_t variant);

// Hiding home-screen items.
void hook_SBIconContentView_didMoveToWindow_2(Self& self);

// Moves the lock-screen theme while the cover sheet's list has content.
void checkShowingItems();

}  // namespace vantile::integration
