#include "ThemeSettings.h"

#include "hosts/common/JsonReading.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/values/Conversions.h"

namespace vantile::springboard {

namespace {

constexpr const char* kThemesFolder = "/var/mobile/Library/Vantile/themes/";

bool enabled(const platform::Value& settings, const char* key) {
  const auto entry = settings.find(key);
  return entry != settings.end() && platform::foundation::boolValue(*entry);
}

void readThemePath(const platform::Value& settings, const char* key, std::string& path) {
  const auto entry = settings.find(key);
  if (entry != settings.end() && entry->is_string()) {
    path = kThemesFolder + entry->get<std::string>();
  }
}

}  // namespace

ThemeSettings readThemeSettings() {
  ThemeSettings result;
  const auto settings = platform::foundation::PreferenceDomain(kSettingsDomain).read();
  if (!settings) {
    return result;
  }
  result.lockScreenEnabled = enabled(*settings, "enabled");
  result.homeScreenEnabled = enabled(*settings, "enabled_sb");
  readThemePath(*settings, "VantileTheme", result.lockScreenThemePath);
  readThemePath(*settings, "SB_VantileTheme", result.homeScreenThemePath);
  return result;
}

std::optional<std::string> themeFileProblem(const std::string& themePath) {
  const auto file = platform::foundation::devicePath(themePath);
  const auto text = platform::foundation::readFile(file);
  if (!text) {
    return themePath + " does not exist (no file " + file.string() + ")";
  }
  const hosts::ParsedJson parsed = hosts::parseJson(*text);
  if (!parsed.isJson()) {
    return themePath + " is not JSON (" + parsed.error + ")";
  }
  const platform::Value& theme = parsed.value;
  const auto root = theme.is_object() ? theme.find("PresetView") : theme.end();
  if (!theme.is_object() || root == theme.end() || !root->is_object()) {
    return themePath + " has no \"PresetView\" object";
  }
  return std::nullopt;
}

}  // namespace vantile::springboard
