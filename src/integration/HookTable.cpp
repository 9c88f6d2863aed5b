#include "integration/HookTable.h"

#include <vector>

#include "integration/Replacements.h"

namespace vantile::integration {

namespace {
using K = KeptImplementations;
}  // namespace

std::span<const HookRow> remoteViewRows() {
  static const std::vector<HookRow> rows = {
      row("_UIRemoteView", "_didMoveFromWindow:toWindow:", hook__UIRemoteView__didMoveFromWindow_toWindow_,
          &K::_UIRemoteView__didMoveFromWindow_toWindow_),
      row("UIViewController", "_canShowWhileLocked", hook_UIViewController__canShowWhileLocked,
          &K::UIViewController__canShowWhileLocked),
  };
  return rows;
}

std::span<const HookRow> splitViewRows() {
  static const std::vector<HookRow> rows = {
      row("PSSplitViewController", "setPreferredDisplayMode:", hook_PSSplitViewController_setPreferredDisplayMode_,
          &K::PSSplitViewController_setPreferredDisplayMode_),
      row("PSSplitViewController", "displayMode", hook_PSSplitViewController_displayMode,
          &K::PSSplitViewController_displayMode),
      row("PSSplitViewController", "preferredDisplayMode", hook_PSSplitViewController_preferredDisplayMode,
          &K::PSSplitViewController_preferredDisplayMode),
  };
  return rows;
}

// Rows of the notification list and the status bar join this table, in their places, with the
// work they belong to.
std::span<const HookRow> themeGroupRows() {
  static const std::vector<HookRow> rows = {
      row("AVFlashlight", "init", hook_AVFlashlight_init, &K::AVFlashlight_init),
      row("SBScreenWakeAnimationController", "_startWakeAnimationsForWaking:animationSettings:",
          hook_SBScreenWakeAnimationController__startWakeAnimationsForWaking_animationSettings_,
          &K::SBScreenWakeAnimationController__startWakeAnimationsForWaking_animationSettings_),
      row("SBLockScreenManager", "lockScreenViewControllerDidPresent",
          hook_SBLockScreenManager_lockScreenViewControllerDidPresent,
          &K::SBLockScreenManager_lockScreenViewControllerDidPresent),
      row("SBLockScreenManager", "lockScreenViewControllerWillDismiss",
          hook_SBLockScreenManager_lockScreenViewControllerWillDismiss,
          &K::SBLockScreenManager_lockScreenViewControllerWillDismiss),
      row("SBLockScreenManager", "_handleBacklightLevelWillChange:",
          hook_SBLockScreenManager__handleBacklightLevelWillChange_,
          &K::SBLockScreenManager__handleBacklightLevelWillChange_),
      row("SBControlCenterController", "controlCenterViewController:didChangePresentationState:",
          hook_SBControlCenterController_controlCenterViewController_didChangePresentationState_,
          &K::SBControlCenterController_controlCenterViewController_didChangePresentationState_),
      row("MTAlarmManagerExportedObject", "alarmsUpdated:", hook_MTAlarmManagerExportedObject_alarmsUpdated_,
          &K::MTAlarmManagerExportedObject_alarmsUpdated_),
      row("SBCameraHardwareButton", "_isCoverSheetCameraVisible", hook_SBCameraHardwareButton__isCoverSheetCameraVisible,
          &K::SBCameraHardwareButton__isCoverSheetCameraVisible),
      row("CSCoverSheetViewController", "_dismissToMainPageFromPageViewController:",
          hook_CSCoverSheetViewController__dismissToMainPageFromPageViewController_,
          &K::CSCoverSheetViewController__dismissToMainPageFromPageViewController_),
      row("SBMediaController", "setNowPlayingInfo:", hook_SBMediaController_setNowPlayingInfo_,
          &K::SBMediaController_setNowPlayingInfo_),
      row("SBIdleTimerGlobalStateMonitor", "minimumLockscreenIdleTime",
          hook_SBIdleTimerGlobalStateMonitor_minimumLockscreenIdleTime,
          &K::SBIdleTimerGlobalStateMonitor_minimumLockscreenIdleTime),
      row("CSCoverSheetViewBase", "hitTest:withEvent:", hook_CSCoverSheetViewBase_hitTest_withEvent_,
          &K::CSCoverSheetViewBase_hitTest_withEvent_),
      row("SBIconListView", "hitTest:withEvent:", hook_SBIconListView_hitTest_withEvent_,
          &K::SBIconListView_hitTest_withEvent_),
      row("SBApplication", "setBadgeValue:", hook_SBApplication_setBadgeValue_, &K::SBApplication_setBadgeValue_),
      row("SBApplication", "_processDidLaunch:", hook_SBApplication__processDidLaunch_,
          &K::SBApplication__processDidLaunch_),
      row("CSMainPageView", "updateForPresentation:", hook_CSMainPageView_updateForPresentation_,
          &K::CSMainPageView_updateForPresentation_),
      row("CSTimerViewController", "_stopTimer", hook_CSTimerViewController__stopTimer,
          &K::CSTimerViewController__stopTimer),
      row("CSTimerViewController", "_updateTimerLabelView", hook_CSTimerViewController__updateTimerLabelView,
          &K::CSTimerViewController__updateTimerLabelView),
      row("SBLockScreenTimerViewController", "_stopTimer", hook_SBLockScreenTimerViewController__stopTimer,
          &K::SBLockScreenTimerViewController__stopTimer),
      row("SBLockScreenTimerView", "updateTimerLabel", hook_SBLockScreenTimerView_updateTimerLabel,
          &K::SBLockScreenTimerView_updateTimerLabel),
      row("WATodayAutoupdatingLocationModel", "_locationUpdateCompleted:error:completion:",
          hook_WATodayAutoupdatingLocationModel__locationUpdateCompleted_error_completion_,
          &K::WATodayAutoupdatingLocationModel__locationUpdateCompleted_error_completion_),
      row("WALockscreenWidgetViewController", "setCurrentForecastModel:",
          hook_WALockscreenWidgetViewController_setCurrentForecastModel_,
          &K::WALockscreenWidgetViewController_setCurrentForecastModel_),
      row("WALockscreenWidgetViewController", "todayModel:forecastWasUpdated:",
          hook_WALockscreenWidgetViewController_todayModel_forecastWasUpdated_,
          &K::WALockscreenWidgetViewController_todayModel_forecastWasUpdated_),
      row("SBDashBoardIdleTimerProvider", "isIdleTimerEnabled", hook_SBDashBoardIdleTimerProvider_isIdleTimerEnabled,
          &K::SBDashBoardIdleTimerProvider_isIdleTimerEnabled),
      row("SBStatusBarStateAggregator", "_updateTimeItems", hook_SBStatusBarStateAggregator__updateTimeItems,
          &K::SBStatusBarStateAggregator__updateTimeItems),
      row("SBStatusBarStateAggregator", "_notifyItemChanged:", hook_SBStatusBarStateAggregator__notifyItemChanged_,
          &K::SBStatusBarStateAggregator__notifyItemChanged_),
      row("SBHomeScreenViewController", "viewDidLoad", hook_SBHomeScreenViewController_viewDidLoad,
          &K::SBHomeScreenViewController_viewDidLoad),
      row("SBIconContentView", "didMoveToWindow", hook_SBIconContentView_didMoveToWindow,
          &K::SBIconContentView_didMoveToWindow),
      row("SBHomeScreenView", "didMoveToWindow", hook_SBHomeScreenView_didMoveToWindow,
          &K::SBHomeScreenView_didMoveToWindow),
      row("SBHomeScreenView", "initWithFrame:", hook_SBHomeScreenView_initWithFrame_, &K::SBHomeScreenView_initWithFrame_),
      row("SBFLockScreenDateView", "_updateLabels", hook_SBFLockScreenDateView__updateLabels,
          &K::SBFLockScreenDateView__updateLabels),
      row("CSProminentTimeView", "_updateTimeString", hook_CSProminentTimeView__updateTimeString,
          &K::CSProminentTimeView__updateTimeString),
      row("SpringBoard", "_handlePhysicalButtonEvent:", hook_SpringBoard__handlePhysicalButtonEvent_,
          &K::SpringBoard__handlePhysicalButtonEvent_),
      row("SpringBoard", "applicationDidFinishLaunching:", hook_SpringBoard_applicationDidFinishLaunching_,
          &K::SpringBoard_applicationDidFinishLaunching_),
      row("SpringBoard", "isShowingHomescreen", hook_SpringBoard_isShowingHomescreen, &K::SpringBoard_isShowingHomescreen),
      // Charging animation and wallpaper snapshots.
      row("SBBacklightController", "setBacklightFactorPending:", hook_SBBacklightController_setBacklightFactorPending_,
          &K::SBBacklightController_setBacklightFactorPending_),
      row("SBUIController", "ACPowerChanged", hook_SBUIController_ACPowerChanged, &K::SBUIController_ACPowerChanged),
      row("PBUIPosterVariantViewController", "_snapshot", hook_PBUIPosterVariantViewController__snapshot,
          &K::PBUIPosterVariantViewController__snapshot),
      row("SBFStaticWallpaperView", "isDisplayingWallpaperWithConfiguration:forVariant:",
          hook_SBFStaticWallpaperView_isDisplayingWallpaperWithConfiguration_forVariant_,
          &K::SBFStaticWallpaperView_isDisplayingWallpaperWithConfiguration_forVariant_),
  };
  return rows;
}

// Its rows come with the lock-screen hiding work.
std::span<const HookRow> lockScreenHidingRows() { return {}; }

std::span<const HookRow> homeScreenHidingRows() {
  static const std::vector<HookRow> rows = {
      row("SBIconContentView", "didMoveToWindow", hook_SBIconContentView_didMoveToWindow_2,
          &K::SBIconContentView_didMoveToWindow_2),
  };
  return rows;
}

// Its rows come with the icon grid layout.
std::span<const HookRow> iconLayoutRows() { return {}; }

int installRows(std::span<const HookRow> rows) {
  int installed = 0;
  for (const HookRow& hook : rows) {
    platform::objc::Class* target = platform::objc::getClass(hook.className);
    if (target == nullptr) continue;
    platform::objc::Class& receiver = hook.classOperation ? platform::objc::metaclass(*target) : *target;
    if (hook.install(receiver, hook.selector)) ++installed;
  }
  return installed;
}

}  // namespace vantile::integration
