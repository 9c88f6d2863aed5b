// The long press on a theme: the picker's menu, the large preview or deleting.
#include <filesystem>
#include <system_error>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "settings/export/ThemeExport.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "settings/library/ThemeLibraryPaths.h"

namespace vantile::settings {

namespace ui = platform::ui;
using ui::AlertAction;

void CreatorThemeDownloader::handleLongPress(ui::GestureRecognizer& recognizer) {
  if (recognizer.state() != ui::GestureRecognizer::State::began || !collectionView) return;
  const std::optional<platform::graphics::Point> point = recognizer.locationInView(collectionView.get());
  if (!point) return;
  const std::optional<ui::IndexPath> place = collectionView->indexPathForItemAtPoint(*point);
  if (!place) return;
  const std::optional<std::string> name = themeNameAt(*place);
  if (!name) return;
  if (completionBlock) {
    showCreatorMenuForTheme(*name);
  } else if (githubDict.is_object() && !githubDict.empty()) {
    showBigPreviewForTheme(*name);
  } else {
    showOptionsMenuForTheme(*name);
  }
}

void CreatorThemeDownloader::showCreatorMenuForTheme(const std::string& name) {
  auto menu =
      ui::AlertController::make("Theme options for " + name, std::nullopt, ui::AlertController::Style::actionSheet);
  const TopViewControllerSource presenter = [library = weakLibrary()] {
    const auto strong = library.lock();
    return strong ? strong->topViewController() : nullptr;
  };
  menu->addAction({"Export Theme", AlertAction::Style::normal, [name, presenter] { exportTheme(name, presenter); }});
  menu->addAction({"Export Theme To Repo (EXPERT)", AlertAction::Style::normal,
                   [name, presenter] { exportThemeToRepo(name, presenter); }});
  menu->addAction({"Delete Theme", AlertAction::Style::normal, [library = weakLibrary(), name] {
                     if (const auto strong = library.lock()) strong->showOptionsMenuForTheme(name);
                   }});
  menu->addAction({"Cancel", AlertAction::Style::normal, {}});
  presentAlert(menu);
}

void CreatorThemeDownloader::showOptionsMenuForTheme(const std::string& name) {
  if (name == kDefaultTheme) {
    cantDelete();
    return;
  }
  auto menu =
      ui::AlertController::make("Delete options for " + name, std::nullopt, ui::AlertController::Style::actionSheet);
  menu->addAction({"Delete Theme " + name, AlertAction::Style::normal, [library = weakLibrary(), name] {
                     const auto strong = library.lock();
                     if (!strong) return;
                     strong->deleteFileAtPath(themeDocumentFile(name));
                     strong->deleteFileAtPath(themePreviewFile(name));
                     strong->themeNames = getLocalThemes();
                     strong->reloadGrid();
                   }});
  menu->addAction({"Cancel", AlertAction::Style::normal, {}});
  presentAlert(menu);
}

void CreatorThemeDownloader::cantDelete() { showError("Time theme cannot be deleted."); }

void CreatorThemeDownloader::deleteFileAtPath(const std::string& path) {
  const std::filesystem::path file = platform::foundation::devicePath(path);
  std::error_code error;
  // What is not there is not deletable, and passes silently.
  if (!std::filesystem::exists(std::filesystem::symlink_status(file, error))) return;
  if (std::filesystem::remove(file, error) && !error) return;
  platform::foundation::systemLog("The library could not delete " + path + ": " + error.message());
  if (path.find(".jpg") == std::string::npos) showError("Error deleting file " + error.message());
}

}  // namespace vantile::settings
