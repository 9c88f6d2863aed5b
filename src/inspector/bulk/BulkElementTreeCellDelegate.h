#pragma once

#include <string>

namespace vantile {

class BulkElementTreeCell;

// Hears a row's name edits; it decides the name and puts it into the row's name label.
class BulkElementTreeCellDelegate {
 public:
  virtual ~BulkElementTreeCellDelegate() = default;
  virtual void cellDidRequestNameEdit(BulkElementTreeCell& cell, const std::string& newName) = 0;
};

}  // namespace vantile
