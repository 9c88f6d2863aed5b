#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "inspector/colorcell/ColorCellIdentity.h"
#include "platform/graphics/Color.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/lists/TableViewCell.h"

namespace vantile {

// The round colour swatch of an inspector row. A tap on it opens the system colour picker from the
// view controller hosting the cell; each new pick is sent as a live preview, closing the picker
// commits its colour (the preselected one when nothing was picked).
class ZPKColorPickerCell : public platform::ui::TableViewCell, public platform::ui::ColorPickerDelegate {
 public:
  // Both get a colour string and the style key it belongs to.
  using ColorTarget = std::function<void(const std::string& color, const std::string& styleKey)>;
  struct Targets {
    ColorTarget preview;
    ColorTarget commit;
  };

  static constexpr double side = 30;

  static std::shared_ptr<ZPKColorPickerCell> make(Style style, ColorCellIdentity identity, Targets targets);

  ZPKColorPickerCell(ConstructionKey key, Style style, ColorCellIdentity identity, Targets targets);

  std::string_view className() const override { return "ZPKColorPickerCell"; }

  const ColorCellIdentity& identifier() const { return identifier_; }
  const std::shared_ptr<platform::ui::View>& colorPreview() const { return colorPreview_; }
  // The colour sent to the canvas last; nothing before the first.
  const std::optional<platform::graphics::Color>& setColor() const { return setColor_; }

  void didMoveToSuperview() override;
  void layoutSubviews() override;
  void openColorPicker();
  void updatePreview();
  void updatePreviewWithColor(const platform::graphics::Color& color);

  // ColorPickerDelegate.
  bool implements(platform::ui::ColorPickerDelegate::Operation operation) const override;
  void colorPickerViewControllerDidSelectColor(platform::ui::ColorPickerViewController& picker) override;
  void colorPickerViewControllerDidFinish(platform::ui::ColorPickerViewController& picker) override;

 private:
  // A new swatch with the background given, as the accessory; the cell takes the swatch's size.
  void installSwatch(std::optional<platform::graphics::Color> background);
  std::shared_ptr<platform::ui::ViewController> hostingViewController() const;

  ColorCellIdentity identifier_;
  Targets targets_;
  std::shared_ptr<platform::ui::View> colorPreview_;
  std::optional<platform::graphics::Color> setColor_;
};

}  // namespace vantile
