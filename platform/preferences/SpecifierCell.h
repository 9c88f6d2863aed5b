#pragma once

#include "platform/preferences/PaneRows.h"

namespace platform::preferences {

// A row cell of its own class that brings itself up to date with its row each time the pane
// hands it to the table.
class SpecifierCell {
 public:
  virtual void refreshCellContentsWithSpecifier(const PaneRow& row) = 0;

 protected:
  SpecifierCell() = default;
  SpecifierCell(const SpecifierCell&) = default;
  SpecifierCell& operator=(const SpecifierCell&) = default;
  ~SpecifierCell() = default;
};

}  // namespace platform::preferences
