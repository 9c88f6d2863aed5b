#include "settings/library/CreatorCell.h"

#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"

namespace vantile::settings {

namespace ui = platform::ui;

namespace {
constexpr double kNameHeight = 20;
constexpr double kNameFontSize = 10;
}  // namespace

std::shared_ptr<CreatorCell> CreatorCell::make(const platform::graphics::Rect& frame) {
  auto cell = std::make_shared<CreatorCell>(ConstructionKey{}, frame);
  cell->contentView();
  return cell;
}

CreatorCell::CreatorCell(ConstructionKey key, const platform::graphics::Rect& frame) : CollectionViewCell(key, frame) {}

const std::shared_ptr<ui::ImageView>& CreatorCell::imageView() {
  if (!imageView_) {
    // The content view takes the cell's size at its next layout; the cell has it already.
    const auto& content = contentView();
    imageView_ = ui::ImageView::make(bounds());
    imageView_->setContentMode(ui::ContentMode::scaleAspectFill);
    content->addSubview(imageView_);
  }
  return imageView_;
}

const std::shared_ptr<ui::Label>& CreatorCell::uiLabel() {
  if (!uiLabel_) {
    const auto& content = contentView();
    const platform::graphics::Rect area = bounds();
    uiLabel_ = ui::Label::make({0, area.height() - kNameHeight, area.width(), kNameHeight});
    uiLabel_->setBackgroundColor(platform::graphics::Color{0, 0, 0, 0.7});
    uiLabel_->setTextColor({1, 1, 1, 1});
    uiLabel_->setTextAlignment(ui::TextAlignment::center);
    uiLabel_->setFont(platform::graphics::systemFont(kNameFontSize));
    uiLabel_->setTag(kNameTag);
    content->addSubview(uiLabel_);
  }
  return uiLabel_;
}

void CreatorCell::prepareForReuse() {
  CollectionViewCell::prepareForReuse();
  if (imageView_) imageView_->removeFromSuperview();
  if (uiLabel_) uiLabel_->removeFromSuperview();
  imageView_.reset();
  uiLabel_.reset();
  pictureLoad = 0;
}

}  // namespace vantile::settings
