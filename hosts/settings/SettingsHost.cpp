#include "SettingsHost.h"

#include <iostream>

#include "SettingsBundle.h"
#include "hosts/common/PlugInLoading.h"
#include "hosts/common/scenario/ScenarioReader.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/views/Screen.h"

namespace vantile::settings_host {

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitRefused = 2;

void report(const std::string& line) { std::cerr << line << "\n"; }

}  // namespace

SettingsHost::SettingsHost(SettingsOptions options) : options_(std::move(options)) {}

SettingsHost::~SettingsHost() = default;

int SettingsHost::run() {
  if (options_.scenario) {
    auto reading = hosts::readScenarioFile(*options_.scenario, hosts::ScenarioHost::settings);
    if (!reading.events) {
      report(reading.error);
      return kExitRefused;
    }
    events_ = std::move(*reading.events);
  }
  if (const auto failed = start()) {
    return *failed;
  }
  hosts::runScenario(events_, 0, *session_);
  return session_->writeOutputs(options_.png, options_.dump) ? kExitSuccess : kExitFailure;
}

std::optional<int> SettingsHost::start() {
  if (!std::filesystem::is_directory(options_.root)) {
    report("settings: the device folder " + options_.root.string() + " does not exist");
    return kExitRefused;
  }
  platform::foundation::setDeviceRoot(std::filesystem::absolute(options_.root));
  auto& bundle = platform::foundation::Bundle::main();
  bundle.setBundleIdentifier(std::string(kSettingsAppIdentifier));
  bundle.setResourceFolder(kSettingsBundleFolder);
  auto& screen = platform::ui::Screen::mainScreen();
  screen.setBounds({0, 0, options_.screen.width, options_.screen.height});
  screen.setScale(options_.screen.scale);
  if (!startClock()) {
    return kExitRefused;
  }

  // As the Settings app: the tweak is loaded into every process, the bundle when its entry opens.
  for (const std::filesystem::path& library : {builtTweakPath(), builtSettingsBundlePath()}) {
    if (const auto problem = hosts::loadPlugIn(library)) {
      report("settings: cannot load " + library.string() + ": " + *problem);
      return kExitFailure;
    }
  }
  auto rootPane = makeRootPane();
  if (!rootPane) {
    report("settings: the settings bundle's root pane cannot be made (see the log)");
    return kExitFailure;
  }
  session_ = std::make_unique<SettingsSession>(std::move(rootPane));
  return std::nullopt;
}

bool SettingsHost::startClock() const {
  auto& queue = platform::foundation::MainQueue::shared();
  if (!options_.at) {
    queue.useManualClock(queue.now());
    return true;
  }
  const auto start = platform::foundation::timeStampInProcessZone(*options_.at);
  if (!start) {
    report("settings: the time given to --at cannot be placed in the process's time zone");
    return false;
  }
  queue.useManualClock(*start);
  return true;
}

}  // namespace vantile::settings_host
