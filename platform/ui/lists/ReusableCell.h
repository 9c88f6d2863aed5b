#pragma once

#include <memory>
#include <string>

#include "platform/ui/views/View.h"

namespace platform::ui {

// What table and collection cells share: a content view that callers fill, the identifier
// the list reuses the cell under, and the selected state. A list shows a cell only while its
// place is on screen; when the place leaves, the cell waits in the list's reuse queue and
// may come back for another place, after prepareForReuse.
class ReusableCell : public View {
 public:
  ReusableCell(ConstructionKey key, const graphics::Rect& frame, std::string reuseIdentifier);

  const std::string& reuseIdentifier() const { return reuseIdentifier_; }
  // Covers the cell; subclasses may leave room beside it (a table cell's accessory).
  const std::shared_ptr<View>& contentView();

  bool isSelected() const { return selected_; }
  // Animated, what the selection shows fades.
  virtual void setSelected(bool selected, bool animated = false);

  // Called when the list takes the cell from its reuse queue for another place. Subclasses
  // that override it call this one: it clears the selection.
  virtual void prepareForReuse();

 protected:
  // A view still being made cannot be a superview yet, so the cell's own parts join it on
  // first use. Subclasses with parts of their own add them here, after this one's.
  virtual void attachParts();
  void layoutSubviews() override;
  void didMoveToSuperview() override;

 private:
  friend class CellReuseQueue;

  std::string reuseIdentifier_;
  std::shared_ptr<View> contentView_;
  bool selected_ = false;
};

}  // namespace platform::ui
