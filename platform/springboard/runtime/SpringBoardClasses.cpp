#include "platform/springboard/runtime/SpringBoardClasses.h"

#include <algorithm>
#include <array>

#include "platform/foundation/files/SystemLog.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/homescreen/SBHomeScreenViewController.h"
#include "platform/springboard/homescreen/SBIconContentView.h"
#include "platform/springboard/homescreen/SBIconListGridLayoutConfiguration.h"
#include "platform/springboard/homescreen/SBRootFolderView.h"
#include "platform/springboard/lockscreen/CSAdjunctListItem.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/lockscreen/CSMainPageView.h"
#include "platform/springboard/lockscreen/CSNotificationAdjunctListViewController.h"
#include "platform/springboard/lockscreen/CSTimerViewController.h"
#include "platform/springboard/lockscreen/NotificationListController.h"
#include "platform/springboard/lockscreen/SBFLockScreenDateView.h"
#include "platform/springboard/runtime/PlainStockOperations.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/services/AVFlashlight.h"
#include "platform/springboard/services/AppRegistry.h"
#include "platform/springboard/services/FBSSystemService.h"
#include "platform/springboard/services/MTAlarmManagerExportedObject.h"
#include "platform/springboard/services/SBApplication.h"
#include "platform/springboard/services/SBBacklightController.h"
#include "platform/springboard/services/SBCameraHardwareButton.h"
#include "platform/springboard/services/SBControlCenterController.h"
#include "platform/springboard/services/SBCoverSheetPresentationManager.h"
#include "platform/springboard/services/SBDashBoardIdleTimerProvider.h"
#include "platform/springboard/services/SBIdleTimerGlobalCoordinator.h"
#include "platform/springboard/services/SBIdleTimerGlobalStateMonitor.h"
#include "platform/springboard/services/SBLockScreenManager.h"
#include "platform/springboard/services/SBMediaController.h"
#include "platform/springboard/services/SBScreenWakeAnimationController.h"
#include "platform/springboard/services/SBStatusBarStateAggregator.h"
#include "platform/springboard/services/SBUIController.h"
#include "platform/springboard/services/SpringBoard.h"
#include "platform/springboard/services/WALockscreenWidgetViewController.h"
#include "platform/springboard/services/WeatherModels.h"
#include "platform/springboard/status/BCBatteryDeviceController.h"
#include "platform/springboard/status/BluetoothManager.h"
#include "platform/springboard/status/SBScheduledAlarmObserver.h"
#include "platform/springboard/status/SBTelephonyManager.h"
#include "platform/springboard/status/SBWiFiManager.h"
#include "platform/springboard/status/WeatherPreferences.h"
#include "platform/springboard/views/PBUIPosterVariantViewController.h"
#include "platform/springboard/views/RuntimeViewHooks.h"
#include "platform/springboard/views/StatusBar.h"
#include "platform/ui/views/EventHitTesting.h"
#include "platform/web/RemoteView.h"
#include "platform/web/RemoteViewController.h"
#include "platform/web/ServiceProxy.h"

