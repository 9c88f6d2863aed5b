#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantile {

// The tweak's settings domain, whose property list is the settings store the tweak reads.
inline constexpr std::string_view kTweakSettingsDomain = "com.kestrune.vantile";

// The settings key of a place: "VantileTheme" for "LS", "SB_VantileTheme" for any other place.
std::string themeApplyKey(std::string_view place);
// The name as the settings keep it: with ".json" unless it holds it already.
std::string themeFileNameForApply(std::string_view name);
// The notifications that tell the tweak, in the order they are posted.
std::vector<std::string> themeApplyNotifications(std::string_view place);

// Records the theme for the place in the tweak's settings (a missing settings file is created,
// an unreadable one is left as it is) and posts the notifications. A name that breaks the user
// file-name rule is refused with a log line. False when nothing was recorded.
bool applyThemeToTweak(std::string_view name, std::string_view place);

}  // namespace vantile
