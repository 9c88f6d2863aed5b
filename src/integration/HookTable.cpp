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

namespace {

// The notification list and its items: the theme group's first rows.
std::vector<HookRow> notificationListRows() {
  return {
      row("CSCombinedListViewController", "updateAppearanceForHidden:offset:",
          hook_CSCombinedListViewController_updateAppearanceForHidden_offset_,
          &K::CSCombinedListViewController_updateAppearanceForHidden_offset_),
      row("CSCombinedListViewController", "layoutListView", hook_CSCombinedListViewController_layoutListView,
          &K::CSCombinedListViewController_layoutListView),
      row("CSCombinedListViewController", "_setListHasContent:", hook_CSCombinedListViewController__setListHasContent_,
          &K::CSCombinedListViewController__setListHasContent_),
      row("CSCombinedListViewController", "_suggestedListViewFrame",
          hook_CSCombinedListViewController__suggestedListViewFrame,
          &K::CSCombinedListViewController__suggestedListViewFrame),
      row("CSCombinedListViewController", "viewWillAppear:", hook_CSCombinedListViewController_viewWillAppear_,
          &K::CSCombinedListViewController_viewWillAppear_),
      row("NCNotificationStructuredListViewController", "viewWillLayoutSubviews",
          hook_NCNotificationStructuredListViewController_viewWillLayoutSubviews,
          &K::NCNotificationStructuredListViewController_viewWillLayoutSubviews),
      row("SBDashBoardHostedAppViewController", "initWithApplicationSceneEntity:",
          hook_SBDashBoardHostedAppViewController_initWithApplicationSceneEntity_,
          &K::SBDashBoardHostedAppViewController_initWithApplicationSceneEntity_),
      row("NCNotificationListHeaderTitleView", "title", hook_NCNotificationListHeaderTitleView_title,
          &K::NCNotificationListHeaderTitleView_title),
      row("NCNotificationSeamlessContentView", "layoutSubviews", hook_NCNotificationSeamlessContentView_layoutSubviews,
          &K::NCNotificationSeamlessContentView_layoutSubviews),
      row("CSListItemManager", "addItem:", hook_CSListItemManager_addItem_, &K::CSListItemManager_addItem_),
      row("CSListItemManager", "removeItem:", hook_CSListItemManager_removeItem_, &K::CSListItemManager_removeItem_),
  };
}

// The flashlight keeper and the status bar, right after the notification list.
std::vector<HookRow> flashlightAndStatusBarRows() {
  return {
      row("AVFlashlight", "init", hook_AVFlashlight_init, &K::AVFlashlight_init),
      row("_UIStatusBar", "layoutSubviews", hook__UIStatusBar_layoutSubviews, &K::_UIStatusBar_layoutSubviews),
  };
}

std::vector<HookRow> joined(std::initializer_list<std::vector<HookRow>> parts) {
  std::vector<HookRow> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace

std::span<const HookRow> themeGroupRows() {
  static const std::vector<HookRow> rows = joined({notificationListRows(), flashlightAndStatusBarRows(), {
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
  }});
  return rows;
}

// Hiding lock-screen items: 27 rows.
std::span<const HookRow> lockScreenHidingRows() {
  static const std::vector<HookRow> rows = {
      row("CSFocusActivityView", "didMoveToWindow", hook_CSFocusActivityView_didMoveToWindow, &K::CSFocusActivityView_didMoveToWindow),
      row("NCNotificationListCountIndicatorView", "symbolImageName", hook_NCNotificationListCountIndicatorView_symbolImageName, &K::NCNotificationListCountIndicatorView_symbolImageName),
      row("NCNotificationListCountIndicatorView", "didMoveToWindow", hook_NCNotificationListCountIndicatorView_didMoveToWindow, &K::NCNotificationListCountIndicatorView_didMoveToWindow),
      row("CSCoverSheetViewController", "_transitionChargingViewToVisible:showBattery:animated:", hook_CSCoverSheetViewController__transitionChargingViewToVisible_showBattery_animated_, &K::CSCoverSheetViewController__transitionChargingViewToVisible_showBattery_animated_),
      row("SBDashBoardViewController", "_transitionChargingViewToVisible:showBattery:animated:", hook_SBDashBoardViewController__transitionChargingViewToVisible_showBattery_animated_, &K::SBDashBoardViewController__transitionChargingViewToVisible_showBattery_animated_),
      row("SBLockScreenViewController", "_addBatteryChargingViewAndShowBattery:", hook_SBLockScreenViewController__addBatteryChargingViewAndShowBattery_, &K::SBLockScreenViewController__addBatteryChargingViewAndShowBattery_),
      row("CSBackgroundContentView", "layoutSubviews", hook_CSBackgroundContentView_layoutSubviews, &K::CSBackgroundContentView_layoutSubviews),
      row("CSNotificationAdjunctListViewController", "_insertItem:atPreferredIndex:animated:", hook_CSNotificationAdjunctListViewController__insertItem_atPreferredIndex_animated_, &K::CSNotificationAdjunctListViewController__insertItem_atPreferredIndex_animated_),
      row("CSNotificationAdjunctListViewController", "_insertItem:animated:", hook_CSNotificationAdjunctListViewController__insertItem_animated_, &K::CSNotificationAdjunctListViewController__insertItem_animated_),
      row("SBDashBoardNotificationAdjunctListViewController", "adjunctListModel:didAddItem:", hook_SBDashBoardNotificationAdjunctListViewController_adjunctListModel_didAddItem_, &K::SBDashBoardNotificationAdjunctListViewController_adjunctListModel_didAddItem_),
      row("SBUIProudLockContainerViewController", "_proudLockIconView", hook_SBUIProudLockContainerViewController__proudLockIconView, &K::SBUIProudLockContainerViewController__proudLockIconView),
      row("SBFLockScreenDateView", "layoutSubviews", hook_SBFLockScreenDateView_layoutSubviews, &K::SBFLockScreenDateView_layoutSubviews),
      row("CSProminentDisplayView", "layoutSubviews", hook_CSProminentDisplayView_layoutSubviews, &K::CSProminentDisplayView_layoutSubviews),
      row("CSProminentDisplayView", "didMoveToWindow", hook_CSProminentDisplayView_didMoveToWindow, &K::CSProminentDisplayView_didMoveToWindow),
      row("SBUICallToActionLabel", "setText:forLanguage:animated:", hook_SBUICallToActionLabel_setText_forLanguage_animated_, &K::SBUICallToActionLabel_setText_forLanguage_animated_),
      row("CSFixedFooterView", "_layoutCallToActionView", hook_CSFixedFooterView__layoutCallToActionView, &K::CSFixedFooterView__layoutCallToActionView),
      row("CSFixedFooterView", "_addPageControl", hook_CSFixedFooterView__addPageControl, &K::CSFixedFooterView__addPageControl),
      row("CSFixedFooterView", "updatePageControl", hook_CSFixedFooterView_updatePageControl, &K::CSFixedFooterView_updatePageControl),
      row("CSFixedFooterView", "_layoutPageControl", hook_CSFixedFooterView__layoutPageControl, &K::CSFixedFooterView__layoutPageControl),
      row("CSTeachableMomentsContainerView", "controlCenterGrabberView", hook_CSTeachableMomentsContainerView_controlCenterGrabberView, &K::CSTeachableMomentsContainerView_controlCenterGrabberView),
      row("CSTeachableMomentsContainerView", "_addControlCenterTutors", hook_CSTeachableMomentsContainerView__addControlCenterTutors, &K::CSTeachableMomentsContainerView__addControlCenterTutors),
      row("CSTeachableMomentsContainerView", "callToActionLabel", hook_CSTeachableMomentsContainerView_callToActionLabel, &K::CSTeachableMomentsContainerView_callToActionLabel),
      row("CSTeachableMomentsContainerView", "callToActionLabelContainerView", hook_CSTeachableMomentsContainerView_callToActionLabelContainerView, &K::CSTeachableMomentsContainerView_callToActionLabelContainerView),
      row("CSTeachableMomentsContainerView", "homeAffordanceView", hook_CSTeachableMomentsContainerView_homeAffordanceView, &K::CSTeachableMomentsContainerView_homeAffordanceView),
      row("CSTeachableMomentsContainerView", "homeAffordanceContainerView", hook_CSTeachableMomentsContainerView_homeAffordanceContainerView, &K::CSTeachableMomentsContainerView_homeAffordanceContainerView),
      row("CSQuickActionsViewController", "hasFlashlight", hook_CSQuickActionsViewController_hasFlashlight, &K::CSQuickActionsViewController_hasFlashlight),
      row("CSQuickActionsViewController", "hasCamera", hook_CSQuickActionsViewController_hasCamera, &K::CSQuickActionsViewController_hasCamera),
  };
  return rows;
}

// Hiding home-screen items: 36 rows.
std::span<const HookRow> homeScreenHidingRows() {
  static const std::vector<HookRow> rows = {
      row("SBIconView", "layoutSubviews", hook_SBIconView_layoutSubviews, &K::SBIconView_layoutSubviews),
      row("SBIconView", "setLabelHidden:", hook_SBIconView_setLabelHidden_, &K::SBIconView_setLabelHidden_),
      row("SBIconController", "handleHomeButtonTap", hook_SBIconController_handleHomeButtonTap, &K::SBIconController_handleHomeButtonTap),
      row("SBIconController", "presentLibraryOverlayForIconManager:", hook_SBIconController_presentLibraryOverlayForIconManager_, &K::SBIconController_presentLibraryOverlayForIconManager_),
      row("SBIconController", "presentLibraryAnimated:completion:", hook_SBIconController_presentLibraryAnimated_completion_, &K::SBIconController_presentLibraryAnimated_completion_),
      row("SBIconController", "presentLibraryFromOverlayControllerAnimated:completion:", hook_SBIconController_presentLibraryFromOverlayControllerAnimated_completion_, &K::SBIconController_presentLibraryFromOverlayControllerAnimated_completion_),
      row("SBIconController", "presentTodayOverlayForIconManager:", hook_SBIconController_presentTodayOverlayForIconManager_, &K::SBIconController_presentTodayOverlayForIconManager_),
      row("SBIconController", "activateTodayViewWithCompletion:", hook_SBIconController_activateTodayViewWithCompletion_, &K::SBIconController_activateTodayViewWithCompletion_),
      row("SBIconController", "iconManager:rootFolderController:didOverscrollOnFirstPageByAmount:", hook_SBIconController_iconManager_rootFolderController_didOverscrollOnFirstPageByAmount_, &K::SBIconController_iconManager_rootFolderController_didOverscrollOnFirstPageByAmount_),
      row("SBIconController", "iconManager:rootFolderController:didEndOverscrollOnFirstPageWithVelocity:translation:", hook_SBIconController_iconManager_rootFolderController_didEndOverscrollOnFirstPageWithVelocity_translation_, &K::SBIconController_iconManager_rootFolderController_didEndOverscrollOnFirstPageWithVelocity_translation_),
      row("SBIconController", "iconManager:rootFolderController:didOverscrollOnLastPageByAmount:", hook_SBIconController_iconManager_rootFolderController_didOverscrollOnLastPageByAmount_, &K::SBIconController_iconManager_rootFolderController_didOverscrollOnLastPageByAmount_),
      row("SBIconController", "iconManager:rootFolderController:didEndOverscrollOnLastPageWithVelocity:translation:", hook_SBIconController_iconManager_rootFolderController_didEndOverscrollOnLastPageWithVelocity_translation_, &K::SBIconController_iconManager_rootFolderController_didEndOverscrollOnLastPageWithVelocity_translation_),
      row("SBFluidSwitcherGestureManager", "grabberTongueBeganPulling:withDistance:andVelocity:andGesture:", hook_SBFluidSwitcherGestureManager_grabberTongueBeganPulling_withDistance_andVelocity_andGesture_, &K::SBFluidSwitcherGestureManager_grabberTongueBeganPulling_withDistance_andVelocity_andGesture_),
      row("SBWorkspaceTransitionContext", "animationDisabled", hook_SBWorkspaceTransitionContext_animationDisabled, &K::SBWorkspaceTransitionContext_animationDisabled),
      row("SBIconListView", "displayedIconViewForIcon:", hook_SBIconListView_displayedIconViewForIcon_, &K::SBIconListView_displayedIconViewForIcon_),
      row("SBTodayViewController", "viewDidAppear:", hook_SBTodayViewController_viewDidAppear_, &K::SBTodayViewController_viewDidAppear_),
      row("SBTodayViewController", "viewDidDisappear:", hook_SBTodayViewController_viewDidDisappear_, &K::SBTodayViewController_viewDidDisappear_),
      row("SBHomeScreenTodayViewController", "viewDidAppear:", hook_SBHomeScreenTodayViewController_viewDidAppear_, &K::SBHomeScreenTodayViewController_viewDidAppear_),
      row("SBHomeScreenTodayViewController", "viewDidDisappear:", hook_SBHomeScreenTodayViewController_viewDidDisappear_, &K::SBHomeScreenTodayViewController_viewDidDisappear_),
      row("SBHLibraryViewController", "viewDidAppear:", hook_SBHLibraryViewController_viewDidAppear_, &K::SBHLibraryViewController_viewDidAppear_),
      row("SBHLibraryViewController", "viewDidDisappear:", hook_SBHLibraryViewController_viewDidDisappear_, &K::SBHLibraryViewController_viewDidDisappear_),
      row("SBIconContentView", "didMoveToWindow", hook_SBIconContentView_didMoveToWindow_2, &K::SBIconContentView_didMoveToWindow_2),
      row("SBFStatusBarLegibilityView", "didMoveToWindow", hook_SBFStatusBarLegibilityView_didMoveToWindow, &K::SBFStatusBarLegibilityView_didMoveToWindow),
      row("SBRootFolderView", "scrollViewDidScroll:", hook_SBRootFolderView_scrollViewDidScroll_, &K::SBRootFolderView_scrollViewDidScroll_),
      row("SBRootFolderView", "layoutPageControlWithMetrics:", hook_SBRootFolderView_layoutPageControlWithMetrics_, &K::SBRootFolderView_layoutPageControlWithMetrics_),
      row("SBRootFolderView", "_animateViewsForPullingToSearchWithMetrics:", hook_SBRootFolderView__animateViewsForPullingToSearchWithMetrics_, &K::SBRootFolderView__animateViewsForPullingToSearchWithMetrics_),
      row("SBHomeScreenOverlayViewController", "currentSidebarViewController", hook_SBHomeScreenOverlayViewController_currentSidebarViewController, &K::SBHomeScreenOverlayViewController_currentSidebarViewController),
      row("SBIconListPageControl", "layoutSubviews", hook_SBIconListPageControl_layoutSubviews, &K::SBIconListPageControl_layoutSubviews),
      row("SBIconListPageControl", "initWithFrame:", hook_SBIconListPageControl_initWithFrame_, &K::SBIconListPageControl_initWithFrame_),
      row("SBIconListPageControl", "setHidden:", hook_SBIconListPageControl_setHidden_, &K::SBIconListPageControl_setHidden_),
      row("SBDockView", "defaultHeight", hook_SBDockView_defaultHeight, &K::SBDockView_defaultHeight, true),
      row("SBDockView", "dockHeight", hook_SBDockView_dockHeight, &K::SBDockView_dockHeight),
      row("SBDockView", "setBackgroundAlpha:", hook_SBDockView_setBackgroundAlpha_, &K::SBDockView_setBackgroundAlpha_),
      row("SBFloatingDockPlatterView", "setBackgroundView:", hook_SBFloatingDockPlatterView_setBackgroundView_, &K::SBFloatingDockPlatterView_setBackgroundView_),
      row("SBFloatingDockView", "layoutSubviews", hook_SBFloatingDockView_layoutSubviews, &K::SBFloatingDockView_layoutSubviews),
      row("SBFloatingDockView", "contentHeightForBounds:", hook_SBFloatingDockView_contentHeightForBounds_, &K::SBFloatingDockView_contentHeightForBounds_),
  };
  return rows;
}

// The icon grid: 11 rows.
std::span<const HookRow> iconLayoutRows() {
  static const std::vector<HookRow> rows = {
      row("SBIconScrollView", "layoutSubviews", hook_SBIconScrollView_layoutSubviews, &K::SBIconScrollView_layoutSubviews),
      row("SBIconListView", "initWithModel:orientation:viewMap:", hook_SBIconListView_initWithModel_orientation_viewMap_, &K::SBIconListView_initWithModel_orientation_viewMap_),
      row("SBIconListGridLayoutConfiguration", "numberOfPortraitColumns", hook_SBIconListGridLayoutConfiguration_numberOfPortraitColumns, &K::SBIconListGridLayoutConfiguration_numberOfPortraitColumns),
      row("SBIconListGridLayoutConfiguration", "numberOfPortraitRows", hook_SBIconListGridLayoutConfiguration_numberOfPortraitRows, &K::SBIconListGridLayoutConfiguration_numberOfPortraitRows),
      row("SBIconListGridLayoutConfiguration", "portraitLayoutInsets", hook_SBIconListGridLayoutConfiguration_portraitLayoutInsets, &K::SBIconListGridLayoutConfiguration_portraitLayoutInsets),
      row("SBHSearchBar", "didMoveToWindow", hook_SBHSearchBar_didMoveToWindow, &K::SBHSearchBar_didMoveToWindow),
      row("SBIconView", "iconContentScale", hook_SBIconView_iconContentScale, &K::SBIconView_iconContentScale),
      row("SBIconView", "setIconContentScale:", hook_SBIconView_setIconContentScale_, &K::SBIconView_setIconContentScale_),
      row("SBIconView", "_applyIconContentScale:", hook_SBIconView__applyIconContentScale_, &K::SBIconView__applyIconContentScale_),
      row("SBIconView", "setIconContentScalingEnabled:", hook_SBIconView_setIconContentScalingEnabled_, &K::SBIconView_setIconContentScalingEnabled_),
      row("SBIconView", "effectiveOverallAlpha", hook_SBIconView_effectiveOverallAlpha, &K::SBIconView_effectiveOverallAlpha),
  };
  return rows;
}

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
