#include "settings/export/ThemeExport.h"

#include "platform/foundation/files/SystemLog.h"

// Placeholder until export is built.
namespace vantile::settings {

void exportTheme(std::string_view themeName, const TopViewControllerSource&) {
  platform::foundation::systemLog("Export of " + std::string(themeName) + " is not built yet");
}
void exportThemeToRepo(std::string_view themeName, const TopViewControllerSource&) {
  platform::foundation::systemLog("Export of " + std::string(themeName) + " is not built yet");
}

}  // namespace vantile::settings
