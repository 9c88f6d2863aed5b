#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/adding/tests/AddingFixture.h"
#include "inspector/bulk/BulkElementCreator.h"
#include "inspector/naming/ElementNameRefusal.h"
#include "inspector/bulk/tests/BulkSheetDriver.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/text/Label.h"

namespace vantile::testing {
namespace {

using platform::Value;

// The editing theme with its element list in a side panel of the key window.
class BulkCreatorOnTheCanvas : public AddingTest {
 protected:
  BulkCreatorOnTheCanvas() {
    window->addSubview(menu);
    menu->addSubview(hintLabel);
    canvas->menu = menu;
    canvas->styleHintLabel = hintLabel;
    canvas->reloadTheme();
    canvas->reloadScrollview();
    platform::foundation::MainQueue::shared().advance(0.3);
  }

  std::shared_ptr<BulkElementCreator> shownSheet() const {
    return std::dynamic_pointer_cast<BulkElementCreator>(window->rootViewController()->presentedViewController());
  }

  std::shared_ptr<platform::ui::View> menu = platform::ui::View::make({0, 0, 375, 812});
  std::shared_ptr<platform::ui::Label> hintLabel = platform::ui::Label::make();
};

TEST_F(BulkCreatorOnTheCanvas, TheAddRowOpensTheSheetAndItsTreeGoesIntoTheTheme) {
  ASSERT_TRUE(canvas->elementStackView);
  BulkSheetDriver::tap(canvas->elementStackView->viewWithTag(9999));
  const auto sheet = shownSheet();
  ASSERT_TRUE(sheet) << "the add row presents the bulk creator";
  EXPECT_EQ(sheet->modalPresentationStyle(), platform::ui::ModalPresentationStyle::formSheet);
  EXPECT_TRUE(sheet->nameExistsInHierarchy("Leaf")) << "names anywhere in the theme are taken";
  EXPECT_EQ(sheet->templateTypes, std::vector<std::string>{}) << "the editing theme has no templates";

  BulkSheetDriver driver(sheet);
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UIView");
  driver.tapAddChild(0);
  driver.tapMenuButton("UILabel");
  driver.tapMenuButton("Done");
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UIImageView");
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UILabel");
  driver.tapAdd();
  platform::foundation::MainQueue::shared().advance(1);

  EXPECT_FALSE(shownSheet()) << "Add closes the sheet";
  EXPECT_EQ(element("UIView_1")["type"], "UIView");
  EXPECT_EQ(element("UIView_1")["childorder"], "UILabel_2,UIImageView_3") << "Done keeps the row as parent";
  EXPECT_EQ(element("UIImageView_3")["type"], "UIImageView");
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"],
            platform::foundation::parseValue(R"(["Clock", "Box", "Plain", "UIView_1", "UILabel_4"])").value());
  EXPECT_EQ(canvas->getSelectedElement(), "UILabel_4");
}

TEST_F(BulkCreatorOnTheCanvas, BulkNamesFollowTheElementNameRulesRatherThanTheFileNameRule) {
  canvas->bulkElementCreatorDidFinish(platform::foundation::parseValue(R"([
      {"elementType": "UILabel", "elementName": "Frame"},
      {"elementType": "UILabel", "elementName": ".hidden"}])")
                                          .value());
  EXPECT_EQ(alertMessage(), kInvalidElementNameMessage);
  closeAlert("OK");
  EXPECT_FALSE(canvas->dictHelpers.findElementInDictionary("Frame")) << "a reserved word";
  EXPECT_TRUE(canvas->dictHelpers.findElementInDictionary(".hidden"));
}

}  // namespace
}  // namespace vantile::testing
