#include "integration/SpringBoardAnswers.h"

#include "controller/VantileController.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/services/SBApplication.h"

namespace vantile::integration {

namespace {

namespace springboard = platform::springboard;

std::vector<platform::Value> installedApps() {
  std::vector<platform::Value> records;
  const auto controller = springboard::SBApplicationController::sharedInstance();
  if (!controller) return records;
  for (const auto& app : controller->allApplications()) {
    records.push_back({{"bundle", app->bundleIdentifier()},
                       {"name", app->displayName()},
                       {"badge", app->badgeText().value_or("")}});
  }
  return records;
}

std::optional<platform::graphics::Image> iconOf(const std::string& bundleID) {
  for (const springboard::AppState& app : springboard::DeviceModel::shared().state().apps) {
    if (app.bundleID != bundleID || app.icon.empty()) continue;
    return platform::graphics::decodeImageFile(platform::foundation::devicePath(app.icon));
  }
  return std::nullopt;
}

}  // namespace

void answerControllerFromSpringBoard() {
  ControllerHooks& hooks = VantileController::sharedInstance()->hooks;
  hooks.appRecords = installedApps;
  hooks.getAppImageFromBundle = iconOf;
}

}  // namespace vantile::integration
