#include "SpringBoardHost.h"

#include <iostream>

#include "ScreenOutputs.h"
#include "StopSignals.h"
#include "ThemeSettings.h"
#include "TweakLoading.h"
#include "hosts/common/PlugInLoading.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/device/DeviceStateReader.h"
#include "platform/ui/views/Screen.h"
#include "platform/web/RemoteViewController.h"
#include "platform/web/ViewServiceDirectory.h"
#include "hosts/common/scenario/ScenarioReader.h"
#include "hosts/common/scenario/ScenarioRunner.h"

namespace vantile::springboard {

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitRefused = 2;

// How long, at most, the pictures wait for the web widget's service.
constexpr double kRemoteViewCatchUp = 10;

// How often a live run looks for changed screens.
constexpr double kLiveCheckInterval = 0.25;

void report(const std::string& line) { std::cerr << line << "\n"; }

OutputPaths outputPaths(const HostOptions& options) { return {options.lockPng, options.homePng, options.dump}; }

}  // namespace

SpringBoardHost::SpringBoardHost(HostOptions options) : options_(std::move(options)) {}

SpringBoardHost::~SpringBoardHost() = default;

int SpringBoardHost::run() {
  // Before anything can start a thread, so that every thread keeps the two signals blocked.
  std::optional<StopSignals> stops;
  if (options_.live) {
    stops.emplace();
  }
  if (options_.scenario) {
    auto reading = hosts::readScenarioFile(*options_.scenario, hosts::ScenarioHost::springboard);
    if (!reading.events) {
      report(reading.error);
      return kExitRefused;
    }
    events_ = std::move(*reading.events);
  }
  if (const auto failed = start()) {
    return *failed;
  }
  if (stops) {
    return runLive(*stops);
  }
  hosts::runScenario(events_, options_.seconds, *session_);
  // The web widget's service draws in its own time: its pictures catch up first (bounded).
  platform::web::waitForRemoteViews(kRemoteViewCatchUp);
  ScreenOutputs outputs(outputPaths(options_));
  return outputs.write(session_->lockScreen(), session_->homeScreen(), session_->springBoardState()) ? kExitSuccess : kExitFailure;
}

std::optional<int> SpringBoardHost::start() {
  if (!std::filesystem::is_directory(options_.root)) {
    report("springboard: the device folder " + options_.root.string() + " does not exist");
    return kExitRefused;
  }
  platform::foundation::setDeviceRoot(std::filesystem::absolute(options_.root));
  platform::foundation::Bundle::main().setBundleIdentifier("com.apple.springboard");
  auto device = readDevice();
  // --at is read in the zone the device's screens show (an unknown one is reported at launch).
  if (!device.timeZone.empty()) {
    platform::foundation::setTimeZone(device.timeZone);
  }
  auto& screen = platform::ui::Screen::mainScreen();
  screen.setBounds({0, 0, options_.screen.width, options_.screen.height});
  screen.setScale(options_.screen.scale);
  if (!startClock()) {
    return kExitRefused;
  }

  // Laid over the settings in memory, so that the user's settings file stays as it is.
  if (options_.lockTheme) {
    platform::foundation::PreferenceDomain::overrideValue(kSettingsDomain, "VantileTheme", *options_.lockTheme);
  }
  if (options_.homeTheme) {
    platform::foundation::PreferenceDomain::overrideValue(kSettingsDomain, "SB_VantileTheme", *options_.homeTheme);
  }
  reportThemeProblems();

  // SpringBoard's classes exist before the tweak loads, so that it can replace their operations.
  session_ = std::make_unique<StandInSession>(std::move(device));
  if (const auto webService = builtWebServicePath()) {
    platform::web::registerViewService("com.kestrune.webservices", *webService);
  }
  const auto library = options_.tweak.value_or(builtTweakPath());
  if (const auto problem = hosts::loadPlugIn(library)) {
    report("springboard: cannot load the tweak " + library.string() + ": " + *problem);
    return kExitFailure;
  }
  session_->launch();
  return std::nullopt;
}

platform::springboard::DeviceState SpringBoardHost::readDevice() const {
  auto reading = platform::springboard::readDeviceStateFile(platform::foundation::deviceRoot() / "device.json");
  for (const std::string& problem : reading.problems) {
    report("springboard: " + problem);
  }
  if (options_.ios) {
    reading.state.ios = *options_.ios;
  }
  return std::move(reading.state);
}

bool SpringBoardHost::startClock() const {
  auto& queue = platform::foundation::MainQueue::shared();
  if (options_.live) {
    queue.useRealClock();
    return true;
  }
  if (!options_.at) {
    queue.useManualClock(queue.now());
    return true;
  }
  const auto start = timeStampInProcessZone(*options_.at);
  if (!start) {
    report("springboard: the time given to --at cannot be placed in the process's time zone");
    return false;
  }
  queue.useManualClock(*start);
  return true;
}

void SpringBoardHost::reportThemeProblems() const {
  struct ScreenTheme {
    const char* screen;
    bool enabled;
    const std::string& path;
  };
  const ThemeSettings themes = readThemeSettings();
  for (const ScreenTheme& theme : {ScreenTheme{"lock-screen", themes.lockScreenEnabled, themes.lockScreenThemePath},
                                   ScreenTheme{"home-screen", themes.homeScreenEnabled, themes.homeScreenThemePath}}) {
    if (!theme.enabled) {
      continue;
    }
    if (const auto problem = themeFileProblem(theme.path)) {
      report(std::string("springboard: the ") + theme.screen + " theme " + *problem + "; showing the placeholder");
    }
  }
}

int SpringBoardHost::runLive(StopSignals& stops) {
  if (!stops.isValid()) {
    return kExitFailure;
  }
  auto& queue = platform::foundation::MainQueue::shared();
  // After the tweak's own handlers have marked the theme, so that the new one shows.
  const auto showAgain = [this](const std::string&) {
    platform::foundation::MainQueue::shared().post([this] { session_->showFrontScreenAgain(); });
  };
  auto& notifications = platform::foundation::DarwinNotificationCenter::shared();
  const auto lockScreenChanged = notifications.addObserver("com.kestrune.vantile/lsChanged", showAgain);
  const auto homeScreenChanged = notifications.addObserver("com.kestrune.vantile/sbChanged", showAgain);
  ScreenOutputs outputs(outputPaths(options_));
  while (!stops.received()) {
    outputs.write(session_->lockScreen(), session_->homeScreen(), session_->springBoardState());
    queue.runFor(kLiveCheckInterval);
  }
  return kExitSuccess;
}

}  // namespace vantile::springboard
