#include "controller/VantileController.h"
#include "controller/data/DataTokenNames.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "providers/VantileDates.h"

namespace vantile {

std::optional<std::string> VantileController::resolveToken(std::string_view name) {
  if (VantileDates::isToken(name)) return VantileDates::token(name);
  if (providers.isSystemToken && providers.isSystemToken(name)) {
    return providers.systemToken ? providers.systemToken(name) : std::nullopt;
  }
  if (providers.getWeatherInfo) {
    const platform::Value& weather = providers.getWeatherInfo();
    if (weather.is_object()) {
      if (auto found = weather.find(name); found != weather.end()) return platform::foundation::description(*found);
    }
  }
  return "na";
}

std::optional<std::string> VantileController::cachedTokenValue(std::string_view name) {
  if (!passTokenValues_) return resolveToken(name);
  if (auto found = passTokenValues_->find(name); found != passTokenValues_->end()) return found->second;
  return passTokenValues_->emplace(std::string(name), resolveToken(name)).first->second;
}

std::optional<std::string> VantileController::handleData(std::optional<std::string_view> text) {
  if (providers.checkIfWeatherNeedsUpdating) providers.checkIfWeatherNeedsUpdating();
  if (!text) return std::nullopt;
  std::string result(*text);
  for (const std::string_view name : dataTokenNames(*text)) {
    const auto value = cachedTokenValue(name);
    if (!value) continue;
    std::string token(1, '[');
    token.append(name).push_back(']');
    result = platform::foundation::replacingOccurrences(result, token, *value);
  }
  return result;
}

}  // namespace vantile
