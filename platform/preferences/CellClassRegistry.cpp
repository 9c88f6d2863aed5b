#include "platform/preferences/CellClassRegistry.h"

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/lists/TableViewCell.h"

namespace platform::preferences {

CellClassRegistry& CellClassRegistry::shared() {
  static CellClassRegistry registry;
  return registry;
}

void CellClassRegistry::registerCellClass(std::string name, Factory factory) {
  factories_[std::move(name)] = std::move(factory);
}

std::shared_ptr<ui::TableViewCell> CellClassRegistry::makeCell(std::string_view name, const PaneRow& row,
                                                                ListController& pane) const {
  const auto found = factories_.find(name);
  if (found == factories_.end()) {
    foundation::systemLog("no settings cell class named \"" + std::string(name) + "\"");
    return nullptr;
  }
  return found->second(row, pane);
}

}  // namespace platform::preferences
