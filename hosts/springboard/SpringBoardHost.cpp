#include "SpringBoardHost.h"

#include <chrono>
#include <cstdio>
#include <string>

#include "ThemeViews.h"
#include "ViewTreeDump.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/Files.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/SystemLog.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/Screen.h"

namespace vantile::springboard {

namespace {

using platform::foundation::systemLog;

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitBadArguments = 2;

bool writePicture(const platform::ui::View& screen, const std::filesystem::path& file) {
  const auto picture = platform::ui::snapshot(screen);
  const auto png = picture ? platform::graphics::encodePNG(*picture) : std::nullopt;
  if (!png || !platform::foundation::writeFileAtomically(file, *png)) {
    systemLog("springboard: cannot write the picture " + file.string());
    return false;
  }
  std::printf("%s\n", file.c_str());
  return true;
}

}  // namespace

SpringBoardHost::SpringBoardHost(HostOptions options) : options_(std::move(options)) {}

bool SpringBoardHost::start() {
  if (!std::filesystem::is_directory(options_.root)) {
    systemLog("springboard: the device folder " + options_.root.string() + " does not exist");
    return false;
  }
  platform::foundation::setDeviceRoot(std::filesystem::absolute(options_.root));
  auto& screen = platform::ui::Screen::mainScreen();
  screen.setBounds({0, 0, options_.screen.width, options_.screen.height});
  screen.setScale(options_.screen.scale);

  auto& queue = platform::foundation::MainQueue::shared();
  if (options_.at) {
    const auto start = timeStampInProcessZone(*options_.at);
    if (!start) {
      systemLog("springboard: the time given to --at cannot be placed in the process's time zone");
      return false;
    }
    queue.useManualClock(*start);
  } else {
    queue.useManualClock(queue.now());
  }

  settings_ = readHostSettings();
  applyDateSettings(settings_);
  lockScreen_ = buildScreen(kLockScreen, options_.lockTheme.value_or(settings_.lockTheme));
  homeScreen_ = buildScreen(kHomeScreen, options_.homeTheme.value_or(settings_.homeTheme));
  return true;
}

std::shared_ptr<platform::ui::Window> SpringBoardHost::buildScreen(const ScreenKind& kind,
                                                                   const std::string& themeFile) const {
  const std::string path = themePath(themeFile);
  const auto began = std::chrono::steady_clock::now();
  auto themeRoot = buildThemeView(path, std::string(kind.location));
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - began;
  if (!themeRoot) {
    systemLog("springboard: the theme controller built nothing for the " + std::string(kind.location));
  }
  std::printf("%.*s: %s built in %.1f ms\n", static_cast<int>(kind.location.size()), kind.location.data(), path.c_str(),
              took.count());
  return composeScreen(kind, themeRoot);
}

void SpringBoardHost::runClock(double seconds) { platform::foundation::MainQueue::shared().advance(seconds); }

platform::Value SpringBoardHost::dump() const { return dumpScreens(*lockScreen_, *homeScreen_); }

bool SpringBoardHost::writeOutputs() const {
  bool written = true;
  if (options_.lockPng) {
    written = writePicture(*lockScreen_, *options_.lockPng) && written;
  }
  if (options_.homePng) {
    written = writePicture(*homeScreen_, *options_.homePng) && written;
  }
  if (options_.dump) {
    if (platform::foundation::writeFileAtomically(
            *options_.dump, dump().dump(2, ' ', false, platform::Value::error_handler_t::replace) + "\n")) {
      std::printf("%s\n", options_.dump->c_str());
    } else {
      systemLog("springboard: cannot write the dump " + options_.dump->string());
      written = false;
    }
  }
  return written;
}

int SpringBoardHost::run() {
  if (!start()) {
    return kExitBadArguments;
  }
  runClock(options_.seconds);
  return writeOutputs() ? kExitSuccess : kExitFailure;
}

}  // namespace vantile::springboard
