#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/preferences/ListController.h"

namespace vantile::settings {

// The bundle's first pane: the rows of its row file "Root", which lead to the other panes.
class VTPRootListController : public platform::preferences::ListController {
 public:
  static constexpr std::string_view className = "VTPRootListController";

  static std::shared_ptr<VTPRootListController> make();

  explicit VTPRootListController(ConstructionKey key);

  // Loaded from "Root" on the first call, then kept.
  const std::vector<platform::preferences::PaneRow>& specifiers() override;
};

}  // namespace vantile::settings
