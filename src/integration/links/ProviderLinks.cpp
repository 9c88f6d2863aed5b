#include "integration/links/ProviderLinks.h"

#include "controller/VantileController.h"
#include "engine/images/DeviceReadings.h"
#include "integration/TweakState.h"
#include "providers/animations/AnimationController.h"
#include "providers/system/SpringBoardReadings.h"
#include "providers/system/VantileSystem.h"
#include "providers/weather/VantileWeather.h"

namespace vantile::integration {

namespace {

void connectController(VantileController& controller) {
  TokenProviders& providers = controller.providers;
  providers.isSystemToken = VantileSystem::isToken;
  providers.systemToken = VantileSystem::token;
  providers.saveSystemJSON = [] { VantileSystem::sharedInstance().saveSystemJSON(); };
  providers.isMusicPlaying = VantileSystem::isMusicPlaying;
  providers.internalElapsed = VantileSystem::internalElapsed;
  providers.internalDuration = VantileSystem::internalDuration;
  providers.checkIfWeatherNeedsUpdating = VantileWeather::checkIfWeatherNeedsUpdating;
  providers.getWeatherInfo = []() -> const platform::Value& { return VantileWeather::getWeatherInfo(); };
  providers.batteryAsInt = VantileSystem::batteryAsInt;
  providers.signalpercent = VantileSystem::signalpercent;
  providers.wifipercent = VantileSystem::wifipercent;
  providers.isOnAC = readings::isOnAC;
}

void connectBarPictures() {
  DeviceReadings& bars = DeviceReadings::shared();
  bars.setSignalStrengthBarsSource(
      []() -> std::optional<int> { return static_cast<int>(readings::cellularSignalStrengthBars()); });
  bars.setWiFiStrengthBarsSource([]() -> std::optional<int> {
    if (!readings::currentNetworkName()) return 0;
    return static_cast<int>(readings::wifiSignalStrengthBars());
  });
}

}  // namespace

void connectDataProviders() {
  connectController(*VantileController::sharedInstance());
  connectBarPictures();
  IntegrationHooks& hooks = tweakState().hooks;
  hooks.setWeatherEnabled = [](bool enabled) { VantileWeather::sharedInstance().setWeatherEnabled(enabled); };
  hooks.parseModel = [](const std::shared_ptr<platform::objc::Object>& model) {
    VantileWeather::sharedInstance().parseModel(model);
  };
  VantileWeather::sharedInstance().loadAnimation = [](std::int32_t code) {
    AnimationController::sharedInstance().loadAnimation(code);
  };
}

}  // namespace vantile::integration
