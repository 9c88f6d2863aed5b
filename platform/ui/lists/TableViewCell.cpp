#include "platform/ui/lists/TableViewCell.h"

#include <algorithm>

#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/lists/CellMark.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"

namespace platform::ui {

using graphics::Color;
using graphics::Rect;

namespace {

constexpr Color kSelectedBackground{0.82, 0.82, 0.84, 1};
constexpr Color kDetailGrey{0.56, 0.56, 0.58, 1};
constexpr double kSelectionFadeDuration = 0.3;
constexpr double kSeparatorThickness = 0.5;
constexpr double kTextLineHeight = 21;
constexpr double kSubtitleLineHeight = 15;

std::shared_ptr<Label> makeLabel(double fontSize) {
  auto label = Label::make();
  label->setFont(graphics::systemFont(fontSize));
  label->setUserInteractionEnabled(false);
  return label;
}

}  // namespace

std::shared_ptr<TableViewCell> TableViewCell::make(Style style, const std::string& reuseIdentifier) {
  return std::make_shared<TableViewCell>(ConstructionKey{}, style, reuseIdentifier);
}

TableViewCell::TableViewCell(ConstructionKey key, Style style, std::string reuseIdentifier)
    : ReusableCell(key, {0, 0, 320, defaultHeight}, std::move(reuseIdentifier)),
      style_(style),
      selectedBackground_(View::make()),
      separator_(View::make()) {
  setBackgroundColor(Color{1, 1, 1, 1});
  selectedBackground_->setBackgroundColor(kSelectedBackground);
  selectedBackground_->setAlpha(0);
  selectedBackground_->setUserInteractionEnabled(false);
  separator_->setHidden(true);
  separator_->setUserInteractionEnabled(false);
}

const std::shared_ptr<Label>& TableViewCell::textLabel() {
  if (!textLabel_) {
    textLabel_ = makeLabel(17);
    contentView()->addSubview(textLabel_);
    setNeedsLayout();
  }
  return textLabel_;
}

std::shared_ptr<Label> TableViewCell::detailTextLabel() {
  if (style_ == Style::standard) {
    return nullptr;
  }
  if (!detailTextLabel_) {
    detailTextLabel_ = makeLabel(style_ == Style::subtitle ? 12 : 17);
    if (style_ == Style::value1) {
      detailTextLabel_->setTextColor(kDetailGrey);
      detailTextLabel_->setTextAlignment(TextAlignment::right);
    }
    contentView()->addSubview(detailTextLabel_);
    setNeedsLayout();
  }
  return detailTextLabel_;
}

const std::shared_ptr<ImageView>& TableViewCell::imageView() {
  if (!imageView_) {
    imageView_ = ImageView::make();
    contentView()->addSubview(imageView_);
    setNeedsLayout();
  }
  return imageView_;
}

void TableViewCell::setAccessoryType(AccessoryType type) {
  if (type == accessoryType_) {
    return;
  }
  accessoryType_ = type;
  if (accessoryMark_) {
    accessoryMark_->removeFromSuperview();
  }
  switch (type) {
    case AccessoryType::none:
      accessoryMark_ = nullptr;
      break;
    case AccessoryType::disclosureIndicator:
      accessoryMark_ = CellMark::disclosureIndicator();
      break;
    case AccessoryType::checkmark:
      accessoryMark_ = CellMark::checkmark(tintColor());
      break;
  }
  setNeedsLayout();
}

void TableViewCell::setAccessoryView(std::shared_ptr<View> view) {
  if (accessoryView_) {
    accessoryView_->removeFromSuperview();
  }
  accessoryView_ = std::move(view);
  setNeedsLayout();
}

const std::shared_ptr<View>& TableViewCell::reorderControl() {
  if (!reorderControl_) {
    reorderControl_ = CellMark::reorderGrip();
  }
  return reorderControl_;
}

void TableViewCell::setReorderControlShown(bool shown) {
  if (shown == reorderControlShown_) {
    return;
  }
  reorderControlShown_ = shown;
  if (shown) {
    reorderControl();
  }
  // Only one of the grip and the accessory stands at the right at a time.
  for (const auto& part : {reorderControl_, accessoryView_, accessoryMark_}) {
    if (part && part->superview().get() == this) {
      part->removeFromSuperview();
    }
  }
  setNeedsLayout();
}

std::shared_ptr<View> TableViewCell::shownAccessory() const {
  if (reorderControlShown_) {
    return reorderControl_;
  }
  return accessoryView_ ? accessoryView_ : accessoryMark_;
}

void TableViewCell::setSelectionStyle(SelectionStyle style) {
  selectionStyle_ = style;
  showSelection(false);
}

void TableViewCell::setSelected(bool selected, bool animated) {
  ReusableCell::setSelected(selected, animated);
  showSelection(animated);
}

void TableViewCell::showSelection(bool animated) {
  const double alpha = isSelected() && selectionStyle_ != SelectionStyle::none ? 1 : 0;
  if (!animated) {
    selectedBackground_->setAlpha(alpha);
    return;
  }
  View::animate(kSelectionFadeDuration, 0, {},
                [background = selectedBackground_, alpha] { background->setAlpha(alpha); });
}

void TableViewCell::setSeparatorColor(std::optional<Color> color) {
  separator_->setHidden(!color);
  if (color) {
    separator_->setBackgroundColor(*color);
  }
}

void TableViewCell::attachParts() {
  ReusableCell::attachParts();
  if (weak_from_this().expired()) {
    return;
  }
  if (selectedBackground_->superview().get() != this) {
    insertSubview(selectedBackground_, 0);
  }
  if (separator_->superview().get() != this) {
    addSubview(separator_);
  }
}

void TableViewCell::placeAccessory(const std::shared_ptr<View>& accessory) {
  if (accessory->superview().get() != this) {
    addSubview(accessory);
  }
  const Rect own = accessory->bounds();
  accessory->setFrame(
      {bounds().width() - margin - own.width(), (bounds().height() - own.height()) / 2, own.width(), own.height()});
}

void TableViewCell::layoutSubviews() {
  ReusableCell::layoutSubviews();
  const double width = bounds().width();
  const double height = bounds().height();
  selectedBackground_->setFrame({0, 0, width, height});
  separator_->setFrame({margin, height - kSeparatorThickness, std::max(0.0, width - margin), kSeparatorThickness});

  double contentWidth = width;
  if (const std::shared_ptr<View> accessory = shownAccessory()) {
    placeAccessory(accessory);
    contentWidth = std::max(0.0, accessory->frame().x());
  }
  contentView()->setFrame({0, 0, contentWidth, height});

  double textX = margin;
  if (imageView_ && imageView_->image()) {
    const graphics::Size size = imageView_->image()->size();
    imageView_->setFrame({margin, (height - size.height) / 2, size.width, size.height});
    textX = margin + size.width + margin;
  }
  const double textWidth = std::max(0.0, contentWidth - textX - margin);
  const bool subtitled = style_ == Style::subtitle && detailTextLabel_;
  if (textLabel_) {
    const double top = subtitled ? (height - kTextLineHeight - kSubtitleLineHeight) / 2 : 0;
    textLabel_->setFrame({textX, top, textWidth, subtitled ? kTextLineHeight : height});
  }
  if (detailTextLabel_) {
    detailTextLabel_->setFrame(
        subtitled ? Rect{textX, (height + kTextLineHeight - kSubtitleLineHeight) / 2, textWidth, kSubtitleLineHeight}
                  : Rect{textX, 0, textWidth, height});
  }
}

}  // namespace platform::ui
