#include "HostSettings.h"

#include "platform/foundation/Conversions.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/PreferenceDomain.h"
#include "platform/foundation/SystemLog.h"
#include "providers/VantileDates.h"

namespace vantile::springboard {

namespace {

constexpr const char* kSettingsDomain = "com.kestrune.vantile";
constexpr const char* kThemesFolder = "/var/mobile/Library/Vantile/themes/";
constexpr const char* kLanguagesFolder = "/var/mobile/Library/VantileAssets/languages/";

// A string setting; anything else counts as missing.
std::optional<std::string> stringSetting(const platform::Value& settings, const char* key) {
  const auto entry = settings.find(key);
  if (entry == settings.end() || !entry->is_string()) {
    return std::nullopt;
  }
  return entry->get<std::string>();
}

bool boolSetting(const platform::Value& settings, const char* key) {
  const auto entry = settings.find(key);
  if (entry == settings.end()) {
    return false;
  }
  if (entry->is_boolean()) {
    return entry->get<bool>();
  }
  if (entry->is_string()) {
    return platform::foundation::boolValue(entry->get<std::string>());
  }
  return platform::foundation::integerValue(*entry) != 0;
}

}  // namespace

HostSettings readHostSettings() {
  HostSettings result;
  const platform::foundation::PreferenceDomain domain(kSettingsDomain);
  const auto settings = domain.read();
  if (!settings) {
    platform::foundation::systemLog(
        std::string("springboard: no readable settings in ") +
        platform::foundation::devicePath(std::string("/var/mobile/Library/Preferences/") + kSettingsDomain + ".plist")
            .string() +
        "; using the default themes unless --lock-theme / --home-theme name them");
    return result;
  }
  if (auto theme = stringSetting(*settings, "VantileTheme")) {
    result.lockTheme = std::move(*theme);
  }
  if (auto theme = stringSetting(*settings, "SB_VantileTheme")) {
    result.homeTheme = std::move(*theme);
  }
  if (auto language = stringSetting(*settings, "VantileLanguage")) {
    result.languageFile = std::move(*language);
  }
  result.twentyFourHour = boolSetting(*settings, "twentyfour");
  return result;
}

void applyDateSettings(const HostSettings& settings) {
  VantileDates::sharedInstance().setTwentyFourHour(settings.twentyFourHour);
  VantileDates::sharedInstance().setLanguageDict(kLanguagesFolder + settings.languageFile);
}

std::string themePath(const std::string& themeFileName) { return kThemesFolder + themeFileName; }

}  // namespace vantile::springboard
