#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "integration/SpringBoardTypes.h"
#include "platform/web/RemoteViewTypes.h"

namespace vantile::integration {

// Signatures of the replaced operations that SpringBoard's own classes do not use.
namespace extra {
using WindowMove = platform::web::signatures::WindowMove;
using DisplayMode = std::int64_t();
using SetDisplayMode = void(std::int64_t mode);
using ConnectionHandler = platform::web::signatures::ConnectionHandler;
using RequestViewController = ObjectRef(ConnectionHandler handler);
}  // namespace extra

// The implementation each replacement displaced, one slot per replaced operation, named after
// its replacement. Written once at installation.
struct KeptImplementations {
  // Remote views and the Settings split view (every process).
  Slot<extra::WindowMove> _UIRemoteView__didMoveFromWindow_toWindow_;
  Slot<sig::Answer> UIViewController__canShowWhileLocked;
  Slot<sig::Answer> KWVRemoteRootViewController__shouldUseXPCObjects;
  Slot<sig::Getter> KWVRemoteRootViewController_exportedInterface;
  Slot<sig::Getter> KWVRemoteRootViewController_serviceViewControllerInterface;
  Slot<extra::SetDisplayMode> PSSplitViewController_setPreferredDisplayMode_;
  Slot<extra::DisplayMode> PSSplitViewController_displayMode;
  Slot<extra::DisplayMode> PSSplitViewController_preferredDisplayMode;

  // The theme group.
  Slot<sig::Init> AVFlashlight_init;
  Slot<sig::StartWakeAnimations> SBScreenWakeAnimationController__startWakeAnimationsForWaking_animationSettings_;
  Slot<sig::Action> SBLockScreenManager_lockScreenViewControllerDidPresent;
  Slot<sig::Action> SBLockScreenManager_lockScreenViewControllerWillDismiss;
  Slot<sig::NotificationAction> SBLockScreenManager__handleBacklightLevelWillChange_;
  Slot<sig::PresentationStateChange> SBControlCenterController_controlCenterViewController_didChangePresentationState_;
  Slot<sig::AlarmsUpdated> MTAlarmManagerExportedObject_alarmsUpdated_;
  Slot<sig::Answer> SBCameraHardwareButton__isCoverSheetCameraVisible;
  Slot<sig::ObjectAction> CSCoverSheetViewController__dismissToMainPageFromPageViewController_;
  Slot<sig::ValueSetter> SBMediaController_setNowPlayingInfo_;
  Slot<sig::Seconds> SBIdleTimerGlobalStateMonitor_minimumLockscreenIdleTime;
  Slot<sig::HitTest> CSCoverSheetViewBase_hitTest_withEvent_;
  Slot<sig::HitTest> SBIconListView_hitTest_withEvent_;
  Slot<sig::ValueSetter> SBApplication_setBadgeValue_;
  Slot<sig::ObjectAction> SBApplication__processDidLaunch_;
  Slot<sig::ObjectAction> CSMainPageView_updateForPresentation_;
  Slot<sig::Action> CSTimerViewController__stopTimer;
  Slot<sig::Action> CSTimerViewController__updateTimerLabelView;
  Slot<sig::Action> SBLockScreenTimerViewController__stopTimer;
  Slot<sig::Action> SBLockScreenTimerView_updateTimerLabel;
  Slot<sig::LocationUpdateCompleted> WATodayAutoupdatingLocationModel__locationUpdateCompleted_error_completion_;
  Slot<sig::ForecastModelSetter> WALockscreenWidgetViewController_setCurrentForecastModel_;
  Slot<sig::ForecastWasUpdated> WALockscreenWidgetViewController_todayModel_forecastWasUpdated_;
  Slot<sig::Answer> SBDashBoardIdleTimerProvider_isIdleTimerEnabled;
  Slot<sig::Action> SBStatusBarStateAggregator__updateTimeItems;
  Slot<sig::ItemChanged> SBStatusBarStateAggregator__notifyItemChanged_;
  Slot<sig::Action> SBHomeScreenViewController_viewDidLoad;
  Slot<sig::Action> SBIconContentView_didMoveToWindow;
  Slot<sig::Action> SBHomeScreenView_didMoveToWindow;
  Slot<sig::InitWithFrame> SBHomeScreenView_initWithFrame_;
  Slot<sig::Action> SBFLockScreenDateView__updateLabels;
  Slot<sig::Action> CSProminentTimeView__updateTimeString;
  Slot<sig::PhysicalButtonEvent> SpringBoard__handlePhysicalButtonEvent_;
  Slot<sig::ObjectAction> SpringBoard_applicationDidFinishLaunching_;
  Slot<sig::Answer> SpringBoard_isShowingHomescreen;

