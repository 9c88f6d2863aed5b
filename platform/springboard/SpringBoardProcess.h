#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/ui/gestures/Event.h"
#include "platform/ui/views/Device.h"
#include "platform/ui/views/Window.h"

namespace platform::springboard {

class AVFlashlight;
class FBSSystemService;
class CSCoverSheetViewController;
class CSTimerViewController;
class MTAlarmManagerExportedObject;
class SBApplication;
class SBApplicationController;
class SBBacklightController;
class SBCameraHardwareButton;
class SBControlCenterController;
class SBCoverSheetPresentationManager;
class SBDashBoardIdleTimerProvider;
class SBHomeScreenView;
class SBHomeScreenViewController;
class SBHIconManager;
class SBIconController;
class SBIdleTimerGlobalCoordinator;
class SBIdleTimerGlobalStateMonitor;
class PBUIPosterVariantViewController;
class SBLockScreenManager;
class SBMediaController;
class SBScreenWakeAnimationController;
class SBStatusBarStateAggregator;
class SBUIController;
class SpringBoard;
class WALockscreenWidgetViewController;
class WATodayAutoupdatingLocationModel;

enum class ShownScreen { lockScreen, homeScreen, application };
enum class SwipeDirection { up, down, left, right };

// The home-screen process: SpringBoard's objects in the runtime, its two screens and the
// device. The host makes it with the device state and the screen set, loads the tweak, then
// launches it; scenario events come in through the entry points below, and each raises the
// operations SpringBoard's own objects would (through the runtime, so replacements run).
// One at a time per process; destroying it forgets SpringBoard's shared instances.
class SpringBoardProcess {
 public:
  // Resets the device model to `state`, sets the device's system version, time zone and
  // locale, registers the classes of `state.ios` and makes SpringBoard's shared objects.
  explicit SpringBoardProcess(DeviceState state);
  ~SpringBoardProcess();
  SpringBoardProcess(const SpringBoardProcess&) = delete;
  SpringBoardProcess& operator=(const SpringBoardProcess&) = delete;

  // Builds both screens through the runtime, makes the flashlight, raises
  // applicationDidFinishLaunching:, presents the lock screen when locked (else the home
  // screen shows), hands the media and weather objects their first values and starts the
  // minute clock. Once; later calls do nothing.
  void launch();
  bool isLaunched() const { return launched_; }

  // Scenario events.
  void lock();
  void unlock();
  void wake();
  void sleep();
  void homeButton();
  void powerButton();
  void plug();
  void unplug();
  // A dotted path into device.json's keys; false (with the reason) when it names nothing.
  bool setDeviceValue(std::string_view path, const platform::Value& value, std::string* problem = nullptr);
  // Points on the screen shown. Each touch is hit-tested through the runtime with an event
  // stamped with the uptime, then played into the window for its gesture recognisers.
  void tap(graphics::Point point);
  void longPress(graphics::Point point);
  void swipe(graphics::Point point, SwipeDirection direction);
  void rotate(ui::DeviceOrientation orientation);

  // The windows (made at launch; null before).
  const std::shared_ptr<ui::Window>& lockScreenWindow() const { return lockScreenWindow_; }
  const std::shared_ptr<ui::Window>& homeScreenWindow() const { return homeScreenWindow_; }
  ShownScreen shownScreen() const { return shown_; }
  // The window of the screen shown (the home screen's under an app).
  const std::shared_ptr<ui::Window>& shownWindow() const;
  bool isScreenOn() const { return screenOn_; }
  // The app opened from the home screen, when one is in front.
  const std::optional<std::string>& frontApplication() const { return frontApplication_; }

  // Seconds since the simulated boot, on the main queue's clock (events carry it).
  double uptime() const;
  void setUptime(double seconds);

  // SpringBoard's objects.
  const std::shared_ptr<SpringBoard>& springBoard() const { return springBoard_; }
  const std::shared_ptr<CSCoverSheetViewController>& coverSheetViewController() const { return coverSheet_; }
  const std::shared_ptr<SBHomeScreenViewController>& homeScreenViewController() const { return homeScreen_; }
  std::shared_ptr<SBHomeScreenView> homeScreenView() const;
  const std::shared_ptr<SBLockScreenManager>& lockScreenManager() const { return lockScreenManager_; }
  const std::shared_ptr<SBMediaController>& mediaController() const { return mediaController_; }
  const std::shared_ptr<SBStatusBarStateAggregator>& statusBarStateAggregator() const { return aggregator_; }
  const std::shared_ptr<SBApplicationController>& applicationController() const { return applicationController_; }
  const std::shared_ptr<SBScreenWakeAnimationController>& wakeAnimationController() const { return wakeController_; }
  const std::shared_ptr<SBBacklightController>& backlightController() const { return backlightController_; }
  const std::shared_ptr<SBControlCenterController>& controlCenterController() const { return controlCenter_; }
  const std::shared_ptr<SBCameraHardwareButton>& cameraHardwareButton() const { return cameraButton_; }
  const std::shared_ptr<SBIdleTimerGlobalStateMonitor>& idleTimerMonitor() const { return idleMonitor_; }
  const std::shared_ptr<SBDashBoardIdleTimerProvider>& idleTimerProvider() const { return idleProvider_; }
  // Null before iOS 11.
  const std::shared_ptr<SBCoverSheetPresentationManager>& coverSheetPresentationManager() const {
    return presentationManager_;
  }
  const std::shared_ptr<SBUIController>& uiController() const { return uiController_; }
  // Null before iOS 11.
  const std::shared_ptr<SBIdleTimerGlobalCoordinator>& idleTimerCoordinator() const { return idleCoordinator_; }
  // The wallpaper views of the lock screen and the home screen (made at launch).
  const std::shared_ptr<ui::View>& lockScreenWallpaper() const { return lockWallpaper_; }
  const std::shared_ptr<ui::View>& homeScreenWallpaper() const { return homeWallpaper_; }
  const std::shared_ptr<SBIconController>& iconController() const { return iconController_; }
  const std::shared_ptr<FBSSystemService>& systemService() const { return systemService_; }
  const std::shared_ptr<MTAlarmManagerExportedObject>& alarmManager() const { return alarmManager_; }
  const std::shared_ptr<WATodayAutoupdatingLocationModel>& locationModel() const { return locationModel_; }
  const std::shared_ptr<WALockscreenWidgetViewController>& weatherWidget() const { return weatherWidget_; }
  const std::shared_ptr<CSTimerViewController>& timerViewController() const { return timerController_; }
  // The flashlight SpringBoard made at launch (as its init answered it).
  const std::shared_ptr<AVFlashlight>& flashlight() const { return flashlight_; }

