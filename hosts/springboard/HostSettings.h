#pragma once

#include <optional>
#include <string>

namespace vantile::springboard {

// What the host takes from the settings domain "com.kestrune.vantile" before it builds the
// screens (the tweak's settings loader will take this over).
struct HostSettings {
  // Theme file names in "/var/mobile/Library/Vantile/themes/"; the loader's default when missing.
  std::string lockTheme = "vertical.json";
  std::string homeTheme = "vertical.json";
  bool twentyFourHour = false;
  // In "/var/mobile/Library/VantileAssets/languages/".
  std::string languageFile = "en.json";
};

// Reads the domain; a missing or unreadable file gives the defaults, with a line on standard
// error saying so.
HostSettings readHostSettings();

// The date provider's two settings: the 24-hour switch and the language file.
void applyDateSettings(const HostSettings& settings);

std::string themePath(const std::string& themeFileName);

}  // namespace vantile::springboard
