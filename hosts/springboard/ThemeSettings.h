#pragma once

#include <optional>
#include <string>

namespace vantile::springboard {

inline constexpr const char* kSettingsDomain = "com.kestrune.vantile";

// The themes the tweak will attach, as the settings domain (with the host's overrides) names
// them; the host checks the files before it launches so that a user learns what is wrong.
struct ThemeSettings {
  bool lockScreenEnabled = false;
  bool homeScreenEnabled = false;
  std::string lockScreenThemePath = "/var/mobile/Library/Vantile/themes/vertical.json";
  std::string homeScreenThemePath = "/var/mobile/Library/Vantile/themes/vertical.json";
};

ThemeSettings readThemeSettings();

// What keeps the theme file at a system path from showing (missing, not JSON, no "PresetView"),
// or nothing when it is a theme.
std::optional<std::string> themeFileProblem(const std::string& themePath);

}  // namespace vantile::springboard
