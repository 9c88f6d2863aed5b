#include "integration/SpringBoardAnswers.h"

#include "controller/VantileController.h"
#include "engine/images/DeviceReadings.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/services/SBApplication.h"

namespace vantile::integration {

namespace {

namespace springboard = platform::springboard;

const springboard::DeviceState& device() { return springboard::DeviceModel::shared().state(); }

// SpringBoard's apps that are not internal and have a visible icon, in its order.
std::vector<platform::Value> installedApps() {
  std::vector<platform::Value> records;
  const auto controller = springboard::SBApplicationController::sharedInstance();
  if (!controller) return records;
  for (const auto& app : controller->allApplications()) {
    const springboard::AppState* state = device().app(app->bundleIdentifier());
    if (state != nullptr && (state->internal || state->hidden)) continue;
    records.push_back({{"bundle", app->bundleIdentifier()},
                       {"name", app->displayName()},
                       {"badge", app->badgeText().value_or("")}});
  }
  return records;
}

std::optional<platform::graphics::Image> iconOf(const std::string& bundleID) {
  const springboard::AppState* app = device().app(bundleID);
  if (app == nullptr || app->icon.empty()) return std::nullopt;
  return platform::graphics::decodeImageFile(platform::foundation::devicePath(app->icon));
}

std::optional<platform::graphics::Image> nowPlayingArtwork() {
  const springboard::NowPlayingState& now = device().nowPlaying;
  if (now.artwork.empty()) return std::nullopt;
  return platform::graphics::decodeImageFile(platform::foundation::devicePath(now.artwork));
}

int wifiBars() { return device().wifi.on && !device().wifi.network.empty() ? device().wifi.bars : 0; }

}  // namespace

void answerControllerFromSpringBoard() {
  VantileController& controller = *VantileController::sharedInstance();
  controller.hooks.appRecords = installedApps;
  controller.hooks.applicationIconImage = iconOf;

  TokenProviders& providers = controller.providers;
  providers.batteryAsInt = [] { return static_cast<std::int32_t>(device().battery.level); };
  providers.signalpercent = [] { return std::to_string(device().cellular.bars * 25); };
  providers.wifipercent = [] { return std::to_string(wifiBars() * 100 / 3); };
  providers.isOnAC = [] { return device().battery.externalPower; };
  providers.isMusicPlaying = [] { return device().nowPlaying.playing; };
  providers.internalElapsed = [] {
    return static_cast<float>(springboard::DeviceModel::shared().nowPlayingElapsed());
  };
  providers.internalDuration = [] { return static_cast<float>(static_cast<std::int64_t>(device().nowPlaying.duration)); };
  providers.nowPlayingArtwork = nowPlayingArtwork;

  DeviceReadings& readings = DeviceReadings::shared();
  readings.setSignalStrengthBarsSource([] { return std::optional(device().cellular.bars); });
  readings.setWiFiStrengthBarsSource([] { return std::optional(wifiBars()); });
}

}  // namespace vantile::integration
