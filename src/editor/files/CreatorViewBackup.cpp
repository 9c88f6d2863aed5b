// The one-slot backup of the edited theme and its recovery.
#include "editor/CreatorView.h"
#include "editor/files/EditorAlerts.h"
#include "editor/files/ThemeBackup.h"

namespace vantile {

using platform::ui::AlertAction;

namespace {
std::string shownThemeName(std::string_view fileName) {
  constexpr std::string_view extension = ".json";
  if (fileName.empty()) return "time";
  if (fileName.ends_with(extension)) fileName.remove_suffix(extension.size());
  return std::string(fileName);
}
}  // namespace

void CreatorView::backupTheme() { ThemeBackup{selectedTheme, creatorPreset}.store(); }

bool CreatorView::recoverTheme() {
  std::optional<ThemeBackup> backup = ThemeBackup::stored();
  if (!backup) return false;
  if (backup->themeFile == selectedTheme) {
    installThemeBackup(std::move(*backup));
    return true;
  }
  // Recovering another theme's backup silently would let the next save overwrite this theme with it.
  const std::string message = "The backup holds the theme " + shownThemeName(backup->themeFile) +
                              ", not " + shownThemeName(selectedTheme) + ". Do you wish to recover it?";
  presentEditorAlert(topViewController(),
                     makeEditorAlert(message, {{"Cancel", AlertAction::Style::cancel, {}},
                                               {"Recover", AlertAction::Style::normal,
                                                [canvas = weakCanvas(), backup = std::move(*backup)] {
                                                  if (const auto strong = canvas.lock()) {
                                                    strong->installThemeBackup(backup);
                                                  }
                                                }}}));
  return true;
}

void CreatorView::installThemeBackup(ThemeBackup backup) {
  creatorPreset = std::move(backup.document);
  selectedTheme = std::move(backup.themeFile);
  reloadTheme();
  refreshScrollview();
}

}  // namespace vantile