  // Draws the device's current values into both screens (now playing's progress too).
  void refreshScreens();

 private:
  void makeSharedObjects();
  void buildScreens();
  void startClocks();
  void minuteChanged();
  void secondPassed();
  void deviceChanged(const std::vector<DeviceChange>& changes);
  void presentLockScreen();
  void dismissLockScreen();
  void presentCoverSheet(bool presented);
  void showHomeScreen();
  void physicalButtonPressed(const ui::Event& event);
  void handleTapOnLockScreen(const std::shared_ptr<ui::View>& hit);
  void handleTapOnHomeScreen(const std::shared_ptr<ui::View>& hit);
  // Brings an installed app to the front of the unlocked device; false otherwise.
  bool openApplication(const std::string& bundleID);
  std::shared_ptr<ui::View> hitTest(graphics::Point point);
  void announceAlarms();
  void deliverForecast();
  void deliverNowPlaying();
  void setBadge(const std::string& bundleID);
  // SpringBoard's look at a wallpaper as it is shown: the poster controller's snapshot from
  // iOS 16 on, the static wallpaper view's check before.
  void checkWallpaper(std::int64_t variant);
  void postLockState();

  DeviceModel& device_;
  int iosVersion_;
  bool launched_ = false;
  bool screenOn_ = true;
  ShownScreen shown_ = ShownScreen::lockScreen;
  // The cover sheet pulled over the unlocked home screen.
  bool coverSheetOverHome_ = false;
  bool timerRunning_ = false;
  std::optional<std::string> frontApplication_;
  foundation::TimeStamp bootTime_;

  std::shared_ptr<void> deviceObservation_;
  std::shared_ptr<foundation::RepeatingTimer> minuteTimer_;
  std::shared_ptr<foundation::RepeatingTimer> secondTimer_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  std::shared_ptr<SpringBoard> springBoard_;
  std::shared_ptr<SBLockScreenManager> lockScreenManager_;
  std::shared_ptr<SBMediaController> mediaController_;
  std::shared_ptr<SBStatusBarStateAggregator> aggregator_;
  std::shared_ptr<SBApplicationController> applicationController_;
  std::shared_ptr<SBScreenWakeAnimationController> wakeController_;
  std::shared_ptr<SBBacklightController> backlightController_;
  std::shared_ptr<SBControlCenterController> controlCenter_;
  std::shared_ptr<SBCameraHardwareButton> cameraButton_;
  std::shared_ptr<SBIdleTimerGlobalStateMonitor> idleMonitor_;
  std::shared_ptr<SBDashBoardIdleTimerProvider> idleProvider_;
  std::shared_ptr<SBCoverSheetPresentationManager> presentationManager_;
  std::shared_ptr<SBUIController> uiController_;
  std::shared_ptr<SBIdleTimerGlobalCoordinator> idleCoordinator_;
  std::shared_ptr<ui::View> lockWallpaper_;
  std::shared_ptr<ui::View> homeWallpaper_;
  // Lock screen's, then home screen's; empty before iOS 16.
  std::vector<std::shared_ptr<PBUIPosterVariantViewController>> posterControllers_;
  std::shared_ptr<SBIconController> iconController_;
  std::shared_ptr<SBHIconManager> iconManager_;
  std::shared_ptr<FBSSystemService> systemService_;
  std::shared_ptr<MTAlarmManagerExportedObject> alarmManager_;
  std::shared_ptr<WATodayAutoupdatingLocationModel> locationModel_;
  std::shared_ptr<WALockscreenWidgetViewController> weatherWidget_;
  std::shared_ptr<CSTimerViewController> timerController_;
  std::shared_ptr<AVFlashlight> flashlight_;

  std::shared_ptr<CSCoverSheetViewController> coverSheet_;
  std::shared_ptr<SBHomeScreenViewController> homeScreen_;
  std::shared_ptr<ui::Window> lockScreenWindow_;
  std::shared_ptr<ui::Window> homeScreenWindow_;
};

}  // namespace platform::springboard
