#include "settings/SettingsPanes.h"

#include "platform/preferences/PaneRegistry.h"
#include "settings/editing/CreateTheme.h"
#include "platform/preferences/CellClassRegistry.h"
#include "settings/panes/HideOptions.h"
#include "settings/panes/KSCustomSliderCell.h"
#include "settings/panes/SubPanes.h"
#include "settings/panes/VTPRootListController.h"

namespace vantile::settings {

void registerPanes() {
  auto& registry = platform::preferences::PaneRegistry::shared();
  registry.registerPane(std::string(VTPRootListController::className), [] { return VTPRootListController::make(); });
  registry.registerPane(std::string(CreateTheme::className), [] { return CreateTheme::make(); });
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
}

}  // namespace vantile::settings
