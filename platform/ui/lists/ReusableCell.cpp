#include "platform/ui/lists/ReusableCell.h"

namespace platform::ui {

ReusableCell::ReusableCell(ConstructionKey key, const graphics::Rect& frame, std::string reuseIdentifier)
    : View(key, frame),
      reuseIdentifier_(std::move(reuseIdentifier)),
      contentView_(View::make({0, 0, frame.width(), frame.height()})) {}

const std::shared_ptr<View>& ReusableCell::contentView() {
  attachParts();
  return contentView_;
}

void ReusableCell::attachParts() {
  if (contentView_->superview().get() != this && !weak_from_this().expired()) {
    insertSubview(contentView_, 0);
  }
}

void ReusableCell::setSelected(bool selected, bool) { selected_ = selected; }

void ReusableCell::prepareForReuse() { setSelected(false); }

void ReusableCell::layoutSubviews() {
  attachParts();
  contentView_->setFrame({0, 0, bounds().width(), bounds().height()});
}

void ReusableCell::didMoveToSuperview() {
  View::didMoveToSuperview();
  attachParts();
}

}  // namespace platform::ui
