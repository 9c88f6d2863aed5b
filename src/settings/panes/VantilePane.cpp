#include "settings/panes/VantilePane.h"

#include "platform/ui/navigation/BarButtonItem.h"
#include "settings/panes/Respring.h"

namespace vantile::settings {

VantilePane::VantilePane(ConstructionKey key, std::string rowFileName)
    : ListController(key), rowFileName_(std::move(rowFileName)) {
  respringButton = platform::ui::BarButtonItem::make("Respring", [] { settings::respring(); });
  navigationItem().setRightBarButtonItem(respringButton);
}

const std::vector<platform::preferences::PaneRow>& VantilePane::specifiers() {
  if (!specifiers_) {
    specifiers_ = loadSpecifiersFromPlistName(rowFileName_);
    didLoadSpecifiers();
  }
  return *specifiers_;
}

void VantilePane::viewWillAppear(bool animated) {
  ListController::viewWillAppear(animated);
  setControlTint(kControlTint);
}

void VantilePane::respring() { settings::respring(); }

}  // namespace vantile::settings
