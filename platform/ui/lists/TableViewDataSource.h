#pragma once

#include <memory>

#include "platform/ui/lists/IndexPath.h"

namespace platform::ui {

class TableView;
class TableViewCell;

// What a table shows. The row count and the cells are required; the section count is
// optional (one section when not implemented): the table asks implements() before calling it.
class TableViewDataSource {
 public:
  enum class Operation { numberOfSectionsInTableView };

  virtual ~TableViewDataSource() = default;

  virtual bool implements(Operation) const { return false; }

  virtual int numberOfRowsInSection(TableView& tableView, int section) = 0;
  // Usually a cell from the table's dequeueReusableCell; nothing leaves the place empty.
  virtual std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView& tableView, IndexPath indexPath) = 0;
  virtual int numberOfSectionsInTableView(TableView&) { return 1; }
};

}  // namespace platform::ui
