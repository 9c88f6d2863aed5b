#pragma once

#include <memory>
#include <string_view>

#include "platform/preferences/PaneRows.h"
#include "platform/preferences/RowBoundCell.h"
#include "platform/ui/lists/TableViewCell.h"

namespace platform::preferences {
class ListController;
}
namespace platform::ui {
class Label;
class Slider;
class StackView;
}  // namespace platform::ui

namespace vantile::settings {

// A slider row: its title above the slider and the value as a number ("%.01f"), both in the
// cell's tint; a tap on the number asks for an exact value ("Enter Value"), kept within the
// slider's range.
class KSCustomSliderCell : public platform::ui::TableViewCell, public platform::preferences::RowBoundCell {
 public:
  static constexpr std::string_view cellClassName = "KSCustomSliderCell";
  // Rows of this class give it this "height".
  static constexpr double kRowHeight = 56;

  static std::shared_ptr<KSCustomSliderCell> make(const platform::preferences::PaneRow& row,
                                                  platform::preferences::ListController& pane);

  KSCustomSliderCell(ConstructionKey key, platform::preferences::PaneRow row,
                     std::weak_ptr<platform::preferences::ListController> pane);

  std::string_view className() const override { return "KSCustomSliderCell"; }

  void sliderValueChanged(platform::ui::Slider& slider);
  void setCustomSliderValue();
  // Applies typed text as "Set" does.
  void applyTypedValue(const std::string& text);
  void refreshCellContentsWithSpecifier(const platform::preferences::PaneRow& row) override;

  const std::shared_ptr<platform::ui::Slider>& slider() const { return slider_; }
  const std::shared_ptr<platform::ui::Label>& sliderLabel() const { return _sliderLabel; }
  const std::shared_ptr<platform::ui::Label>& valueLabel() const { return _valueLabel; }

 protected:
  void layoutSubviews() override;
  void tintColorDidChange() override;

 private:
  void build();
  void colourLabelsWithTint();

  platform::preferences::PaneRow row_;
  std::weak_ptr<platform::preferences::ListController> pane_;
  std::shared_ptr<platform::ui::Slider> slider_;
  std::shared_ptr<platform::ui::Label> _sliderLabel;
  std::shared_ptr<platform::ui::Label> _valueLabel;
  std::shared_ptr<platform::ui::StackView> _sliderStackView;
  std::shared_ptr<platform::ui::StackView> _stackView;
};

}  // namespace vantile::settings
