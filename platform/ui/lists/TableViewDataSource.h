#pragma once

#include <memory>

#include "platform/ui/lists/IndexPath.h"

namespace platform::ui {

class TableView;
class TableViewCell;

// What a table shows. The row count and the cells are required; the others are optional
// (one section, rows that neither move nor delete): the table asks implements() before
// calling them.
class TableViewDataSource {
 public:
  enum class Operation {
    numberOfSectionsInTableView,
    canMoveRowAtIndexPath,
    moveRowAtIndexPath,
    canEditRowAtIndexPath,
    commitEditingStyle,
  };
  enum class EditingStyle { deletion };

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
  // Only asked of a data source that commits edits; without it every row can be deleted.
  virtual bool canEditRowAtIndexPath(TableView&, IndexPath) { return true; }
  // A swipe to the left showed the row's Delete button and the user tapped it. The data
  // source removes its entry and reloads the table.
  virtual void commitEditingStyle(TableView&, EditingStyle, IndexPath) {}
};

}  // namespace platform::ui