  // The theme group: charging animation and wallpaper snapshots.
  Slot<sig::SetFactor> SBBacklightController_setBacklightFactorPending_;
  Slot<sig::Action> SBUIController_ACPowerChanged;
  Slot<sig::Action> PBUIPosterVariantViewController__snapshot;
  Slot<sig::DisplaysWallpaper> SBFStaticWallpaperView_isDisplayingWallpaperWithConfiguration_forVariant_;
  // The notification list and the status bar (theme group).
  Slot<sig::AppearanceForHidden> CSCombinedListViewController_updateAppearanceForHidden_offset_;
  Slot<sig::Action> CSCombinedListViewController_layoutListView;
  Slot<sig::Flag> CSCombinedListViewController__setListHasContent_;
  Slot<sig::FrameGetter> CSCombinedListViewController__suggestedListViewFrame;
  Slot<sig::Flag> CSCombinedListViewController_viewWillAppear_;
  Slot<sig::Action> NCNotificationStructuredListViewController_viewWillLayoutSubviews;
  Slot<sig::InitWithObject> SBDashBoardHostedAppViewController_initWithApplicationSceneEntity_;
  Slot<sig::Text> NCNotificationListHeaderTitleView_title;
  Slot<sig::Action> NCNotificationSeamlessContentView_layoutSubviews;
  Slot<sig::ObjectAction> CSListItemManager_addItem_;
  Slot<sig::ObjectAction> CSListItemManager_removeItem_;
  Slot<sig::Action> _UIStatusBar_layoutSubviews;

  // Hiding lock-screen items.
  Slot<sig::Action> CSFocusActivityView_didMoveToWindow;
  Slot<sig::Text> NCNotificationListCountIndicatorView_symbolImageName;
  Slot<sig::Action> NCNotificationListCountIndicatorView_didMoveToWindow;
  Slot<sig::ChargingTransition> CSCoverSheetViewController__transitionChargingViewToVisible_showBattery_animated_;
  Slot<sig::ChargingTransition> SBDashBoardViewController__transitionChargingViewToVisible_showBattery_animated_;
  Slot<sig::Flag> SBLockScreenViewController__addBatteryChargingViewAndShowBattery_;
  Slot<sig::Action> CSBackgroundContentView_layoutSubviews;
  Slot<sig::InsertItemAtIndex> CSNotificationAdjunctListViewController__insertItem_atPreferredIndex_animated_;
  Slot<sig::InsertItem> CSNotificationAdjunctListViewController__insertItem_animated_;
  Slot<sig::DidAddItem> SBDashBoardNotificationAdjunctListViewController_adjunctListModel_didAddItem_;
  Slot<sig::Getter> SBUIProudLockContainerViewController__proudLockIconView;
  Slot<sig::Action> SBFLockScreenDateView_layoutSubviews;
  Slot<sig::Action> CSProminentDisplayView_layoutSubviews;
  Slot<sig::Action> CSProminentDisplayView_didMoveToWindow;
  Slot<sig::SetTextForLanguage> SBUICallToActionLabel_setText_forLanguage_animated_;
  Slot<sig::Action> CSFixedFooterView__layoutCallToActionView;
  Slot<sig::Action> CSFixedFooterView__addPageControl;
  Slot<sig::Action> CSFixedFooterView_updatePageControl;
  Slot<sig::Action> CSFixedFooterView__layoutPageControl;
  Slot<sig::Getter> CSTeachableMomentsContainerView_controlCenterGrabberView;
  Slot<sig::Action> CSTeachableMomentsContainerView__addControlCenterTutors;
  Slot<sig::Getter> CSTeachableMomentsContainerView_callToActionLabel;
  Slot<sig::Getter> CSTeachableMomentsContainerView_callToActionLabelContainerView;
  Slot<sig::Getter> CSTeachableMomentsContainerView_homeAffordanceView;
  Slot<sig::Getter> CSTeachableMomentsContainerView_homeAffordanceContainerView;
  Slot<sig::Answer> CSQuickActionsViewController_hasFlashlight;
  Slot<sig::Answer> CSQuickActionsViewController_hasCamera;

