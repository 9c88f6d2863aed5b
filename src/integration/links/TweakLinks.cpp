#include "integration/links/TweakLinks.h"

#include "controller/VantileController.h"
#include "platform/springboard/services/MediaRemote.h"

namespace vantile::integration {

TweakLinks TweakLinks::standard() {
  TweakLinks links;
  links.createViewFromTheme = [](const std::string& path, const std::string& location) {
    return VantileController::sharedInstance()->createViewFromTheme(path, location);
  };
  links.timeUpdated = [](const std::string& location) { VantileController::sharedInstance()->timeUpdated(location); };
  links.fastUpdate = [](const std::string& location) { VantileController::sharedInstance()->fastUpdate(location); };
  links.deviceWakening = [](bool waking) { VantileController::sharedInstance()->deviceWakening(waking); };
  links.deviceUnlocked = [](bool unlocked) { VantileController::sharedInstance()->deviceUnlocked(unlocked); };
  links.getNowPlayingInfo = [](std::function<void(platform::Value)> completion) {
    platform::springboard::MRMediaRemoteGetNowPlayingInfo(std::move(completion));
  };
  return links;
}

}  // namespace vantile::integration
