#include "settings/panes/VTPRootListController.h"

namespace vantile::settings {

std::shared_ptr<VTPRootListController> VTPRootListController::make() {
  return std::make_shared<VTPRootListController>(ConstructionKey{});
}

VTPRootListController::VTPRootListController(ConstructionKey key) : ListController(key) {}

const std::vector<platform::preferences::PaneRow>& VTPRootListController::specifiers() {
  if (!specifiers_) {
    specifiers_ = loadSpecifiersFromPlistName("Root");
  }
  return *specifiers_;
}

}  // namespace vantile::settings
