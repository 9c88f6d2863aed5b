#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/preferences/PaneRows.h"

namespace platform::ui {
class TableViewCell;
}

namespace platform::preferences {

class ListController;

// The cell classes rows name by "cellClass", by name: a bundle registers its own when it
// loads, and a pane makes a row's cell through its class instead of the kind's stock cell.
class CellClassRegistry {
 public:
  using Factory = std::function<std::shared_ptr<ui::TableViewCell>(const PaneRow& row, ListController& pane)>;

  static CellClassRegistry& shared();

  // A second registration of a name replaces the first.
  void registerCellClass(std::string name, Factory factory);
  // A new cell of the class; nothing, with a log line, for a name nobody registered.
  std::shared_ptr<ui::TableViewCell> makeCell(std::string_view name, const PaneRow& row, ListController& pane) const;

  CellClassRegistry(const CellClassRegistry&) = delete;
  CellClassRegistry& operator=(const CellClassRegistry&) = delete;

 private:
  CellClassRegistry() = default;

  std::map<std::string, Factory, std::less<>> factories_;
};

}  // namespace platform::preferences
