#include "settings/SettingsPanes.h"

#include "platform/preferences/PaneRegistry.h"
#include "settings/editing/CreateTheme.h"
#include "settings/editing/EditTheme.h"
#include "settings/library/EditorLibraryConnection.h"
#include "settings/library/ThemeLibraryPanes.h"
#include "settings/panes/VTPRootListController.h"
#include "settings/repositioning/MoveThemeLS.h"
#include "settings/repositioning/MoveThemeSB.h"

namespace vantile::settings {

void registerPanes() {
  auto& registry = platform::preferences::PaneRegistry::shared();
  registry.registerPane(std::string(VTPRootListController::className), [] { return VTPRootListController::make(); });
  registry.registerPane(std::string(CreateTheme::className), [] { return CreateTheme::make(); });
  registry.registerPane(std::string(MoveThemeLS::className), [] { return MoveThemeLS::make(); });
  registry.registerPane(std::string(MoveThemeSB::className), [] { return MoveThemeSB::make(); });
  registry.registerPane(std::string(EditTheme::className), [] { return EditTheme::make(); });
  registry.registerPane(std::string(LSTheme::className), [] { return LSTheme::make(); });
  registry.registerPane(std::string(SBTheme::className), [] { return SBTheme::make(); });
  registry.registerPane(std::string(DownloadTheme::className), [] { return DownloadTheme::make(); });
  connectEditorToLibrary();
}

}  // namespace vantile::settings
