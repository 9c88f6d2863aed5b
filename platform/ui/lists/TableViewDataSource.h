#pragma once

#include <memory>

#include "platform/ui/lists/IndexPath.h"

namespace platform::ui {

class TableView;
class TableViewCell;

// What a table shows. The row count and the cells are required; the others are optional
// (one section, rows that do not move): the table asks implements() before calling them.
class TableViewDataSource {
 public:
  enum class Operation { numberOfSectionsInTableView, canMoveRowAtIndexPath, moveRowAtIndexPath };

  virtual ~TableViewDataSource() = default;

  virtual bool implements(Operation operation) const = 0;

  virtual int numberOfRowsInSection(TableView& tableView, int section) = 0;
  // Usually a cell from the table's dequeueReusableCell; nothing leaves the place empty.
  virtual std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView& tableView, IndexPath indexPath) = 0;
  virtual int numberOfSectionsInTableView(TableView&) { return 1; }
  // Only asked of a data source that moves rows; without it every row can move.
  virtual bool canMoveRowAtIndexPath(TableView&, IndexPath) { return true; }
  // The user dragged the row at `from` to `to` (in the same section); the data source moves
  // its entry, and the table then shows the rows again.
  virtual void moveRowAtIndexPath(TableView&, IndexPath /*from*/, IndexPath /*to*/) {}
};

}  // namespace platform::ui
