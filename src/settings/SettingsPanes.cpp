#include "settings/SettingsPanes.h"

#include "platform/preferences/CellClassRegistry.h"
#include "platform/preferences/PaneRegistry.h"
#include "settings/editing/CreateTheme.h"
#include "settings/editing/EditTheme.h"
#include "settings/library/EditorLibraryConnection.h"
#include "settings/library/ThemeLibraryPanes.h"
#include "settings/panes/HideOptions.h"
#include "settings/panes/KSCustomSliderCell.h"
#include "settings/panes/SubPanes.h"
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
  registry.registerPane(std::string(IconOptionsD::className), [] { return IconOptionsD::make(); });
  registry.registerPane(std::string(LSOptions::className), [] { return LSOptions::make(); });
  registry.registerPane(std::string(LSThemeOptions::className), [] { return LSThemeOptions::make(); });
  registry.registerPane(std::string(SBThemeOptions::className), [] { return SBThemeOptions::make(); });
  registry.registerPane(std::string(iOS16::className), [] { return iOS16::make(); });
  registry.registerPane(std::string(LSHTML::className), [] { return LSHTML::make(); });
  registry.registerPane(std::string(HideOptions::className), [] { return HideOptions::make(); });
  registry.registerPane(std::string(HideSBOptions::className), [] { return HideSBOptions::make(); });
  platform::preferences::CellClassRegistry::shared().registerCellClass(
      std::string(KSCustomSliderCell::cellClassName),
      [](const platform::preferences::PaneRow& row, platform::preferences::ListController& pane) {
        return KSCustomSliderCell::make(row, pane);
      });
  connectEditorToLibrary();
}

}  // namespace vantile::settings
