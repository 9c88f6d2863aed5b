#include "settings/export/ThemeExport.h"

#include <optional>
#include <string>
#include <vector>

#include "editor/themefiles/ThemeFileNames.h"
#include "engine/helpers/UserFileNames.h"
#include "platform/foundation/files/SystemLog.h"
#include "settings/export/ExportFolder.h"
#include "settings/export/ExportItems.h"
#include "settings/export/RepositoryPreview.h"

namespace vantile::settings {

namespace {

// Copies the theme into the location; what went wrong, or nothing when the export is whole.
std::optional<std::string> exportInto(const std::string& name, std::string_view location) {
  if (!isAcceptableThemeFileName(name + ".json")) {
    platform::foundation::systemLog("Export: the theme name \"" + name + "\" breaks the file-name rule");
    return std::string(kUserFileNameRule);
  }
  const auto document = JSONFromFile("var/mobile/Library/Vantile/themes/" + name + ".json");
  if (!document) return "the theme file " + name + ".json is missing or unreadable.";
  std::vector<std::string> items;
  if (document->is_object()) {
    if (const auto preset = document->find("PresetView"); preset != document->end() && preset->is_object()) {
      if (const auto children = preset->find("children"); children != preset->end()) getItems(*children, items);
    }
  }
  const std::vector<std::string> failures = moveItems(items, name, location);
  if (!failures.empty()) return failures.front();
  return std::nullopt;
}

void showFailure(const TopViewControllerSource& topViewController, const std::string& reason) {
  showExportMessage(topViewController, "Theme export failed: " + reason);
}

}  // namespace

void exportTheme(std::string_view themeName, const TopViewControllerSource& topViewController) {
  const std::string name(themeName);
  if (const auto failure = exportInto(name, kExportedThemesFolder)) {
    showFailure(topViewController, *failure);
    return;
  }
  showExportMessage(topViewController, "Theme exported to /var/mobile/Library/Vantile/exportedthemes/" + name);
}

void exportThemeToRepo(std::string_view themeName, const TopViewControllerSource& topViewController) {
  const std::string name(themeName);
  if (const auto failure = exportInto(name, kRepositoryThemesFolder)) {
    showFailure(topViewController, *failure);
    return;
  }
  RepositoryPreview& preview = *RepositoryPreview::shared();
  preview.previewURL = std::string(kRepositoryThemesFolder) + name + "/" + name + ".jpg";
  preview.setPreviewImage(topViewController);
}

}  // namespace vantile::settings
