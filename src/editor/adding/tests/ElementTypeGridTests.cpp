#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/adding/tests/AddingFixture.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/lists/CollectionView.h"

namespace vantile::testing {
namespace {

class ElementTypeGridTest : public AddingTest {
 protected:
  // The grid shown with the names first in the type list, so that their tiles are on screen.
  void showGridWithFirst(const std::vector<std::string>& names) {
    canvas->elementTypes.insert(canvas->elementTypes.begin(), names.begin(), names.end());
    canvas->showSingleElementCreator();
    grid = std::dynamic_pointer_cast<platform::ui::CollectionView>(canvas->collectionView);
    ASSERT_NE(grid, nullptr);
    canvas->mainView->layoutIfNeeded();
    grid->layoutIfNeeded();
  }
  // The middle of the tile of the type list's entry, in the editor's screen.
  platform::graphics::Point tileOf(const std::string& name) const {
    const auto entry = std::ranges::find(canvas->elementTypes, name);
    const auto cell = grid->cellForItemAtIndexPath({0, static_cast<int>(entry - canvas->elementTypes.begin())});
    EXPECT_NE(cell, nullptr) << name;
    return cell ? cell->convertPointToView({50, 50}, canvas->mainView.get()).value() : platform::graphics::Point{};
  }
  static std::filesystem::path templateFile(const std::string& name) {
    return platform::foundation::devicePath(std::string(kTemplatesFolder) + name + ".json");
  }

  std::shared_ptr<platform::ui::CollectionView> grid;
};

TEST_F(ElementTypeGridTest, TheGridFillsTheSidePanelBelowItsTopWithATileForEveryType) {
  showGridWithFirst({});
  EXPECT_EQ(grid->superview(), canvas->menu);
  const auto panel = canvas->menu->bounds().size;
  EXPECT_EQ(grid->frame(), (platform::graphics::Rect{0, 40, panel.width, panel.height - 30}));
  EXPECT_EQ(grid->numberOfItemsInSection(0), static_cast<int>(canvas->elementTypes.size()));
  EXPECT_EQ(grid->collectionViewLayout().itemSize, (platform::graphics::Size{100, 100}));

  canvas->showSingleElementCreator();
  EXPECT_EQ(grid->superview(), nullptr) << "a second grid replaces the first";
}

TEST_F(ElementTypeGridTest, TappingATileAsksForTheNameOfANewElementOfThatType) {
  showGridWithFirst({});
  platform::ui::TouchInjector touches(canvas->mainView);
  touches.tap(tileOf("UIView"));
  const auto prompt = shownAlert();
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(prompt->message(), "Enter name for this element");
  prompt->textFields().front()->setText("Frame box");
  ASSERT_TRUE(prompt->chooseAction("Apply"));
  EXPECT_EQ(element("Frame_box")["type"], "UIView");
}

TEST_F(ElementTypeGridTest, ALongPressDeletesATemplateFileOnlyAfterYes) {
  writeTemplate("Mine", R"({"type": "UILabel"})");
  showGridWithFirst({"Mine"});
  platform::ui::TouchInjector touches(canvas->mainView);

  touches.press(tileOf("Mine"), 0.5);
  EXPECT_EQ(alertMessage(),
            "Are you sure you want to delete this template from /var/mobile/Library/VantileAssets/templates?");
  closeAlert("No");
  EXPECT_TRUE(platform::foundation::fileExists(templateFile("Mine")));

  const int before = grid->numberOfItemsInSection(0);
  touches.press(tileOf("Mine"), 0.5);
  closeAlert("Yes");
  EXPECT_FALSE(platform::foundation::fileExists(templateFile("Mine")));
  EXPECT_EQ(std::ranges::count(canvas->elementTypes, "Mine"), 0);
  EXPECT_EQ(grid->numberOfItemsInSection(0), before - 1);
}

TEST_F(ElementTypeGridTest, BasicTypesAndBundledTemplatesAreNeverDeleted) {
  writeBundledTemplate("Shared", R"({"type": "UILabel"})");
  writeTemplate("Shared", R"({"type": "UILabel"})");
  showGridWithFirst({"GlassView", "AnalogClock", "Shared"});
  platform::ui::TouchInjector touches(canvas->mainView);
  for (const char* name : {"GlassView", "AnalogClock", "Shared", "UILabel"}) {
    touches.press(tileOf(name), 0.5);
    EXPECT_EQ(alertMessage(), "You cannot delete this element") << name;
    closeAlert("Ok");
  }
  EXPECT_TRUE(platform::foundation::fileExists(templateFile("Shared")));
  EXPECT_EQ(std::ranges::count(canvas->elementTypes, "Shared"), 1);
}

TEST_F(ElementTypeGridTest, APressOutsideEveryTileDoesNothing) {
  showGridWithFirst({});
  platform::ui::TouchInjector touches(canvas->mainView);
  touches.press(*grid->convertPointToView({5, 5}, canvas->mainView.get()), 0.5);
  EXPECT_EQ(shownAlert(), nullptr);
}

}  // namespace
}  // namespace vantile::testing
