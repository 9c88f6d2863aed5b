#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/editing/tests/EditingFixture.h"
#include "inspector/pickers/AssetImages.h"
#include "inspector/pickers/ImagePickerVC.h"
#include "inspector/pickers/SFSymbolsVC.h"
#include "platform/graphics/SymbolCatalogue.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/navigation/NavigationController.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;

// An inspector row whose picture control carries the style key in its layer name; a tap on
// the row asks the canvas for the image picker.
class ImageAndSymbolPickers : public EditingTest {
 protected:
  ImageAndSymbolPickers() {
    for (const char* name : {"logo.png", "Back.jpg", "skip.jpeg", "skip.JPG"}) {
      device.writeFile(std::string(kAssetsFolder) + name, "x");
    }
    control->layer()->setName("imageURL");
    row->addSubview(control);
    row->addGestureRecognizer(ui::TapGestureRecognizer::make([this](ui::GestureRecognizer& tap) {
      if (tap.state() == ui::GestureRecognizer::State::recognized) canvas->createImagePicker(tap);
    }));
    window->addSubview(row);
    canvas->setSelectedElement("Clock");
  }

  // The picker on top of the presented navigation stack, of the expected class.
  template <class Picker>
  std::shared_ptr<Picker> presentedPicker() const {
    const auto stack = std::dynamic_pointer_cast<ui::NavigationController>(window->rootViewController()->presentedViewController());
    return stack ? std::dynamic_pointer_cast<Picker>(stack->topViewController()) : nullptr;
  }
  void choose(PickerListController& picker, int row) const {
    picker.view();
    picker.didSelectRowAtIndexPath(*picker.tableView, {0, row});
  }

  std::shared_ptr<ui::View> row = ui::View::make({0, 700, 375, 50});
  std::shared_ptr<ui::View> control = ui::View::make({300, 0, 50, 50});
};

TEST_F(ImageAndSymbolPickers, APickedImageIsWrittenUnderTheTappedRowsStyleOfTheSelectedElement) {
  ui::TouchInjector(window).tap({325, 725});
  const auto picker = presentedPicker<ImagePickerVC>();
  ASSERT_TRUE(picker);
  EXPECT_EQ(picker->images, (std::vector<std::string>{"Back.jpg", "logo.png"}));

  choose(*picker, 1);
  EXPECT_EQ(element("Clock")["imageURL"], "logo.png");
  EXPECT_EQ(window->rootViewController()->presentedViewController(), nullptr);
}

TEST_F(ImageAndSymbolPickers, ATapBesideTheControlNamesNoStyleAndOpensNothing) {
  ui::TouchInjector(window).tap({100, 725});
  EXPECT_EQ(window->rootViewController()->presentedViewController(), nullptr);
}

TEST_F(ImageAndSymbolPickers, APickedSymbolBecomesTheSelectedElementsSymbolName) {
  canvas->createSFImagePicker();
  const auto picker = presentedPicker<SFSymbolsVC>();
  ASSERT_TRUE(picker);
  choose(*picker, 0);
  EXPECT_EQ(element("Clock")["SFSymbolName"], std::string(platform::graphics::systemSymbolNames().front()));
  EXPECT_EQ(window->rootViewController()->presentedViewController(), nullptr);
}

}  // namespace
}  // namespace vantile::testing
