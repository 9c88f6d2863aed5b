#include "editor/elementlist/ElementRowViews.h"

#include "editor/CreatorView.h"
#include "engine/images/ImagePipeline.h"
#include "platform/ui/views/ImageView.h"

namespace vantile::ElementRowViews {

namespace {

namespace graphics = platform::graphics;

constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kClear{0, 0, 0, 0};
constexpr graphics::Color kNestedRowBackground{1.0 / 3, 1.0 / 3, 1.0 / 3, 0.1};
constexpr double kButtonSide = 40;
constexpr graphics::Rect kButtonImageFrame{0, 6, 30, 30};
constexpr double kFadeInDuration = 0.25;

std::shared_ptr<platform::ui::Label> makeRowLabel(double width, double fontSize) {
  auto label = platform::ui::Label::make({0, 0, width, kRowHeight});
  label->setTextColor(kWhite);
  label->setFont(graphics::systemFont(fontSize));
  label->setUserInteractionEnabled(true);
  return label;
}

}  // namespace

std::shared_ptr<platform::ui::Label> makeAddRow(double width) {
  auto row = makeRowLabel(width, 14);
  row->setText("    + Add New Element");
  row->setTag(kAddRowTag);
  return row;
}

std::shared_ptr<platform::ui::Label> makeAllElementsRow(double width) {
  return CreatorView::createElementOptionLabelWithFrame({0, 0, width, kRowHeight}, "    ⚬ All Elements",
                                                       "Element list", kAllElementsRowTag);
}

std::shared_ptr<platform::ui::Label> makeElementRow(double width, bool isNested) {
  auto row = makeRowLabel(width, 12);
  if (isNested) row->setBackgroundColor(kNestedRowBackground);
  return row;
}

std::shared_ptr<platform::ui::View> makeRowButton(double x, const std::string& imageURL, std::string layerName) {
  auto button = platform::ui::View::make({x, 0, kButtonSide, kButtonSide});
  button->setBackgroundColor(kClear);
  button->layer()->setName(std::move(layerName));
  auto image = platform::ui::ImageView::make(kButtonImageFrame);
  image->setContentMode(platform::ui::ContentMode::scaleAspectFit);
  image->setImage(ImagePipeline::imageAtFileURL(imageURL));
  button->addSubview(std::move(image));
  return button;
}

void fitListToStack(platform::ui::ScrollView& list, platform::ui::StackView& stack) {
  stack.layoutArrangedSubviews();
  list.setContentSize(stack.bounds().size);
}

void fadeListIn(const std::shared_ptr<platform::ui::View>& list) {
  platform::ui::View::animate(kFadeInDuration, 0, {}, [list] { list->setAlpha(1); });
}

}  // namespace vantile::ElementRowViews
