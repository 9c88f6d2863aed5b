#include "integration/links/SpringBoardAnswers.h"

#include "controller/VantileController.h"
#include "platform/foundation/files/DeviceRoot.h"
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

}  // namespace

void answerControllerFromSpringBoard() {
  VantileController& controller = *VantileController::sharedInstance();
  controller.hooks.appRecords = installedApps;
  controller.hooks.applicationIconImage = iconOf;

  controller.providers.nowPlayingArtwork = nowPlayingArtwork;
}

}  // namespace vantile::integration
