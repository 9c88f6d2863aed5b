#include <gtest/gtest.h>

#include "platform/ui/controls/ImagePickerController.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

// Keeps the picture and closes the picker, as a delegate does.
class KeepingDelegate : public ImagePickerDelegate {
 public:
  explicit KeepingDelegate(bool answers) : answers_(answers) {}
  bool implements(Operation) const override { return answers_; }
  void imagePickerController(ImagePickerController& picker, const graphics::Image& originalImage) override {
    picked = originalImage;
    picker.dismissViewController(true);
  }
  std::optional<graphics::Image> picked;

 private:
  bool answers_;
};

class ImagePicker : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override {
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    root->presentViewController(picker, true);
  }

  std::shared_ptr<Window> window = Window::make(Screen::mainScreen().bounds());
  std::shared_ptr<ViewController> root = ViewController::make();
  std::shared_ptr<ImagePickerController> picker = ImagePickerController::make();
  graphics::Image photo = *graphics::Image::blank(3, 2);
};

TEST_F(ImagePicker, APickedPictureGoesToTheDelegateWhichClosesThePicker) {
  auto delegate = std::make_shared<KeepingDelegate>(true);
  picker->setDelegate(delegate);
  EXPECT_EQ(ImagePickerController::shownInKeyWindow(), picker);

  picker->pickImage(photo);

  ASSERT_TRUE(delegate->picked);
  EXPECT_EQ(delegate->picked->width(), 3);
  EXPECT_EQ(ImagePickerController::shownInKeyWindow(), nullptr);
}

TEST_F(ImagePicker, ADelegateThatDoesNotAnswerOrIsGoneIsNotTold) {
  auto silent = std::make_shared<KeepingDelegate>(false);
  picker->setDelegate(silent);
  picker->pickImage(photo);
  EXPECT_FALSE(silent->picked);

  picker->setDelegate(std::make_shared<KeepingDelegate>(true));
  picker->pickImage(photo);
  EXPECT_EQ(ImagePickerController::shownInKeyWindow(), picker);
}

}  // namespace
}  // namespace platform::ui
