#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/ui/controls/Control.h"

namespace platform::ui {

class Label;

// A row of equally wide segments, one of them selected. A tap on another segment selects it
// and tells the actions.
class SegmentedControl : public Control {
 public:
  static std::shared_ptr<SegmentedControl> make(std::vector<std::string> items, const graphics::Rect& frame = {});

  SegmentedControl(ConstructionKey key, std::vector<std::string> items, const graphics::Rect& frame);

  std::string_view className() const override { return "SegmentedControl"; }

  const std::vector<std::string>& items() const { return items_; }
  std::size_t numberOfSegments() const { return items_.size(); }
  // -1 for none.
  int selectedSegmentIndex() const { return selected_; }
  // An index outside the segments selects none.
  void setSelectedSegmentIndex(int index);
  // The segment under `x` (bounds space); nothing outside.
  std::optional<int> segmentAt(double x) const;

  // The selected segment's fill (white unless set) and the control's background (a translucent
  // grey unless set).
  void setSelectedSegmentTintColor(std::optional<graphics::Color> color);
  void setBackgroundTint(std::optional<graphics::Color> color);
  // Title colours of the normal and the selected state (black unless set).
  void setTitleColor(graphics::Color color) { normalTitle_ = color; placeParts(); }
  void setSelectedTitleColor(graphics::Color color) { selectedTitle_ = color; placeParts(); }

 protected:
  void layoutSubviews() override;

 private:
  void placeParts();

  std::vector<std::string> items_;
  int selected_ = -1;
  std::shared_ptr<View> highlight_;
  std::vector<std::shared_ptr<Label>> titles_;
  std::optional<graphics::Color> selectedTint_;
  graphics::Color normalTitle_{0, 0, 0, 1};
  graphics::Color selectedTitle_{0, 0, 0, 1};
};

}  // namespace platform::ui
