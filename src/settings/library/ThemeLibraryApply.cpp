// Applying a theme of the library to the lock screen or the home screen.
#include "editor/themefiles/ThemeApply.h"
#include "platform/ui/controls/AlertController.h"
#include "settings/library/CreatorThemeDownloader.h"

namespace vantile::settings {

void CreatorThemeDownloader::setThemeForTweak(const std::string& name) { setThemeForTweak(name, isForSB); }

void CreatorThemeDownloader::setThemeForTweak(const std::string& name, bool forHomeScreen) {
  // The same record the editor writes; a missing settings file is created.
  if (!applyThemeToTweak(name, forHomeScreen ? "SB" : "LS")) {
    showError("The theme " + themeFileNameForApply(name) + " could not be applied.");
    return;
  }
  alertThemeApplied();
}

void CreatorThemeDownloader::alertThemeApplied() { showError("Theme Applied"); }

}  // namespace vantile::settings