  // Hiding home-screen items.
  Slot<sig::Action> SBIconView_layoutSubviews;
  Slot<sig::Flag> SBIconView_setLabelHidden_;
  Slot<sig::Answer> SBIconController_handleHomeButtonTap;
  Slot<sig::ObjectAction> SBIconController_presentLibraryOverlayForIconManager_;
  Slot<sig::AnimatedWithCompletion> SBIconController_presentLibraryAnimated_completion_;
  Slot<sig::AnimatedWithCompletion> SBIconController_presentLibraryFromOverlayControllerAnimated_completion_;
  Slot<sig::ObjectAction> SBIconController_presentTodayOverlayForIconManager_;
  Slot<sig::WithCompletion> SBIconController_activateTodayViewWithCompletion_;
  Slot<sig::Overscroll> SBIconController_iconManager_rootFolderController_didOverscrollOnFirstPageByAmount_;
  Slot<sig::EndOverscroll>
      SBIconController_iconManager_rootFolderController_didEndOverscrollOnFirstPageWithVelocity_translation_;
  Slot<sig::Overscroll> SBIconController_iconManager_rootFolderController_didOverscrollOnLastPageByAmount_;
  Slot<sig::EndOverscroll>
      SBIconController_iconManager_rootFolderController_didEndOverscrollOnLastPageWithVelocity_translation_;
  Slot<sig::GrabberPulling> SBFluidSwitcherGestureManager_grabberTongueBeganPulling_withDistance_andVelocity_andGesture_;
  Slot<sig::Answer> SBWorkspaceTransitionContext_animationDisabled;
  Slot<sig::IconViewForIcon> SBIconListView_displayedIconViewForIcon_;
  Slot<sig::Flag> SBTodayViewController_viewDidAppear_;
  Slot<sig::Flag> SBTodayViewController_viewDidDisappear_;
  Slot<sig::Flag> SBHomeScreenTodayViewController_viewDidAppear_;
  Slot<sig::Flag> SBHomeScreenTodayViewController_viewDidDisappear_;
  Slot<sig::Flag> SBHLibraryViewController_viewDidAppear_;
  Slot<sig::Flag> SBHLibraryViewController_viewDidDisappear_;
  Slot<sig::Action> SBIconContentView_didMoveToWindow_2;
  Slot<sig::Action> SBFStatusBarLegibilityView_didMoveToWindow;
  Slot<sig::ObjectAction> SBRootFolderView_scrollViewDidScroll_;
  Slot<sig::MetricsAction> SBRootFolderView_layoutPageControlWithMetrics_;
  Slot<sig::MetricsAction> SBRootFolderView__animateViewsForPullingToSearchWithMetrics_;
  Slot<sig::Getter> SBHomeScreenOverlayViewController_currentSidebarViewController;
  Slot<sig::Action> SBIconListPageControl_layoutSubviews;
  Slot<sig::InitWithFrame> SBIconListPageControl_initWithFrame_;
  Slot<sig::Flag> SBIconListPageControl_setHidden_;
  Slot<sig::Seconds> SBDockView_defaultHeight;
  Slot<sig::Seconds> SBDockView_dockHeight;
  Slot<sig::SetSeconds> SBDockView_setBackgroundAlpha_;
  Slot<sig::ObjectAction> SBFloatingDockPlatterView_setBackgroundView_;
  Slot<sig::Action> SBFloatingDockView_layoutSubviews;
  Slot<sig::HeightForBounds> SBFloatingDockView_contentHeightForBounds_;

  // The icon grid.
  Slot<sig::Action> SBIconScrollView_layoutSubviews;
  Slot<sig::InitWithModel> SBIconListView_initWithModel_orientation_viewMap_;
  Slot<sig::Count> SBIconListGridLayoutConfiguration_numberOfPortraitColumns;
  Slot<sig::Count> SBIconListGridLayoutConfiguration_numberOfPortraitRows;
  Slot<sig::InsetsGetter> SBIconListGridLayoutConfiguration_portraitLayoutInsets;
  Slot<sig::Action> SBHSearchBar_didMoveToWindow;
  Slot<sig::Seconds> SBIconView_iconContentScale;
  Slot<sig::SetSeconds> SBIconView_setIconContentScale_;
  Slot<sig::SetSeconds> SBIconView__applyIconContentScale_;
  Slot<sig::Flag> SBIconView_setIconContentScalingEnabled_;
  Slot<sig::Seconds> SBIconView_effectiveOverallAlpha;
};

}  // namespace vantile::integration
