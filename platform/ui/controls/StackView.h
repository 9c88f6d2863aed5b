#pragma once

#include <memory>
#include <vector>

#include "platform/ui/views/View.h"

namespace platform::ui {

// Lines its arranged views up along one axis, `spacing` apart, each at its own size along the
// axis (the size its frame was given, as fixed-size constraints would hold it). With fill
// alignment each view spans the stack across the axis. Hidden views take no place. The stack's own
// size follows its views (its origin stays), as constraints on the stack's edges would size it.
class StackView : public View {
 public:
  enum class Axis { horizontal, vertical };
  enum class Alignment { fill, leading, center, trailing };

  static std::shared_ptr<StackView> make(Axis axis = Axis::vertical);

  StackView(ConstructionKey key, Axis axis);

  std::string_view className() const override { return "StackView"; }

  Axis axis() const { return axis_; }
  double spacing() const { return spacing_; }
  void setSpacing(double spacing);
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment alignment);

  const std::vector<std::shared_ptr<View>>& arrangedSubviews() const { return arranged_; }
  void addArrangedSubview(std::shared_ptr<View> view);

  // Sizes the stack to its views and places them.
  void layoutArrangedSubviews();

 protected:
  void layoutSubviews() override { layoutArrangedSubviews(); }

 private:
  struct ItemSize {
    double along;
    double across;
  };

  Axis axis_;
  double spacing_ = 0;
  Alignment alignment_ = Alignment::fill;
  std::vector<std::shared_ptr<View>> arranged_;
  // Each view's own size, taken when it was arranged.
  std::vector<ItemSize> sizes_;
};

}  // namespace platform::ui
