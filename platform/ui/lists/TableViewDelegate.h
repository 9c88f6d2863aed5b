#pragma once

#include "platform/ui/lists/IndexPath.h"

namespace platform::ui {

class TableView;

// What a table tells and asks its delegate. Every operation is optional: the table asks
// implements() before calling one.
class TableViewDelegate {
 public:
  enum class Operation { heightForRowAtIndexPath, didSelectRowAtIndexPath };

  virtual ~TableViewDelegate() = default;

  virtual bool implements(Operation operation) const = 0;

  // In points; without it every row is the table's rowHeight.
  virtual double heightForRowAtIndexPath(TableView&, IndexPath) { return 0; }
  // A tap chose the row; it is selected already.
  virtual void didSelectRowAtIndexPath(TableView&, IndexPath) {}
};

}  // namespace platform::ui
