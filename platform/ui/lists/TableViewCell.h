#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/ui/lists/ReusableCell.h"

namespace platform::ui {

class ImageView;
class Label;

// One row of a table: an optional image at the left, a text label (and, in the styles that
// have one, a detail text label) in the content view, an accessory at the right, and a grey
// background while selected unless the selection style is none. Labels and the image view
// are made on first use, so a row that fills its content view itself shows only that.
class TableViewCell : public ReusableCell {
 public:
  static constexpr double defaultHeight = 44;
  // From the left edge to the image or text, and from the accessory to the right edge.
  static constexpr double margin = 15;

  // standard: the text alone; subtitle: the detail in smaller text below it; value1: the
  // detail in grey at the right.
  enum class Style { standard, subtitle, value1 };
  enum class AccessoryType { none, disclosureIndicator, checkmark };
  enum class SelectionStyle { none, standard };

  static std::shared_ptr<TableViewCell> make(Style style, const std::string& reuseIdentifier);

  TableViewCell(ConstructionKey key, Style style, std::string reuseIdentifier);

  std::string_view className() const override { return "TableViewCell"; }

  Style style() const { return style_; }
  const std::shared_ptr<Label>& textLabel();
  // Nothing in the standard style.
  std::shared_ptr<Label> detailTextLabel();
  const std::shared_ptr<ImageView>& imageView();

  AccessoryType accessoryType() const { return accessoryType_; }
  void setAccessoryType(AccessoryType type);
  // A view of the caller's in the accessory's place, at its own size; it wins over the type.
  const std::shared_ptr<View>& accessoryView() const { return accessoryView_; }
  void setAccessoryView(std::shared_ptr<View> view);

  // While its table is editing and its data source moves rows, a grip in the accessory's
  // place drags the row to another place.
  bool showsReorderControl() const { return showsReorderControl_; }
  void setShowsReorderControl(bool shows) { showsReorderControl_ = shows; }

  SelectionStyle selectionStyle() const { return selectionStyle_; }
  void setSelectionStyle(SelectionStyle style);
  void setSelected(bool selected, bool animated = false) override;

 protected:
  void attachParts() override;
  void layoutSubviews() override;

 private:
  friend class TableView;

  // What the table draws under the row: a hairline in the colour, or nothing.
  void setSeparatorColor(std::optional<graphics::Color> color);
  // The grip, made on first use; the table shows it and drags the row by it.
  const std::shared_ptr<View>& reorderControl();
  void setReorderControlShown(bool shown);
  // The accessory in place now: the reorder control, the caller's view, or the mark of the type.
  std::shared_ptr<View> shownAccessory() const;
  void placeAccessory(const std::shared_ptr<View>& accessory);
  void showSelection(bool animated);

  Style style_;
  std::shared_ptr<Label> textLabel_;
  std::shared_ptr<Label> detailTextLabel_;
  std::shared_ptr<ImageView> imageView_;
  AccessoryType accessoryType_ = AccessoryType::none;
  std::shared_ptr<View> accessoryMark_;
  std::shared_ptr<View> accessoryView_;
  bool showsReorderControl_ = false;
  bool reorderControlShown_ = false;
  std::shared_ptr<View> reorderControl_;
  SelectionStyle selectionStyle_ = SelectionStyle::standard;
  std::shared_ptr<View> selectedBackground_;
  std::shared_ptr<View> separator_;
};

}  // namespace platform::ui
