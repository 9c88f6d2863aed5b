#include "platform/springboard/SpringBoardProcess.h"

#include <cmath>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/network/NetworkInterfaces.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/objc/Messaging.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/homescreen/SBHomeScreenViewController.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/lockscreen/CSTimerViewController.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/springboard/services/AVFlashlight.h"
#include "platform/springboard/services/AppRegistry.h"
#include "platform/springboard/services/FBSSystemService.h"
#include "platform/springboard/services/MTAlarmManagerExportedObject.h"
#include "platform/springboard/services/MediaRemote.h"
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
#include "platform/springboard/status/BCBatteryDeviceController.h"
#include "platform/springboard/status/BluetoothManager.h"
#include "platform/springboard/status/SBScheduledAlarmObserver.h"
#include "platform/springboard/status/SBTelephonyManager.h"
#include "platform/springboard/status/SBWiFiManager.h"
#include "platform/springboard/status/WeatherPreferences.h"
#include "platform/springboard/views/PBUIPosterVariantViewController.h"
#include "platform/springboard/views/Wallpaper.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/EventHitTesting.h"
#include "platform/ui/views/Screen.h"

namespace platform::springboard {

namespace {

// A phone has been up for a while when the story starts.
constexpr double kUptimeAtStart = 3 * 24 * 3600;
constexpr double kLongPressDuration = 0.8;
constexpr int kSwipeSteps = 8;
constexpr double kSwipeDistance = 200;
constexpr double kTopEdge = 60;
constexpr std::int64_t kLockScreenVariant = 0;
constexpr std::int64_t kHomeScreenVariant = 1;

void postDarwin(std::string_view name) { foundation::DarwinNotificationCenter::shared().post(name); }

foundation::MainQueue& mainQueue() { return foundation::MainQueue::shared(); }

constexpr double kNotchedScreenHeight = 812;

template <class T>
std::shared_ptr<T> makeShared(std::string_view className) {
  auto object = std::make_shared<T>();
  SharedInstances::set(className, object);
  return object;
}

graphics::Point swipeEnd(graphics::Point start, SwipeDirection direction) {
  switch (direction) {
    case SwipeDirection::up: return {start.x, start.y - kSwipeDistance};
    case SwipeDirection::down: return {start.x, start.y + kSwipeDistance};
    case SwipeDirection::left: return {start.x - kSwipeDistance, start.y};
    case SwipeDirection::right: return {start.x + kSwipeDistance, start.y};
  }
  return start;
}

bool isKind(const std::shared_ptr<ui::View>& view, std::string_view className) {
  return objc::isKindOfClass(dynamic_cast<objc::Object*>(view.get()), className);
}

void markForLayout(ui::View& view) {
  view.setNeedsLayout();
  for (const auto& subview : view.subviews()) markForLayout(*subview);
}

// The nearest view at or above `view` of the class.
std::shared_ptr<ui::View> enclosing(std::shared_ptr<ui::View> view, std::string_view className) {
  for (; view; view = view->superview()) {
    if (isKind(view, className)) return view;
  }
  return nullptr;
}

}  // namespace

SpringBoardProcess::SpringBoardProcess(DeviceState state)
    : device_(DeviceModel::shared()), iosVersion_(state.ios), bootTime_(mainQueue().now() - kUptimeAtStart) {
  if (!state.timeZone.empty() && !foundation::setTimeZone(state.timeZone)) {
    foundation::systemLog("SpringBoard: unknown time zone \"" + state.timeZone + "\", keeping the process's");
  }
  if (!state.locale.empty() && !foundation::setDeviceLocale(state.locale)) {
    foundation::systemLog("SpringBoard: unknown locale \"" + state.locale + "\", keeping the process's");
  }
  ui::Device::currentDevice().setSystemVersion(state.systemVersion());
  ui::Device::currentDevice().setName(state.deviceName);
  foundation::setInterfaceAlias("en0", state.wifi.interface);
  device_.reset(std::move(state));
  registerSpringBoardClasses(iosVersion_);
  makeSharedObjects();
  deviceObservation_ = device_.observe([this](const std::vector<DeviceChange>& changes) { deviceChanged(changes); });
}

SpringBoardProcess::~SpringBoardProcess() {
  *alive_ = false;
  if (minuteTimer_) minuteTimer_->invalidate();
  if (secondTimer_) secondTimer_->invalidate();
  SharedInstances::clear();
}

void SpringBoardProcess::makeSharedObjects() {
  springBoard_ = makeShared<SpringBoard>("SpringBoard");
  lockScreenManager_ = makeShared<SBLockScreenManager>("SBLockScreenManager");
  mediaController_ = makeShared<SBMediaController>("SBMediaController");
  aggregator_ = makeShared<SBStatusBarStateAggregator>("SBStatusBarStateAggregator");
  applicationController_ = makeShared<SBApplicationController>("SBApplicationController");
  wakeController_ = makeShared<SBScreenWakeAnimationController>("SBScreenWakeAnimationController");
  backlightController_ = makeShared<SBBacklightController>("SBBacklightController");
  controlCenter_ = makeShared<SBControlCenterController>("SBControlCenterController");
  cameraButton_ = makeShared<SBCameraHardwareButton>("SBCameraHardwareButton");
  idleMonitor_ = makeShared<SBIdleTimerGlobalStateMonitor>("SBIdleTimerGlobalStateMonitor");
  idleProvider_ = makeShared<SBDashBoardIdleTimerProvider>("SBDashBoardIdleTimerProvider");
  if (iosVersion_ >= 11) {
    presentationManager_ = makeShared<SBCoverSheetPresentationManager>("SBCoverSheetPresentationManager");
    presentationManager_->presentationChanged = [this](bool presented) { presentCoverSheet(presented); };
  }
  uiController_ = makeShared<SBUIController>("SBUIController");
  if (iosVersion_ >= 11) idleCoordinator_ = makeShared<SBIdleTimerGlobalCoordinator>("SBIdleTimerGlobalCoordinator");
  iconController_ = makeShared<SBIconController>("SBIconController");
  iconManager_ = makeShared<SBHIconManager>("SBHIconManager");
  iconManager_->iconModel->visibleIconIdentifiers = [this] {
    std::vector<std::string> visible;
    for (const auto& application : applicationController_->allApplications()) {
      const AppState* app = device_.state().app(application->bundleIdentifier());
      if (app == nullptr || !app->hidden) visible.push_back(application->bundleIdentifier());
    }
    return visible;
  };
  iconManager_->iconController = iconController_;
  iconController_->iconManager = iconManager_;
  systemService_ = makeShared<FBSSystemService>("FBSSystemService");
  systemService_->openApplication = [this](const std::string& bundleID) { return openApplication(bundleID); };
  alarmManager_ = makeShared<MTAlarmManagerExportedObject>("MTAlarmManagerExportedObject");
  locationModel_ = std::make_shared<WATodayAutoupdatingLocationModel>();
  weatherWidget_ = makeShared<WALockscreenWidgetViewController>("WALockscreenWidgetViewController");
  locationModel_->widget = weatherWidget_;
  locationModel_->forecastFor = [this](const WFLocation&) { return forecastModelFor(device_.state()); };
  // Stateless: they read the device at each call.
  makeShared<BCBatteryDeviceController>("BCBatteryDeviceController");
  makeShared<SBWiFiManager>("SBWiFiManager");
  makeShared<SBTelephonyManager>("SBTelephonyManager");
  makeShared<SBScheduledAlarmObserver>("SBScheduledAlarmObserver");
  makeShared<BluetoothManager>("BluetoothManager");
  makeShared<WeatherPreferences>("WeatherPreferences");

  springBoard_->showingHomescreen = [this] {
    return shown_ == ShownScreen::homeScreen && !coverSheetOverHome_ && !device_.state().locked;
  };
  springBoard_->physicalButtonPressed = [this](const ui::Event& event) { physicalButtonPressed(event); };
  springBoard_->launchApplication = [this](const std::string& bundleID) { return openApplication(bundleID); };
  lockScreenManager_->unlockUI = [this] {
    unlock();
    return !device_.state().locked;
  };
  aggregator_->itemChanged = [this](std::int64_t) {
    if (coverSheet_) coverSheet_->statusBar()->refresh(device_.state());
    if (auto home = homeScreenView()) home->statusBar()->refresh(device_.state());
  };
  cameraButton_->cameraVisible = [this] { return coverSheet_ && coverSheet_->isShowingCamera(); };
  uiController_->powerChanged = [this] { refreshScreens(); };

  std::vector<std::shared_ptr<SBApplication>> applications;
  for (const AppState& app : device_.state().apps) {
    auto application = std::make_shared<SBApplication>(app.bundleID, app.name);
    application->setKinds(app.system, app.internal);
    application->badgeChanged = [this](SBApplication& changed) {
      if (auto home = homeScreenView()) {
        if (auto icon = home->iconContentView()->rootFolderView()->iconViewFor(changed.bundleIdentifier())) {
          icon->setBadge(changed.badgeText());
        }
      }
    };
    applications.push_back(std::move(application));
  }
  applicationController_->setApplications(std::move(applications));
}

void SpringBoardProcess::launch() {
  if (launched_) return;
  launched_ = true;
  // SpringBoard knows the badges before it shows an icon.
  for (const auto& application : applicationController_->allApplications()) {
    const AppState* app = device_.state().app(application->bundleIdentifier());
    if (app != nullptr && app->badge) application->setBadgeValue(*app->badge);
  }
  buildScreens();
  checkWallpaper(kLockScreenVariant);
  checkWallpaper(kHomeScreenVariant);
  flashlight_ = AVFlashlight::make();
  springBoard_->applicationDidFinishLaunching();
  refreshScreens();
  if (device_.state().locked) {
    presentLockScreen();
  } else {
    showHomeScreen();
  }
  deliverNowPlaying();
  deliverForecast();
  announceAlarms();
  timerRunning_ = device_.state().timer.running;
  if (timerRunning_) timerController_->tick(device_.state().timer.remaining);
  startClocks();
}

void SpringBoardProcess::buildScreens() {
  const graphics::Rect bounds = ui::Screen::mainScreen().bounds();
  homeScreen_ = SBHomeScreenViewController::make();
  homeScreenWindow_ = ui::Window::make(bounds);
  homeWallpaper_ = makeWallpaperView(WallpaperVariant::homeScreen, bounds);
  homeScreenWindow_->addSubview(homeWallpaper_);
  homeScreenWindow_->addSubview(homeScreen_->loadViewIfNeeded());
  homeScreenWindow_->setRootViewController(homeScreen_);
  // Screens as tall as the notched phones' leave room for the notch and the home indicator.
  if (bounds.height() >= kNotchedScreenHeight) homeScreenWindow_->setSafeAreaInsets({44, 0, 34, 0});
  homeScreenWindow_->makeKeyAndVisible();
  if (auto home = homeScreenView()) {
    iconController_->rootFolderController->rootFolderView = home->iconContentView()->rootFolderView();
  }

  coverSheet_ = CSCoverSheetViewController::make(iosVersion_);
  lockScreenWindow_ = ui::Window::make(bounds);
  lockWallpaper_ = makeWallpaperView(WallpaperVariant::lockScreen, bounds);
  lockScreenWindow_->addSubview(lockWallpaper_);
  if (iosVersion_ >= 16) {
    posterControllers_ = {std::make_shared<PBUIPosterVariantViewController>(kLockScreenVariant, lockWallpaper_),
                          std::make_shared<PBUIPosterVariantViewController>(kHomeScreenVariant, homeWallpaper_)};
  }
  lockScreenWindow_->addSubview(coverSheet_->coverSheetView());
  const double width = bounds.size.width;
  auto timerView = SBLockScreenTimerView::make(iosVersion_, {16, 352 - 48, width - 32, 40});
  timerView->setHidden(true);
  coverSheet_->mainPageView()->addSubview(timerView);
  timerController_ = std::make_shared<CSTimerViewController>(iosVersion_, std::move(timerView));

  coverSheet_->dateView()->updateLabels();
  if (coverSheet_->prominentTimeView()) coverSheet_->prominentTimeView()->updateTimeString();
}

std::shared_ptr<SBHomeScreenView> SpringBoardProcess::homeScreenView() const {
  return homeScreen_ ? std::dynamic_pointer_cast<SBHomeScreenView>(homeScreen_->view()) : nullptr;
}

void SpringBoardProcess::startClocks() {
  const auto reading = foundation::calendarDate(mainQueue().now());
  const double intoMinute = reading ? reading->second + (mainQueue().now() - std::floor(mainQueue().now())) : 0;
  const double untilNextMinute = 60 - intoMinute;
  std::weak_ptr<bool> alive = alive_;
  mainQueue().postAfter(untilNextMinute, [this, alive] {
    if (alive.expired()) return;
    minuteChanged();
    minuteTimer_ = mainQueue().scheduleRepeating(60, [this](foundation::RepeatingTimer&) { minuteChanged(); });
  });
  secondTimer_ = mainQueue().scheduleRepeating(1, [this](foundation::RepeatingTimer&) { secondPassed(); });
}

void SpringBoardProcess::minuteChanged() {
  coverSheet_->dateView()->updateLabels();
  if (coverSheet_->prominentTimeView()) coverSheet_->prominentTimeView()->updateTimeString();
  aggregator_->updateTimeItems();
}

void SpringBoardProcess::secondPassed() {
  const DeviceState& state = device_.state();
  if (state.nowPlaying.playing) coverSheet_->refresh(state, device_.nowPlayingElapsed());
  if (state.timer.running) {
    const double remaining = state.timer.remaining - 1;
    if (remaining <= 0) {
      device_.update([](DeviceState& changed) {
        changed.timer.running = false;
        changed.timer.remaining = 0;
      });
    } else {
      device_.update([remaining](DeviceState& changed) { changed.timer.remaining = remaining; });
    }
  }
}

void SpringBoardProcess::refreshScreens() {
  if (!launched_) return;
  const DeviceState& state = device_.state();
  coverSheet_->refresh(state, device_.nowPlayingElapsed());
  if (auto home = homeScreenView()) home->statusBar()->refresh(state);
  // SpringBoard lays its screens out again before they show, so each layout operation runs.
  for (const auto& window : {lockScreenWindow_, homeScreenWindow_}) {
    markForLayout(*window);
    window->layoutIfNeeded();
  }
}

const std::shared_ptr<ui::Window>& SpringBoardProcess::shownWindow() const {
  return shown_ == ShownScreen::lockScreen ? lockScreenWindow_ : homeScreenWindow_;
}

double SpringBoardProcess::uptime() const { return mainQueue().now() - bootTime_; }

void SpringBoardProcess::setUptime(double seconds) { bootTime_ = mainQueue().now() - seconds; }

// Lock state and screens

void SpringBoardProcess::presentLockScreen() {
  shown_ = ShownScreen::lockScreen;
  frontApplication_.reset();
  coverSheetOverHome_ = false;
  lockScreenManager_->lockScreenViewControllerDidPresent();
  coverSheet_->mainPageView()->updateForPresentation(nullptr);
  checkWallpaper(kLockScreenVariant);
}

void SpringBoardProcess::dismissLockScreen() {
  lockScreenManager_->lockScreenViewControllerWillDismiss();
  showHomeScreen();
}

void SpringBoardProcess::showHomeScreen() {
  shown_ = ShownScreen::homeScreen;
  coverSheetOverHome_ = false;
  frontApplication_.reset();
  iconController_->homeScreenIconsOccluded = false;
  springBoard_->isShowingHomescreen();
  checkWallpaper(kHomeScreenVariant);
}

void SpringBoardProcess::checkWallpaper(std::int64_t variant) {
  const auto index = static_cast<std::size_t>(variant);
  if (index < posterControllers_.size()) {
    posterControllers_[index]->takeSnapshot();
    return;
  }
  auto* wallpaper = dynamic_cast<objc::Object*>((variant == kLockScreenVariant ? lockWallpaper_ : homeWallpaper_).get());
  if (wallpaper == nullptr) return;
  objc::send<signatures::DisplaysWallpaper>(*wallpaper, "isDisplayingWallpaperWithConfiguration:forVariant:",
                                            nullptr, variant);
}

void SpringBoardProcess::postLockState() {
  postDarwin("com.apple.springboard.lockstate");
  if (device_.state().locked) postDarwin("com.apple.springboard.lockcomplete");
}

void SpringBoardProcess::presentCoverSheet(bool presented) {
  if (!launched_) return;
  if (presented) {
    if (shown_ == ShownScreen::lockScreen) return;
    coverSheetOverHome_ = !device_.state().locked;
    shown_ = ShownScreen::lockScreen;
    coverSheet_->mainPageView()->updateForPresentation(nullptr);
    checkWallpaper(kLockScreenVariant);
  } else if (coverSheetOverHome_) {
    showHomeScreen();
  }
}

void SpringBoardProcess::lock() {
  if (!launched_ || (device_.state().locked && shown_ == ShownScreen::lockScreen && !coverSheetOverHome_)) return;
  if (device_.state().locked) {
    presentLockScreen();
    return;
  }
  device_.update([](DeviceState& state) { state.locked = true; });
}

void SpringBoardProcess::unlock() {
  if (!launched_) return;
  if (coverSheetOverHome_) {
    if (presentationManager_) presentationManager_->setCoverSheetPresented(false, true, {});
    return;
  }
  if (!device_.state().locked) return;
  if (!screenOn_) wake();
  device_.update([](DeviceState& state) { state.locked = false; });
}

void SpringBoardProcess::wake() {
  if (!launched_ || screenOn_) return;
  screenOn_ = true;
  lockScreenManager_->handleBacklightLevelWillChange({"SBBacklightLevelWillChangeNotification",
                                                      {{"SBBacklightNewFactorKey", 1}}});
  backlightController_->setBacklightFactorPending(1);
  wakeController_->startWakeAnimations(true, std::make_shared<SBScreenWakeAnimationSettings>());
  if (device_.state().locked) coverSheet_->mainPageView()->updateForPresentation(nullptr);
  postDarwin("com.apple.iokit.hid.displayStatus");
}

void SpringBoardProcess::sleep() {
  if (!launched_ || !screenOn_) return;
  backlightController_->setBacklightFactorPending(0);
  if (backlightController_->backlightFactor > 0) {
    foundation::systemLog("SpringBoard: the backlight kept its level, the screen stays on");
    return;
  }
  screenOn_ = false;
  lockScreenManager_->handleBacklightLevelWillChange({"SBBacklightLevelWillChangeNotification",
                                                      {{"SBBacklightNewFactorKey", 0}}});
  wakeController_->startWakeAnimations(false, std::make_shared<SBScreenWakeAnimationSettings>());
  postDarwin("com.apple.iokit.hid.displayStatus");
  // The screen going dark locks the phone.
  lock();
}

void SpringBoardProcess::physicalButtonPressed(const ui::Event& event) {
  const ui::Press& press = event.presses.front();
  if (press.type == SpringBoard::powerButtonPress) {
    if (screenOn_) {
      sleep();
    } else {
      wake();
    }
    return;
  }
  if (!screenOn_) {
    wake();
  } else if (shown_ == ShownScreen::lockScreen && coverSheet_->isShowingCamera()) {
    coverSheet_->dismissToMainPage(nullptr);
  } else if (shown_ == ShownScreen::lockScreen) {
    unlock();
  } else if (shown_ == ShownScreen::application) {
    showHomeScreen();
  } else {
    objc::send<signatures::Answer>(*iconController_, "handleHomeButtonTap");
    springBoard_->isShowingHomescreen();
  }
}

void SpringBoardProcess::homeButton() {
  if (!launched_) return;
  springBoard_->handlePhysicalButtonEvent({uptime(), {}, {{SpringBoard::homeButtonPress, 0}}});
}

void SpringBoardProcess::powerButton() {
  if (!launched_) return;
  springBoard_->handlePhysicalButtonEvent({uptime(), {}, {{SpringBoard::powerButtonPress, 0}}});
}

void SpringBoardProcess::plug() {
  device_.update([](DeviceState& state) {
    state.battery.charging = state.battery.level < 100;
    state.battery.externalPower = true;
  });
}

void SpringBoardProcess::unplug() {
  device_.update([](DeviceState& state) {
    state.battery.charging = false;
    state.battery.externalPower = false;
  });
}

bool SpringBoardProcess::setDeviceValue(std::string_view path, const platform::Value& value, std::string* problem) {
  return device_.setValue(path, value, problem);
}

void SpringBoardProcess::rotate(ui::DeviceOrientation orientation) {
  ui::Device::currentDevice().setOrientation(orientation);
}

// Device changes

void SpringBoardProcess::deviceChanged(const std::vector<DeviceChange>& changes) {
  if (!launched_) return;
  for (const DeviceChange& change : changes) {
    switch (change.aspect) {
      case DeviceAspect::locked:
        if (device_.state().locked) {
          presentLockScreen();
        } else {
          dismissLockScreen();
        }
        postLockState();
        break;
      case DeviceAspect::battery:
        aggregator_->notifyItemChanged(SBStatusBarStateAggregator::battery);
        break;
      case DeviceAspect::power:
        uiController_->ACPowerChanged();
        aggregator_->notifyItemChanged(SBStatusBarStateAggregator::battery);
        break;
      case DeviceAspect::wifi:
        aggregator_->notifyItemChanged(SBStatusBarStateAggregator::wifiSignal);
        break;
      case DeviceAspect::cellular:
        aggregator_->notifyItemChanged(SBStatusBarStateAggregator::cellularSignal);
        break;
      case DeviceAspect::bluetooth:
        aggregator_->notifyItemChanged(SBStatusBarStateAggregator::bluetooth);
        break;
      case DeviceAspect::alarm:
        announceAlarms();
        aggregator_->notifyItemChanged(SBStatusBarStateAggregator::alarm);
        break;
      case DeviceAspect::nowPlaying:
        deliverNowPlaying();
        break;
      case DeviceAspect::badge:
        setBadge(change.bundleID);
        break;
      case DeviceAspect::apps:
      case DeviceAspect::dock:
        if (auto home = homeScreenView()) home->iconContentView()->rootFolderView()->updateIconListViews();
        break;
      case DeviceAspect::weather:
        deliverForecast();
        break;
      case DeviceAspect::timer:
        if (device_.state().timer.running) {
          timerController_->tick(device_.state().timer.remaining);
        } else if (timerRunning_) {
          timerController_->stopTimer();
        }
        timerRunning_ = device_.state().timer.running;
        break;
      case DeviceAspect::flashlight:
      case DeviceAspect::identity:
      case DeviceAspect::calendar:
      case DeviceAspect::steps:
        break;
    }
  }
  refreshScreens();
}

void SpringBoardProcess::setBadge(const std::string& bundleID) {
  auto application = applicationController_->applicationWithBundleIdentifier(bundleID);
  const AppState* app = device_.state().app(bundleID);
  if (!application || app == nullptr) return;
  application->setBadgeValue(app->badge ? platform::Value(*app->badge) : platform::Value());
}

void SpringBoardProcess::announceAlarms() {
  const AlarmState& alarm = device_.state().alarm;
  platform::Value alarms = platform::Value::array();
  if (!alarm.time.empty()) alarms.push_back({{"time", alarm.time}, {"enabled", alarm.enabled}});
  alarmManager_->alarmsUpdated(std::move(alarms));
}

void SpringBoardProcess::deliverForecast() {
  locationModel_->locationUpdateCompleted(std::make_shared<WFLocation>(device_.state().weather.city), std::nullopt, {});
}

void SpringBoardProcess::deliverNowPlaying() {
  mediaController_->setNowPlayingInfo(nowPlayingInfo(device_));
}

// Touches

std::shared_ptr<ui::View> SpringBoardProcess::hitTest(graphics::Point point) {
  const auto& window = shownWindow();
  if (!window) return nullptr;
  ui::Touch touch;
  touch.location = point;
  touch.previousLocation = point;
  touch.timestamp = uptime();
  touch.root = window;
  const ui::Event event{uptime(), {touch}, {}};
  return ui::hitTestWithEvent(*window, point, &event);
}

void SpringBoardProcess::tap(graphics::Point point) {
  if (!launched_ || !screenOn_) return;
  // A touch stays with the window it began in, even when its hit test changes the screen shown.
  const ShownScreen screen = shown_;
  const auto window = shownWindow();
  const auto hit = hitTest(point);
  ui::TouchInjector(window).tap(point);
  if (screen == ShownScreen::lockScreen) {
    handleTapOnLockScreen(hit);
  } else if (screen == ShownScreen::homeScreen) {
    handleTapOnHomeScreen(hit);
  }
}

void SpringBoardProcess::handleTapOnLockScreen(const std::shared_ptr<ui::View>& hit) {
  if (!hit) return;
  if (hit == coverSheet_->flashlightButton() && flashlight_) {
    flashlight_->setFlashlightLevel(flashlight_->flashlightLevel() > 0 ? 0.0F : 1.0F);
  } else if (hit == coverSheet_->cameraButton()) {
    coverSheet_->showCamera();
    cameraButton_->isCoverSheetCameraVisible();
  }
}

void SpringBoardProcess::handleTapOnHomeScreen(const std::shared_ptr<ui::View>& hit) {
  auto icon = std::dynamic_pointer_cast<SBIconView>(enclosing(hit, "SBIconView"));
  if (!icon) return;
  frontApplication_ = icon->applicationBundleIdentifier();
  shown_ = ShownScreen::application;
  iconController_->homeScreenIconsOccluded = true;
  if (auto application = applicationController_->applicationWithBundleIdentifier(*frontApplication_)) {
    application->processDidLaunch(nullptr);
  }
}

bool SpringBoardProcess::openApplication(const std::string& bundleID) {
  if (!launched_ || device_.state().locked) return false;
  auto application = applicationController_->applicationWithBundleIdentifier(bundleID);
  if (!application) return false;
  frontApplication_ = bundleID;
  shown_ = ShownScreen::application;
  coverSheetOverHome_ = false;
  application->processDidLaunch(nullptr);
  return true;
}

void SpringBoardProcess::longPress(graphics::Point point) {
  if (!launched_ || !screenOn_) return;
  const auto window = shownWindow();
  hitTest(point);
  ui::TouchInjector(window).press(point, kLongPressDuration);
}

void SpringBoardProcess::swipe(graphics::Point point, SwipeDirection direction) {
  if (!launched_ || !screenOn_) return;
  const ShownScreen screen = shown_;
  const auto window = shownWindow();
  hitTest(point);
  ui::TouchInjector(window).drag(point, swipeEnd(point, direction), kSwipeSteps);
  if (screen == ShownScreen::lockScreen && direction == SwipeDirection::up) {
    unlock();
  } else if (screen == ShownScreen::homeScreen && direction == SwipeDirection::down && point.y < kTopEdge &&
             presentationManager_) {
    presentationManager_->setCoverSheetPresented(true, true, {});
  } else if (screen == ShownScreen::application && direction == SwipeDirection::up) {
    showHomeScreen();
  }
}

}  // namespace platform::springboard