namespace platform::springboard {

namespace {

using Declaration = void (*)(objc::Class&);

void declareNothing(objc::Class&) {}

void declareView(objc::Class& cls) {
  objc::addMethod<signatures::HitTest>(cls, "hitTest:withEvent:",
                                       [](objc::Object& self, graphics::Point point, const ui::Event* event) {
                                         auto* view = dynamic_cast<ui::View*>(&self);
                                         return view == nullptr ? nullptr : ui::defaultHitTestWithEvent(*view, point, event);
                                       });
  declareStockViewOperations(cls);
}

void declareViewController(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "viewDidLoad", [](objc::Object&) {});
  // Only controllers made for the lock screen show over it.
  objc::addMethod<signatures::Answer>(cls, "_canShowWhileLocked", [](objc::Object&) { return false; });
}

void declareTimerViewController(objc::Class& cls) {
  CSTimerViewController::declareClass(cls);
  CSTimerViewController::declareLabelUpdate(cls);
}

void declareCoverSheetViewController(objc::Class& cls) {
  CSCoverSheetViewController::declareClass(cls);
  plain::declareChargingTransition(cls);
}

void declareIconListView(objc::Class& cls) { plain::declareIconListView(cls); }

void declareIconManager(objc::Class& cls) {
  SBHIconManager::declareClass(cls);
  plain::declareIconManager(cls);
}

void declareIconController(objc::Class& cls) {
  SBIconController::declareClass(cls);
  plain::declareIconControllerOverlays(cls);
}

void declareApplication(objc::Class& cls) {
  SBApplication::declareClass(cls);
  declareApplicationKinds(cls);
}

void declareApplicationController(objc::Class& cls) {
  SBApplicationController::declareClass(cls);
  declareApplicationRegistry(cls);
}

void declareRootFolderView(objc::Class& cls) {
  SBRootFolderView::declareClass(cls);
  plain::declareRootFolderScrolling(cls);
}

// One class of the table: it exists from `since` up to and including `until` (0: no end).
struct ClassEntry {
  std::string_view name;
  std::string_view superclass;
  int since;
  int until;
  Declaration declare;
};

constexpr int kAny = 0;

// In registration order: a superclass comes before its subclasses.
constexpr std::array kClasses{
    // The platform's own classes that SpringBoard's build on.
    ClassEntry{"NSObject", "", kAny, kAny, declareNothing},
    ClassEntry{"UIResponder", "NSObject", kAny, kAny, declareNothing},
    ClassEntry{"UIView", "UIResponder", kAny, kAny, declareView},
    ClassEntry{"UIViewController", "UIResponder", kAny, kAny, declareViewController},
    ClassEntry{"UIApplication", "UIResponder", kAny, kAny, SpringBoard::declareApplicationClass},
    ClassEntry{"UILabel", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"UIImageView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"UIScrollView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"UIWindow", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"CALayer", "NSObject", kAny, kAny, declareNothing},
    ClassEntry{"AVPlayerLayer", "CALayer", kAny, kAny, declareNothing},
    ClassEntry{"AVFlashlight", "NSObject", kAny, kAny, AVFlashlight::declareClass},
    // UIKit's remote views, through which view services show their controllers.
    ClassEntry{"NSXPCInterface", "NSObject", kAny, kAny, declareNothing},
    ClassEntry{"_UIRemoteView", "UIView", kAny, kAny, web::RemoteView::declareClass},
    ClassEntry{"_UIRemoteViewController", "UIViewController", kAny, kAny, web::RemoteViewController::declareClass},
    ClassEntry{"_UIViewServiceViewControllerProxy", "NSObject", kAny, kAny, web::ServiceProxy::declareClass},
    ClassEntry{"UIImage", "NSObject", kAny, kAny, declareApplicationIconImages},
    // The application and its services.
    ClassEntry{"SpringBoard", "UIApplication", kAny, kAny, SpringBoard::declareClass},
    ClassEntry{"FBSSystemService", "NSObject", kAny, kAny, FBSSystemService::declareClass},
    ClassEntry{"SBLockScreenManager", "NSObject", kAny, kAny, SBLockScreenManager::declareClass},
    ClassEntry{"SBLockScreenUnlockRequest", "NSObject", kAny, kAny, SBLockScreenUnlockRequest::declareClass},
    ClassEntry{"SBFWallpaperFilterSettings", "NSObject", kAny, kAny, SBFWallpaperFilterSettings::declareClass},
    ClassEntry{"SBScreenWakeAnimationSettings", "NSObject", kAny, kAny, SBScreenWakeAnimationSettings::declareClass},
    ClassEntry{"SBScreenWakeAnimationController", "NSObject", kAny, kAny, SBScreenWakeAnimationController::declareClass},
    ClassEntry{"SBBacklightController", "NSObject", kAny, kAny, SBBacklightController::declareClass},
    ClassEntry{"SBControlCenterController", "NSObject", kAny, kAny, SBControlCenterController::declareClass},
    ClassEntry{"MTAlarmManagerExportedObject", "NSObject", kAny, kAny, MTAlarmManagerExportedObject::declareClass},
    ClassEntry{"SBCameraHardwareButton", "NSObject", kAny, kAny, SBCameraHardwareButton::declareClass},
    ClassEntry{"SBMediaController", "NSObject", kAny, kAny, SBMediaController::declareClass},
    ClassEntry{"SBIdleTimerGlobalStateMonitor", "NSObject", kAny, kAny, SBIdleTimerGlobalStateMonitor::declareClass},
    ClassEntry{"SBDashBoardIdleTimerProvider", "NSObject", kAny, kAny, SBDashBoardIdleTimerProvider::declareClass},
    ClassEntry{"SBApplication", "NSObject", kAny, kAny, declareApplication},
    ClassEntry{"SBApplicationController", "NSObject", kAny, kAny, declareApplicationController},
    ClassEntry{"SBStatusBarStateAggregator", "NSObject", kAny, kAny, SBStatusBarStateAggregator::declareClass},
    ClassEntry{"SBUIController", "NSObject", kAny, kAny, SBUIController::declareClass},
    ClassEntry{"SBCoverSheetPresentationManager", "NSObject", 11, kAny, SBCoverSheetPresentationManager::declareClass},
    // What the status bar and the data providers read of the device.
    ClassEntry{"BCBatteryDevice", "NSObject", kAny, kAny, BCBatteryDevice::declareClass},
    ClassEntry{"BCBatteryDeviceController", "NSObject", kAny, kAny, BCBatteryDeviceController::declareClass},
    ClassEntry{"SBWiFiManager", "NSObject", kAny, kAny, SBWiFiManager::declareClass},
    ClassEntry{"SBTelephonySubscriptionInfo", "NSObject", kAny, kAny, SBTelephonySubscriptionInfo::declareClass},
    ClassEntry{"SBTelephonyManager", "NSObject", kAny, kAny, SBTelephonyManager::declareClass},
    ClassEntry{"MTAlarm", "NSObject", kAny, kAny, MTAlarm::declareClass},
    ClassEntry{"MTAlarmCache", "NSObject", kAny, kAny, MTAlarmCache::declareClass},
    ClassEntry{"MTAlarmManager", "NSObject", kAny, kAny, MTAlarmManager::declareClass},
    ClassEntry{"SBScheduledAlarmObserver", "NSObject", kAny, kAny, SBScheduledAlarmObserver::declareClass},
    ClassEntry{"BluetoothManager", "NSObject", kAny, kAny, BluetoothManager::declareClass},
    ClassEntry{"SBApplicationIcon", "NSObject", kAny, kAny, SBApplicationIcon::declareClass},
    ClassEntry{"SBIdleTimerGlobalCoordinator", "NSObject", 11, kAny, SBIdleTimerGlobalCoordinator::declareClass},
    // Weather.
    ClassEntry{"WFTemperature", "NSObject", kAny, kAny, WFTemperature::declareClass},
    ClassEntry{"CLLocation", "NSObject", kAny, kAny, CLLocation::declareClass},
    ClassEntry{"WADayForecast", "NSObject", kAny, kAny, WADayForecast::declareClass},
    ClassEntry{"WAHourlyForecast", "NSObject", kAny, kAny, WAHourlyForecast::declareClass},
    ClassEntry{"WeatherPreferences", "NSObject", kAny, kAny, WeatherPreferences::declareClass},
    ClassEntry{"City", "NSObject", kAny, kAny, City::declareClass},
    ClassEntry{"WAForecastModel", "NSObject", kAny, kAny, WAForecastModel::declareClass},
    ClassEntry{"WFLocation", "NSObject", kAny, kAny, WFLocation::declareClass},
    ClassEntry{"WATodayAutoupdatingLocationModel", "NSObject", kAny, kAny, WATodayAutoupdatingLocationModel::declareClass},
    ClassEntry{"WALockscreenWidgetViewController", "UIViewController", kAny, kAny,
               WALockscreenWidgetViewController::declareClass},
    // The lock screen.
    ClassEntry{"CSCoverSheetViewController", "UIViewController", 13, kAny, declareCoverSheetViewController},
    ClassEntry{"SBDashBoardViewController", "UIViewController", kAny, 12, declareCoverSheetViewController},
    ClassEntry{"SBLockScreenViewController", "UIViewController", kAny, 9, plain::declareLegacyChargingView},
    ClassEntry{"CSCoverSheetViewBase", "UIView", 13, kAny, declareNothing},
    ClassEntry{"CSCoverSheetView", "CSCoverSheetViewBase", 13, kAny, declareNothing},
    ClassEntry{"SBDashBoardView", "UIView", kAny, 12, declareNothing},
    ClassEntry{"CSMainPageView", "UIView", 13, kAny, CSMainPageView::declareClass},
    ClassEntry{"SBDashBoardMainPageView", "UIView", kAny, 12, CSMainPageView::declareClass},
    ClassEntry{"SBFLockScreenDateView", "UIView", kAny, kAny, SBFLockScreenDateView::declareClass},
    ClassEntry{"CSProminentTimeView", "UIView", 16, kAny, CSProminentTimeView::declareClass},
    ClassEntry{"SBUILegibilityLabel", "UILabel", kAny, kAny, declareNothing},
    ClassEntry{"NCNotificationListView", "UIScrollView", kAny, kAny, declareNothing},
    ClassEntry{"NCNotificationListCell", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"NCMaterialDisplayingCaptureOnlyViewControllerView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"CSAdjunctItemView", "UIView", 13, kAny, declareNothing},
    ClassEntry{"SBDashBoardAdjunctItemView", "UIView", kAny, 12, declareNothing},
    ClassEntry{"CSBatteryChargingView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"CSPageControl", "UIView", 13, kAny, declareNothing},
    ClassEntry{"SBDashBoardPageControl", "UIView", kAny, 12, declareNothing},
    ClassEntry{"CSQuickActionsView", "UIView", 13, kAny, declareNothing},
    ClassEntry{"SBDashBoardQuickActionsView", "UIView", kAny, 12, declareNothing},
    ClassEntry{"CSQuickActionsButton", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"SBUICallToActionLabel", "UILabel", kAny, kAny, plain::declareCallToActionLabel},
    ClassEntry{"CSHomeAffordanceView", "UIView", 13, kAny, declareNothing},
    ClassEntry{"SBDashBoardHomeAffordanceView", "UIView", kAny, 12, declareNothing},
    ClassEntry{"CSTimerViewController", "UIViewController", 14, kAny, declareTimerViewController},
    ClassEntry{"SBLockScreenTimerViewController", "UIViewController", kAny, 13, CSTimerViewController::declareClass},
    ClassEntry{"CSTimerView", "UILabel", 14, kAny, SBLockScreenTimerView::declareClass},
    ClassEntry{"SBLockScreenTimerView", "UILabel", kAny, 13, SBLockScreenTimerView::declareClass},
    ClassEntry{"SBFStaticWallpaperView", "UIImageView", kAny, kAny, plain::declareStaticWallpaperView},
    ClassEntry{"PBUIPosterVariantViewController", "UIViewController", 16, kAny, PBUIPosterVariantViewController::declareClass},
    // The notification list and the lock screen's other items.
    ClassEntry{"CSCombinedListViewController", "UIViewController", 13, kAny, NotificationListController::declareCombinedListClass},
    ClassEntry{"NCNotificationStructuredListViewController", "UIViewController", 14, kAny,
               plain::declareStructuredListViewController},
    ClassEntry{"SBDashBoardHostedAppViewController", "UIViewController", kAny, kAny, plain::declareHostedAppViewController},
    ClassEntry{"NCNotificationListHeaderTitleView", "UIView", kAny, kAny, plain::declareListHeaderTitleView},
    ClassEntry{"NCNotificationSeamlessContentView", "UIView", kAny, kAny, plain::declareSeamlessContentView},
    ClassEntry{"CSListItemManager", "NSObject", 13, kAny, CSNotificationAdjunctListViewController::declareListItemManager},
    ClassEntry{"CSAdjunctListItem", "NSObject", kAny, kAny, CSAdjunctListItem::declareClass},
    ClassEntry{"CSFocusActivityView", "UIView", 15, kAny, declareNothing},
    ClassEntry{"NCNotificationListCountIndicatorView", "UIView", 16, kAny, plain::declareCountIndicatorView},
    ClassEntry{"CSBackgroundContentView", "UIView", 13, kAny, declareNothing},
    ClassEntry{"CSNotificationAdjunctListViewController", "UIViewController", 13, kAny,
               CSNotificationAdjunctListViewController::declareClass},
    ClassEntry{"SBDashBoardNotificationAdjunctListViewController", "UIViewController", kAny, 12,
               CSNotificationAdjunctListViewController::declareLegacyClass},
    ClassEntry{"SBUIProudLockContainerViewController", "UIViewController", 12, kAny, plain::declareProudLockContainer},
    ClassEntry{"CSProminentDisplayView", "UIView", 16, kAny, declareNothing},
    ClassEntry{"CSFixedFooterView", "UIView", 13, kAny, plain::declareFixedFooterView},
    ClassEntry{"CSTeachableMomentsContainerView", "UIView", 13, kAny, plain::declareTeachableMomentsContainer},
    ClassEntry{"CSQuickActionsViewController", "UIViewController", 13, kAny, plain::declareQuickActionsViewController},
    // The status bar.
    ClassEntry{"_UIStatusBar", "UIView", kAny, kAny, StatusBar::declareClass},
    ClassEntry{"_UIStatusBarStringView", "UILabel", kAny, kAny, declareNothing},
    ClassEntry{"_UIStatusBarCellularSignalView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"_UIStatusBarWifiSignalView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"_UIBatteryView", "UIView", kAny, kAny, declareNothing},
    // The home screen.
    ClassEntry{"SBHomeScreenViewController", "UIViewController", kAny, kAny, SBHomeScreenViewController::declareClass},
    ClassEntry{"SBHomeScreenView", "UIView", kAny, kAny, SBHomeScreenView::declareClass},
    ClassEntry{"SBIconContentView", "UIView", kAny, kAny, SBIconContentView::declareClass},
    ClassEntry{"SBRootFolderView", "UIView", kAny, kAny, declareRootFolderView},
    ClassEntry{"SBRootFolderController", "UIViewController", kAny, kAny, SBRootFolderController::declareClass},
    ClassEntry{"SBIconController", "NSObject", kAny, kAny, declareIconController},
    ClassEntry{"SBHIconManager", "NSObject", kAny, kAny, declareIconManager},
    ClassEntry{"SBIconModel", "NSObject", kAny, kAny, SBIconModel::declareClass},
    ClassEntry{"SBIconScrollView", "UIScrollView", kAny, kAny, declareNothing},
    ClassEntry{"SBIconListView", "UIView", kAny, kAny, declareIconListView},
    ClassEntry{"SBDockIconListView", "SBIconListView", kAny, kAny, declareNothing},
    ClassEntry{"SBIconListGridLayoutConfiguration", "NSObject", 13, kAny, SBIconListGridLayoutConfiguration::declareClass},
    ClassEntry{"SBIconView", "UIView", kAny, kAny, plain::declareIconView},
    ClassEntry{"SBIconImageView", "UIImageView", kAny, kAny, declareNothing},
    ClassEntry{"SBIconLabelView", "UILabel", kAny, kAny, declareNothing},
    ClassEntry{"SBIconBadgeView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"SBIconListPageControl", "UIView", kAny, kAny, plain::declarePageControl},
    ClassEntry{"SBHSearchBar", "UIView", 14, kAny, declareNothing},
    ClassEntry{"SBDockView", "UIView", kAny, kAny, plain::declareDockView},
    ClassEntry{"SBFloatingDockPlatterView", "UIView", 13, kAny, plain::declareFloatingDockPlatterView},
    ClassEntry{"SBFloatingDockView", "UIView", 13, kAny, plain::declareFloatingDockView},
    ClassEntry{"SBFStatusBarLegibilityView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"SBFluidSwitcherGestureManager", "NSObject", 13, kAny, plain::declareSwitcherGestureManager},
    ClassEntry{"SBWorkspaceTransitionContext", "NSObject", kAny, kAny, plain::declareWorkspaceTransitionContext},
    ClassEntry{"SBTodayViewController", "UIViewController", kAny, 13, plain::declareAppearingViewController},
    ClassEntry{"SBHomeScreenTodayViewController", "UIViewController", 14, kAny, plain::declareAppearingViewController},
    ClassEntry{"SBHLibraryViewController", "UIViewController", 14, kAny, plain::declareAppearingViewController},
    ClassEntry{"SBHomeScreenOverlayViewController", "UIViewController", 14, kAny, plain::declareOverlayViewController},
    ClassEntry{"SBHTodayView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"SBHLibraryView", "UIView", kAny, kAny, declareNothing},
    ClassEntry{"SBSearchOverlayView", "UIView", kAny, kAny, declareNothing},
};

bool existsOn(const ClassEntry& entry, int iosVersion) {
  return (entry.since == kAny || iosVersion >= entry.since) && (entry.until == kAny || iosVersion <= entry.until);
}

// Names that changed with a version: before `since`, the class was called `legacy`.
struct RenamedClass {
  std::string_view modern;
  std::string_view legacy;
  int since;
};

constexpr std::array kRenamedClasses{
    RenamedClass{"CSCoverSheetViewController", "SBDashBoardViewController", 13},
    RenamedClass{"CSCoverSheetView", "SBDashBoardView", 13},
    RenamedClass{"CSMainPageView", "SBDashBoardMainPageView", 13},
    RenamedClass{"CSAdjunctItemView", "SBDashBoardAdjunctItemView", 13},
    RenamedClass{"CSPageControl", "SBDashBoardPageControl", 13},
    RenamedClass{"CSQuickActionsView", "SBDashBoardQuickActionsView", 13},
    RenamedClass{"CSHomeAffordanceView", "SBDashBoardHomeAffordanceView", 13},
    RenamedClass{"CSTimerViewController", "SBLockScreenTimerViewController", 14},
    RenamedClass{"CSTimerView", "SBLockScreenTimerView", 14},
};

}  // namespace

void registerSpringBoardClasses(int iosVersion) {
  removeSpringBoardClasses();
  for (const ClassEntry& entry : kClasses) {
    if (!existsOn(entry, iosVersion)) continue;
    objc::Class* cls = objc::registerClass(entry.name, entry.superclass);
    if (cls == nullptr) {
      foundation::systemLog("SpringBoard: could not register class " + std::string(entry.name));
      continue;
    }
    entry.declare(*cls);
  }
}

void removeSpringBoardClasses() {
  // Subclasses first, so no class outlives its name's superclass in the table.
  for (auto entry = kClasses.rbegin(); entry != kClasses.rend(); ++entry) objc::removeClass(entry->name);
}

std::vector<std::string> springBoardClassNames(int iosVersion) {
  std::vector<std::string> names;
  for (const ClassEntry& entry : kClasses) {
    if (existsOn(entry, iosVersion)) names.emplace_back(entry.name);
  }
  return names;
}

std::string versionedClassName(std::string_view modernName, int iosVersion) {
  const auto renamed = std::find_if(kRenamedClasses.begin(), kRenamedClasses.end(),
                                    [&](const RenamedClass& entry) { return entry.modern == modernName; });
  if (renamed != kRenamedClasses.end() && iosVersion < renamed->since) return std::string(renamed->legacy);
  return std::string(modernName);
}

}  // namespace platform::springboard
