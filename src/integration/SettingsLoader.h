#pragma once

namespace vantile::integration {

inline constexpr const char* kSettingsDomain = "com.kestrune.vantile";

// Read the settings domain afresh into the tweak's state and push what belongs to the date,
// weather and controller singletons. Silent: an unreadable domain reads as empty (the
// preferences layer says why).
void loadPreferences();
void loadLockScreenThemeOffset();
void loadHomeScreenThemeOffset();

}  // namespace vantile::integration
