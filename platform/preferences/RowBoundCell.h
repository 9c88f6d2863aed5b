#pragma once

#include "platform/preferences/PaneRows.h"

namespace platform::preferences {

// A row cell of its own class that brings itself up to date with its row each time the pane
// hands it to the table.
class RowBoundCell {
 public:
  virtual void refreshCellContentsWithSpecifier(const PaneRow& row) = 0;

 protected:
  RowBoundCell() = default;
  RowBoundCell(const RowBoundCell&) = default;
  RowBoundCell& operator=(const RowBoundCell&) = default;
  ~RowBoundCell() = default;
};

}  // namespace platform::preferences
