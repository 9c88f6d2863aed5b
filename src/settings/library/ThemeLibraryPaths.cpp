#include "settings/library/ThemeLibraryPaths.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"

namespace vantile::settings {

std::string themeDocumentFile(std::string_view themeName) {
  return std::string(kThemesFolder) + std::string(themeName) + ".json";
}

std::string themePreviewFile(std::string_view themeName) {
  return std::string(kThemesFolder) + std::string(themeName) + ".jpg";
}

std::string localPreviewAddress(std::string_view themeName) {
  const std::string preview = themePreviewFile(themeName);
  const bool hasPreview = platform::foundation::fileExists(platform::foundation::devicePath(preview));
  return "file:///" + (hasPreview ? preview : std::string(kThemesFolder) + "NoPreview.jpg");
}

}  // namespace vantile::settings
