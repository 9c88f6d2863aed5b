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

  // Hiding home-screen items.
  Slot<sig::Action> SBIconContentView_didMoveToWindow_2;
};

}  // namespace vantile::integration
