#include "platform/ui/controls/StackView.h"

#include <algorithm>

namespace platform::ui {

std::shared_ptr<StackView> StackView::make(Axis axis) { return std::make_shared<StackView>(ConstructionKey{}, axis); }

StackView::StackView(ConstructionKey key, Axis axis) : View(key, {}), axis_(axis) {}

void StackView::setSpacing(double spacing) {
  spacing_ = std::max(0.0, spacing);
  layoutArrangedSubviews();
}

void StackView::setAlignment(Alignment alignment) {
  alignment_ = alignment;
  layoutArrangedSubviews();
}

void StackView::addArrangedSubview(std::shared_ptr<View> view) {
  if (!view || view.get() == this) return;
  const graphics::Size size = view->bounds().size;
  sizes_.push_back(axis_ == Axis::vertical ? ItemSize{size.height, size.width} : ItemSize{size.width, size.height});
  arranged_.push_back(view);
  addSubview(std::move(view));
  layoutArrangedSubviews();
}

void StackView::layoutArrangedSubviews() {
  double along = 0;
  double across = 0;
  for (std::size_t index = 0; index < arranged_.size(); ++index) {
    if (!arranged_[index]->isHidden()) across = std::max(across, sizes_[index].across);
  }
  bool first = true;
  for (std::size_t index = 0; index < arranged_.size(); ++index) {
    // A hidden view gives up its place and its spacing, as UIKit's stacks do.
    if (arranged_[index]->isHidden()) continue;
    if (!first) along += spacing_;
    first = false;
    const ItemSize size = sizes_[index];
    const double itemAcross = alignment_ == Alignment::fill ? across : size.across;
    double offset = 0;
    if (alignment_ == Alignment::center) offset = (across - itemAcross) / 2;
    if (alignment_ == Alignment::trailing) offset = across - itemAcross;
    const graphics::Rect frame = axis_ == Axis::vertical ? graphics::Rect{offset, along, itemAcross, size.along}
                                                         : graphics::Rect{along, offset, size.along, itemAcross};
    arranged_[index]->setFrame(frame);
    along += size.along;
  }
  const graphics::Point origin = frame().origin;
  const graphics::Size fitting = axis_ == Axis::vertical ? graphics::Size{across, along} : graphics::Size{along, across};
  if (bounds().size != fitting) setFrame({origin.x, origin.y, fitting.width, fitting.height});
}

}  // namespace platform::ui
