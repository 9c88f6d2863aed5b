#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/menus/tests/MenusFixture.h"
#include "inspector/reorder/CreatorReorderView.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchInjector.h"

namespace vantile::testing {
namespace {

using platform::Value;
using Names = std::vector<std::string>;

class ValuePickers : public MenusTest {
 protected:
  // A container with children a, b and c and the given "childorder".
  void useContainer(const std::string& childorder) {
    Value container = box(0, 0, 300, 300);
    container["children"] = {{"a", label("a")}, {"b", label("b")}, {"c", label("c")}};
    container["childorder"] = childorder;
    useTheme(theme({{"Group", container}, {"Lone", label("lone")}}, {"Group", "Lone"}));
    select("Group");
  }

  // Lets the panel slide in, then taps its "Save" or "Close".
  void tapReorderHeader(bool save) {
    platform::foundation::MainQueue::shared().advance(0.25);
    const auto bounds = canvas->mainView->bounds();
    platform::ui::TouchInjector(canvas->mainView)
        .tap({save ? bounds.size.width - 70 : 70, bounds.size.height - 400 + 20});
  }
};

TEST_F(ValuePickers, TheLayerOrderPanelShowsUnlistedChildrenOnTopAndSaveStoresTheRowsTopToBottom) {
  useContainer("b,a");
  canvas->childrenOrder();
  const auto panel = canvas->reorderView;
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->_list, (Names{"c", "b", "a"})) << "as shown, top to bottom";

  tapReorderHeader(true);
  EXPECT_EQ(element("Group")["childorder"], "c,b,a");
  EXPECT_EQ(panel->superview(), nullptr);
  EXPECT_EQ(canvas->reorderView, nullptr);
}

TEST_F(ValuePickers, AChildThatIsGoneIsDroppedAtTheNextSaveAndCloseWritesNothing) {
  useContainer("a,gone,b");
  canvas->childrenOrder();
  tapReorderHeader(false);
  EXPECT_EQ(element("Group")["childorder"], "a,gone,b");
  EXPECT_EQ(canvas->reorderView, nullptr);

  canvas->childrenOrder();
  tapReorderHeader(true);
  EXPECT_EQ(element("Group")["childorder"], "c,a,b");
}

TEST_F(ValuePickers, AContainerWithoutChildrenGetsTheAlertAndNoPanel) {
  useTheme(theme({{"Empty", box(0, 0, 10, 10)}}, {"Empty"}));
  select("Empty");
  canvas->childrenOrder();
  EXPECT_EQ(canvas->reorderView, nullptr);
  const auto alert = shownAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->title(), "Vantile");
  EXPECT_EQ(alert->message(), "This UIView has no children.");
  ASSERT_EQ(alert->actions().size(), 1U);
  EXPECT_EQ(alert->actions().front().title, "OK");
}

TEST_F(ValuePickers, FollowingIsRefusedForATopLevelElement) {
  select("Clock");
  canvas->createFollowPicker();
  EXPECT_EQ(canvas->viewPicker, nullptr);
  const auto alert = shownAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->message(), "This item is not in a parent with an item to follow.");
  EXPECT_EQ(alert->actions().front().title, "Ok");
}

TEST_F(ValuePickers, TheFollowMenuOffersTheSiblingsAndAPickWritesTheFollowedItem) {
  useContainer("none");
  select("b");
  canvas->createFollowPicker();
  const auto menu = canvas->viewPicker;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(title(*menu), "Select view to follow");
  EXPECT_EQ(rows(*menu), (Names{"a", "c"}));

  menu->completionBlock("c");
  EXPECT_EQ(element("b")["followWidthItem"], "c");
  EXPECT_EQ(canvas->viewPicker, nullptr);
  EXPECT_TRUE(openMenus().empty());
}

TEST_F(ValuePickers, PickingTheSameAnimationTargetTwiceRemovesItAndNoTargetsStoreNone) {
  select("Clock");
  canvas->createAnimationPicker();
  const auto menu = canvas->viewPicker;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(title(*menu), "Select view to animate");
  EXPECT_EQ(rows(*menu), (Names{"Box", "Clock", "Deep", "Inner", "Leaf", "Plain", "Solo"}));

  menu->completionBlock("Leaf");
  EXPECT_EQ(element("Clock")["animation"], (Value{{"Leaf", Value::object()}}));
  EXPECT_EQ(canvas->viewPicker, nullptr);
  canvas->addViewToAnimation("Solo");
  canvas->addViewToAnimation("Leaf");
  EXPECT_EQ(element("Clock")["animation"], (Value{{"Solo", Value::object()}}));
  canvas->addViewToAnimation("Solo");
  EXPECT_EQ(element("Clock")["animation"], "none");
}

TEST_F(ValuePickers, ADataTokenIsAppendedDirectlyAfterTheTextAlreadyThere) {
  canvas->setElementStyle("data", "Clock", "Time [hour]");
  select("Clock");
  canvas->setDataArray({"battery", "minute"});
  canvas->createDataPicker();
  const auto menu = canvas->dataPicker;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(title(*menu), "Select Data Value");
  EXPECT_EQ(rows(*menu), (Names{"battery", "minute"}));

  menu->completionBlock("minute");
  EXPECT_EQ(element("Clock")["data"], "Time [hour][minute]");
  EXPECT_EQ(canvas->dataPicker, nullptr);

  canvas->createDataPickerForAttr();
  canvas->dataPicker->completionBlock("battery");
  EXPECT_EQ(element("Clock")["dataAttr"], "[battery]") << "the template's \"none\" is no text";
  EXPECT_EQ(element("Clock")["data"], "Time [hour][minute]");
}

}  // namespace
}  // namespace vantile::testing
