#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "integration/KeptImplementations.h"
#include "platform/foundation/notifications/Notification.h"
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
// The notification list and the lock screen's list items.
void hook_CSCombinedListViewController_updateAppearanceForHidden_offset_(Self& self, bool hidden, double offset);
void hook_CSCombinedListViewController_layoutListView(Self& self);
void hook_CSCombinedListViewController__setListHasContent_(Self& self, bool hasContent);
Rect hook_CSCombinedListViewController__suggestedListViewFrame(Self& self);
void hook_CSCombinedListViewController_viewWillAppear_(Self& self, bool animated);
void hook_NCNotificationStructuredListViewController_viewWillLayoutSubviews(Self& self);
ObjectRef hook_SBDashBoardHostedAppViewController_initWithApplicationSceneEntity_(Self& self, ObjectRef entity);
std::string hook_NCNotificationListHeaderTitleView_title(Self& self);
void hook_NCNotificationSeamlessContentView_layoutSubviews(Self& self);
void hook_CSListItemManager_addItem_(Self& self, ObjectRef item);
void hook_CSListItemManager_removeItem_(Self& self, ObjectRef item);

// The status bar.
void hook__UIStatusBar_layoutSubviews(Self& self);
void hideStatusBar();

// Hiding lock-screen items.
void hook_CSFocusActivityView_didMoveToWindow(Self& self);
std::string hook_NCNotificationListCountIndicatorView_symbolImageName(Self& self);
void hook_NCNotificationListCountIndicatorView_didMoveToWindow(Self& self);
void hook_CSCoverSheetViewController__transitionChargingViewToVisible_showBattery_animated_(Self& self, bool visible,
                                                                                           bool showBattery,
                                                                                           bool animated);
void hook_SBDashBoardViewController__transitionChargingViewToVisible_showBattery_animated_(Self& self, bool visible,
                                                                                          bool showBattery,
                                                                                          bool animated);
void hook_SBLockScreenViewController__addBatteryChargingViewAndShowBattery_(Self& self, bool showBattery);
void hook_CSBackgroundContentView_layoutSubviews(Self& self);
void hook_CSNotificationAdjunctListViewController__insertItem_atPreferredIndex_animated_(Self& self, ObjectRef item,
                                                                                         std::int64_t index,
                                                                                         bool animated);
void hook_CSNotificationAdjunctListViewController__insertItem_animated_(Self& self, ObjectRef item, bool animated);
void hook_SBDashBoardNotificationAdjunctListViewController_adjunctListModel_didAddItem_(Self& self, ObjectRef model,
                                                                                        ObjectRef item);
ObjectRef hook_SBUIProudLockContainerViewController__proudLockIconView(Self& self);
void hook_SBFLockScreenDateView_layoutSubviews(Self& self);
void hook_CSProminentDisplayView_layoutSubviews(Self& self);
void hook_CSProminentDisplayView_didMoveToWindow(Self& self);
void hook_SBUICallToActionLabel_setText_forLanguage_animated_(Self& self, std::string text, std::string language,
                                                              bool animated);
void hook_CSFixedFooterView__layoutCallToActionView(Self& self);
void hook_CSFixedFooterView__addPageControl(Self& self);
void hook_CSFixedFooterView_updatePageControl(Self& self);
void hook_CSFixedFooterView__layoutPageControl(Self& self);
ObjectRef hook_CSTeachableMomentsContainerView_controlCenterGrabberView(Self& self);
void hook_CSTeachableMomentsContainerView__addControlCenterTutors(Self& self);
ObjectRef hook_CSTeachableMomentsContainerView_callToActionLabel(Self& self);
ObjectRef hook_CSTeachableMomentsContainerView_callToActionLabelContainerView(Self& self);
ObjectRef hook_CSTeachableMomentsContainerView_homeAffordanceView(Self& self);
ObjectRef hook_CSTeachableMomentsContainerView_homeAffordanceContainerView(Self& self);
bool hook_CSQuickActionsViewController_hasFlashlight(Self& self);
bool hook_CSQuickActionsViewController_hasCamera(Self& self);

// Hiding home-screen items.
void hook_SBIconView_layoutSubviews(Self& self);
void hook_SBIconView_setLabelHidden_(Self& self, bool hidden);
bool hook_SBIconController_handleHomeButtonTap(Self& self);
void hook_SBIconController_presentLibraryOverlayForIconManager_(Self& self, ObjectRef iconManager);
void hook_SBIconController_presentLibraryAnimated_completion_(Self& self, bool animated,
                                                              std::function<void()> completion);
void hook_SBIconController_presentLibraryFromOverlayControllerAnimated_completion_(Self& self, bool animated,
                                                                                   std::function<void()> completion);
