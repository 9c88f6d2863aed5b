#include "editor/themefiles/ThemeApply.h"

#include "editor/themefiles/ThemeFileNames.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"

namespace vantile {

namespace {
constexpr std::string_view kLockScreen = "LS";
}  // namespace

std::string themeApplyKey(std::string_view place) {
  return place == kLockScreen ? "VantileTheme" : "SB_VantileTheme";
}

std::string themeFileNameForApply(std::string_view name) {
  std::string fileName(name);
  if (fileName.find(".json") == std::string::npos) fileName += ".json";
  return fileName;
}

std::vector<std::string> themeApplyNotifications(std::string_view place) {
  return {"com.kestrune.vantile/preferences.changed",
          place == kLockScreen ? "com.kestrune.vantile/lsChanged" : "com.kestrune.vantile/sbChanged"};
}

bool applyThemeToTweak(std::string_view name, std::string_view place) {
  const std::string fileName = themeFileNameForApply(name);
  if (!isAcceptableThemeFileName(fileName)) {
    platform::foundation::systemLog("The theme \"" + fileName + "\" was not applied: its name breaks the file-name rule.");
    return false;
  }
  const platform::foundation::PreferenceDomain settings{std::string(kTweakSettingsDomain)};
  const bool recorded = settings.setValueForKey(themeApplyKey(place), fileName);
  if (!recorded) {
    platform::foundation::systemLog("The theme " + fileName + " could not be recorded in the settings of " +
                                    settings.domain() + "; the tweak is told anyway.");
  }
  for (const std::string& notification : themeApplyNotifications(place)) {
    platform::foundation::DarwinNotificationCenter::shared().post(notification);
  }
  return recorded;
}

}  // namespace vantile
