#include "integration/ProviderLinks.h"

#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/images/DeviceReadings.h"
#include "engine/images/ImagePipeline.h"
#include "integration/TweakState.h"
#include "platform/foundation/Strings.h"
#include "providers/system/SpringBoardReadings.h"
#include "providers/system/VantileSystem.h"
#include "providers/weather/VantileWeather.h"

namespace vantile::integration {

namespace {

constexpr const char* kWeatherIconsURL = "file:///var/mobile/Library/VantileAssets/weatherIcons/";

// The element's "iconSet" picture of the current condition, or of its "forecast" day or hour.
std::optional<platform::graphics::Image> weatherIconImage(const platform::Value& element) {
  const platform::Value& weather = VantileWeather::getWeatherInfo();
  std::optional<std::string> code = conventions::stringFor(weather, "conditionCode");
  if (!code) VantileWeather::checkIfWeatherNeedsUpdating();
  const auto forecast = conventions::stringFor(element, "forecast");
  if (forecast && (platform::foundation::contains(*forecast, "day") || platform::foundation::contains(*forecast, "hour"))) {
    code = conventions::stringFor(weather, *forecast + "icon");
  }
  const auto iconSet = conventions::stringFor(element, "iconSet");
  if (!code || !iconSet) return std::nullopt;
  std::string url(kWeatherIconsURL);
  url.append(*iconSet).append("/").append(*code).append(".png");
  return ImagePipeline::recolouredImage(ImagePipeline::imageAtFileURL(url), element);
}

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
  controller.batteryAsInt = VantileSystem::batteryAsInt;
  controller.hooks.getCorrectWeatherIconImage = weatherIconImage;
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
}

}  // namespace vantile::integration