void hook_SBIconController_presentTodayOverlayForIconManager_(Self& self, ObjectRef iconManager);
void hook_SBIconController_activateTodayViewWithCompletion_(Self& self, std::function<void()> completion);
void hook_SBIconController_iconManager_rootFolderController_didOverscrollOnFirstPageByAmount_(
    Self& self, ObjectRef iconManager, ObjectRef rootFolderController, double amount);
void hook_SBIconController_iconManager_rootFolderController_didEndOverscrollOnFirstPageWithVelocity_translation_(
    Self& self, ObjectRef iconManager, ObjectRef rootFolderController, double velocity, double translation);
void hook_SBIconController_iconManager_rootFolderController_didOverscrollOnLastPageByAmount_(
    Self& self, ObjectRef iconManager, ObjectRef rootFolderController, double amount);
void hook_SBIconController_iconManager_rootFolderController_didEndOverscrollOnLastPageWithVelocity_translation_(
    Self& self, ObjectRef iconManager, ObjectRef rootFolderController, double velocity, double translation);
void hook_SBFluidSwitcherGestureManager_grabberTongueBeganPulling_withDistance_andVelocity_andGesture_(
    Self& self, ObjectRef tongue, double distance, double velocity, ObjectRef gesture);
bool hook_SBWorkspaceTransitionContext_animationDisabled(Self& self);
std::shared_ptr<View> hook_SBIconListView_displayedIconViewForIcon_(Self& self, ObjectRef icon);
void hook_SBTodayViewController_viewDidAppear_(Self& self, bool animated);
void hook_SBTodayViewController_viewDidDisappear_(Self& self, bool animated);
void hook_SBHomeScreenTodayViewController_viewDidAppear_(Self& self, bool animated);
void hook_SBHomeScreenTodayViewController_viewDidDisappear_(Self& self, bool animated);
void hook_SBHLibraryViewController_viewDidAppear_(Self& self, bool animated);
void hook_SBHLibraryViewController_viewDidDisappear_(Self& self, bool animated);
void hook_SBIconContentView_didMoveToWindow_2(Self& self);
void hook_SBFStatusBarLegibilityView_didMoveToWindow(Self& self);
void hook_SBRootFolderView_scrollViewDidScroll_(Self& self, ObjectRef scrollView);
void hook_SBRootFolderView_layoutPageControlWithMetrics_(Self& self, const sig::PageMetrics* metrics);
void hook_SBRootFolderView__animateViewsForPullingToSearchWithMetrics_(Self& self, const sig::PageMetrics* metrics);
ObjectRef hook_SBHomeScreenOverlayViewController_currentSidebarViewController(Self& self);
void hook_SBIconListPageControl_layoutSubviews(Self& self);
std::shared_ptr<View> hook_SBIconListPageControl_initWithFrame_(Self& self, Rect frame);
void hook_SBIconListPageControl_setHidden_(Self& self, bool hidden);
double hook_SBDockView_defaultHeight(Self& self);
double hook_SBDockView_dockHeight(Self& self);
void hook_SBDockView_setBackgroundAlpha_(Self& self, double alpha);
void hook_SBFloatingDockPlatterView_setBackgroundView_(Self& self, ObjectRef backgroundView);
void hook_SBFloatingDockView_layoutSubviews(Self& self);
double hook_SBFloatingDockView_contentHeightForBounds_(Self& self, Rect bounds);

// The icon grid.
void hook_SBIconScrollView_layoutSubviews(Self& self);
std::shared_ptr<View> hook_SBIconListView_initWithModel_orientation_viewMap_(Self& self, ObjectRef model,
                                                                             std::int64_t orientation,
                                                                             ObjectRef viewMap);
std::uint64_t hook_SBIconListGridLayoutConfiguration_numberOfPortraitColumns(Self& self);
std::uint64_t hook_SBIconListGridLayoutConfiguration_numberOfPortraitRows(Self& self);
sig::EdgeInsets hook_SBIconListGridLayoutConfiguration_portraitLayoutInsets(Self& self);
void hook_SBHSearchBar_didMoveToWindow(Self& self);
double hook_SBIconView_iconContentScale(Self& self);
void hook_SBIconView_setIconContentScale_(Self& self, double scale);
void hook_SBIconView__applyIconContentScale_(Self& self, double scale);
void hook_SBIconView_setIconContentScalingEnabled_(Self& self, bool enabled);
double hook_SBIconView_effectiveOverallAlpha(Self& self);

// Moves the lock-screen theme while the cover sheet's list has content.
void checkShowingItems();

}  // namespace vantile::integration
