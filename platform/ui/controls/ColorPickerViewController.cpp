#include "platform/ui/controls/ColorPickerViewController.h"

#include "platform/ui/text/Label.h"
#include "platform/ui/views/FrontmostController.h"
#include "platform/ui/views/Screen.h"

namespace platform::ui {

std::shared_ptr<ColorPickerViewController> ColorPickerViewController::make() {
  return std::make_shared<ColorPickerViewController>(ConstructionKey{});
}

ColorPickerViewController::ColorPickerViewController(ConstructionKey key) : ViewController(key) {}

void ColorPickerViewController::setSelectedColor(graphics::Color color) {
  selected_ = color;
  if (swatch_) swatch_->setBackgroundColor(color);
}

void ColorPickerViewController::pickColor(graphics::Color color) {
  setSelectedColor(color);
  const auto keepAlive = shared_from_this();
  if (const auto listener = delegate(); listener && listener->implements(ColorPickerDelegate::Operation::didSelectColor)) {
    listener->colorPickerViewControllerDidSelectColor(*this);
  }
}

void ColorPickerViewController::finish() {
  const auto keepAlive = shared_from_this();
  if (const auto listener = delegate(); listener && listener->implements(ColorPickerDelegate::Operation::didFinish)) {
    listener->colorPickerViewControllerDidFinish(*this);
  }
}

std::shared_ptr<ColorPickerViewController> ColorPickerViewController::shownInKeyWindow() {
  return std::dynamic_pointer_cast<ColorPickerViewController>(frontmostPresentedController());
}

std::shared_ptr<View> ColorPickerViewController::loadView() {
  const graphics::Rect screen = Screen::mainScreen().bounds();
  auto sheet = View::make(screen);
  sheet->setBackgroundColor(graphics::Color{0.11, 0.11, 0.12, 1});
  auto title = Label::make({0, 16, screen.width(), 24});
  title->setText("Colors");
  title->setFont(graphics::systemFont(17));
  title->setTextColor(graphics::Color{1, 1, 1, 1});
  title->setTextAlignment(TextAlignment::center);
  sheet->addSubview(title);
  swatch_ = View::make({screen.width() / 2 - 60, 64, 120, 120});
  swatch_->layer()->setCornerRadius(12);
  swatch_->setBackgroundColor(selected_);
  sheet->addSubview(swatch_);
  return sheet;
}

}  // namespace platform::ui
