#include "platform/ui/controls/ImagePickerController.h"

#include "platform/ui/text/Label.h"
#include "platform/ui/views/FrontmostController.h"
#include "platform/ui/views/Screen.h"

namespace platform::ui {

std::shared_ptr<ImagePickerController> ImagePickerController::make() {
  return std::make_shared<ImagePickerController>(ConstructionKey{});
}

ImagePickerController::ImagePickerController(ConstructionKey key) : ViewController(key) {}

void ImagePickerController::pickImage(const graphics::Image& image) {
  const auto keepAlive = shared_from_this();
  if (const auto listener = delegate();
      listener && listener->implements(ImagePickerDelegate::Operation::didFinishPickingMedia)) {
    listener->imagePickerController(*this, image);
  }
}

std::shared_ptr<ImagePickerController> ImagePickerController::shownInKeyWindow() {
  return std::dynamic_pointer_cast<ImagePickerController>(frontmostPresentedController());
}

std::shared_ptr<View> ImagePickerController::loadView() {
  const graphics::Rect screen = Screen::mainScreen().bounds();
  auto sheet = View::make(screen);
  sheet->setBackgroundColor(graphics::Color{1, 1, 1, 1});
  auto title = Label::make({0, 16, screen.width(), 24});
  title->setText("Photos");
  title->setFont(graphics::systemFont(17));
  title->setTextColor(graphics::Color{0, 0, 0, 1});
  title->setTextAlignment(TextAlignment::center);
  sheet->addSubview(title);
  return sheet;
}

}  // namespace platform::ui
