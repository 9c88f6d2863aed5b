#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/CreatorView.h"
#include "editor/editing/tests/EditingFixture.h"
#include "editor/elementlist/CanvasOptionsDelegate.h"
#include "inspector/actions/ElementOptionActionHandler.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

using platform::Value;

// The inspector's handler over the real canvas, made as the options builder makes it.
class CanvasTreeEdits : public EditingTest {
 protected:
  void tapPickerRow(int row) {
    const std::shared_ptr<CreatorVerticalMenu> picker = canvas->uiviewPicker;
    ASSERT_NE(picker, nullptr);
    ASSERT_EQ(picker->superview(), canvas->mainView);
    canvas->mainView->layoutIfNeeded();
    const double top = picker->mainView->frame().origin.y + picker->scrollview->frame().origin.y;
    platform::ui::TouchInjector(canvas->mainView).tap({200, top + row * 45 + 20});
    EXPECT_EQ(picker->superview(), nullptr);
  }

  std::shared_ptr<ElementOptionsBuilderDelegate> delegate = std::make_shared<CanvasOptionsDelegate>(*canvas);
  std::shared_ptr<ElementOptionActionHandler> handler = std::make_shared<ElementOptionActionHandler>(delegate);
  std::shared_ptr<platform::ui::TapGestureRecognizer> tap = platform::ui::TapGestureRecognizer::make();
};

TEST_F(CanvasTreeEdits, APickedContainerReceivesANestedElementWhichLeavesItsOldOne) {
  canvas->setSelectedElement("Inner");
  handler->addToUIView(*tap);
  // Offered: Deep and Plain; Inner itself and its container Box are not.
  tapPickerRow(1);

  EXPECT_EQ(canvas->dictHelpers.getParentName("Inner"), "Plain");
  EXPECT_EQ(element("Inner")["frame"], (Value{{"x", "0"}, {"y", "0"}, {"width", "100"}, {"height", "40"}}));
  EXPECT_EQ(element("Plain")["childorder"], "Solo,Inner");
  EXPECT_FALSE(element("Box")["children"].contains("Inner"));
  EXPECT_EQ(element("Box")["childorder"], "Deep");
  EXPECT_EQ(canvas->selectedElement, "none");
  const auto view = canvas->getElementView("Inner");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->superview(), canvas->getElementView("Plain"));
}

TEST_F(CanvasTreeEdits, MovingADeepElementToAnotherContainerKeepsItsFrameAndWritesItsOldParentInPlace) {
  const Value frame = element("Leaf")["frame"];
  canvas->setSelectedElement("Leaf");
  handler->moveToUIView(*tap);
  // Offered: Box and Plain; Leaf's container Deep is not.
  tapPickerRow(1);

  EXPECT_EQ(canvas->dictHelpers.getParentName("Leaf"), "Plain");
  EXPECT_EQ(element("Leaf")["frame"], frame);
  EXPECT_EQ(canvas->dictHelpers.getParentName("Deep"), "Box");
  EXPECT_EQ(element("Deep")["children"], Value::object());
  EXPECT_EQ(element("Deep")["childorder"], "none");
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], (Value{"Clock", "Box", "Plain"}));
}

}  // namespace
}  // namespace vantile::testing
