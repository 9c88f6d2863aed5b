#include "inspector/bulk/ElementsCollectionViewCell.h"

#include "inspector/bulk/ElementTypeCaptions.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace ui = platform::ui;

namespace {
constexpr double kLabelSide = 100;
constexpr double kCornerRadius = 10;
constexpr platform::graphics::Color kGrey{0.5, 0.5, 0.5, 1};

std::shared_ptr<ui::Label> tileLabel(double y, double fontSize, std::int64_t tag) {
  auto label = ui::Label::make({0, y, kLabelSide, kLabelSide});
  label->setFont(platform::graphics::systemFont(fontSize));
  label->setTextAlignment(ui::TextAlignment::center);
  label->setTag(tag);
  return label;
}
}  // namespace

std::shared_ptr<ElementsCollectionViewCell> ElementsCollectionViewCell::make(const platform::graphics::Rect& frame) {
  auto cell = std::make_shared<ElementsCollectionViewCell>(ConstructionKey{}, frame);
  // The content view joins the cell on first use, so the labels are found by tag at once.
  cell->contentView();
  return cell;
}

ElementsCollectionViewCell::ElementsCollectionViewCell(ConstructionKey key, const platform::graphics::Rect& frame)
    : CollectionViewCell(key, frame),
      label_(tileLabel(0, 12, kLabelTag)),
      typeInfo_(tileLabel(12, 8, kTypeInfoTag)) {
  setBackgroundColor(kGrey);
  layer()->setCornerRadius(kCornerRadius);
  setClipsToBounds(true);
  typeInfo_->setUserInteractionEnabled(false);
  contentView()->addSubview(label_);
  contentView()->addSubview(typeInfo_);
}

void ElementsCollectionViewCell::setLabel(const std::string& type) {
  label_->setText(type);
  typeInfo_->setText("");
  if (std::string caption = elementTypeCaption(type); !caption.empty()) typeInfo_->setText(std::move(caption));
}

}  // namespace vantile
