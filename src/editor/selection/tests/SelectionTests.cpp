#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/CreatorView.h"
#include "editor/selection/ResizeHandleGeometry.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/text/Label.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace graphics = platform::graphics;
using platform::ui::View;

struct HandleCase {
  graphics::Rect element;
  graphics::Rect widthHandle;
  graphics::Rect heightHandle;
};

TEST(ResizeHandleGeometryTest, HandlesStraddleTheRightAndBottomEdgesAndAreAtLeastTwentyPointsLong) {
  const HandleCase cases[] = {
      {{0, 0, 50, 200}, {44, 80, 12, 40}, {15, 194, 20, 12}},
      {{0, 0, 300, 50}, {294, 15, 12, 20}, {120, 44, 60, 12}},
      {{10, 20, 40, 40}, {44, 30, 12, 20}, {20, 54, 20, 12}},
  };
  for (const HandleCase& test : cases) {
    EXPECT_EQ(ResizeHandleGeometry::widthHandleFrame(test.element), test.widthHandle);
    EXPECT_EQ(ResizeHandleGeometry::heightHandleFrame(test.element), test.heightHandle);
  }
}

// A canvas whose display holds the element views by hand, as the canvas build would leave them.
class Selection : public ::testing::Test {
 protected:
  Selection() {
    platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences");
    screen->addSubview(display);
    display->addSubview(creatorView);
    creatorView->addSubview(highlight);
    screen->addSubview(menu);
    menu->addSubview(hintLabel);
    canvas->display = display;
    canvas->creatorView = creatorView;
    canvas->highlightView = highlight;
    canvas->menu = menu;
    canvas->styleHintLabel = hintLabel;
    display->addGestureRecognizer(platform::ui::TapGestureRecognizer::make(
        [this](platform::ui::GestureRecognizer& recognizer) { canvas->selectView(recognizer); }));
  }
  ~Selection() override { platform::foundation::Bundle::main().setBundleIdentifier(""); }

  std::shared_ptr<View> addElement(const std::string& name, std::int32_t tag, const graphics::Rect& frame,
                                   const std::shared_ptr<View>& parent) {
    auto element = View::make(frame);
    element->setTag(tag);
    parent->addSubview(element);
    canvas->creatorTags[name] = tag;
    return element;
  }
  static platform::Value mark(const platform::ui::GestureRecognizer& recognizer, const std::string& key) {
    return recognizer.associatedValue(key).value_or(platform::Value());
  }
  static void highlightOption(bool on) {
    platform::foundation::UserDefaults::standard().setObject("highlightOption", on);
  }
  static std::vector<std::shared_ptr<platform::ui::GestureRecognizer>> dragGestures(const View& view) {
    std::vector<std::shared_ptr<platform::ui::GestureRecognizer>> found;
    for (const auto& recognizer : view.gestureRecognizers()) {
      if (mark(*recognizer, "isElementDragGesture") == true) found.push_back(recognizer);
    }
    return found;
  }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot root;
  std::shared_ptr<CreatorView> canvas = CreatorView::make();
  std::shared_ptr<View> screen = View::make({0, 0, 800, 600});
  std::shared_ptr<View> display = View::make({0, 0, 500, 600});
  std::shared_ptr<View> creatorView = View::make({0, 0, 500, 600});
  std::shared_ptr<View> highlight = View::make();
  std::shared_ptr<View> menu = View::make({500, 40, 300, 560});
  std::shared_ptr<platform::ui::Label> hintLabel = platform::ui::Label::make();
};

TEST_F(Selection, WithHighlightOffSelectingShowsTheNameTabAndAllowsDraggingButShowsNoFrameOrHandles) {
  const auto title = addElement("title", 7, {20, 30, 120, 40}, creatorView);
  canvas->loadElementOptions("title");

  EXPECT_FALSE(hintLabel->isHidden());
  EXPECT_EQ(hintLabel->text(), "title");
  const double textWidth = graphics::measureText("title", hintLabel->font()).width;
  EXPECT_EQ(hintLabel->frame(), (graphics::Rect{10, -20, textWidth + 20, 20}));
  ASSERT_NE(hintLabel->layer()->mask(), nullptr);
  EXPECT_EQ(hintLabel->layer()->mask()->frame(), hintLabel->bounds());

  const auto drags = dragGestures(*title);
  ASSERT_EQ(drags.size(), 1u);
  const auto* pan = dynamic_cast<platform::ui::PanGestureRecognizer*>(drags.front().get());
  ASSERT_NE(pan, nullptr);
  EXPECT_EQ(pan->maximumNumberOfTouches(), 1);
  EXPECT_EQ(highlight->frame(), graphics::Rect{});
  EXPECT_EQ(highlight->layer()->borderWidth(), 0);
  EXPECT_EQ(canvas->widthResizeHandle, nullptr);
  EXPECT_EQ(canvas->heightResizeHandle, nullptr);

  canvas->hideHintLabel();
  EXPECT_TRUE(hintLabel->isHidden());
}

TEST_F(Selection, ANestedElementsFrameAndHandlesSitAtItsPlaceOnTheCanvas) {
  highlightOption(true);
  const auto box = addElement("box", 3, {100, 50, 200, 300}, creatorView);
  const auto inner = addElement("inner", 4, {10, 10, 150, 250}, box);
  addElement("badge", 5, {20, 30, 50, 200}, inner);
  canvas->setSelectedElement("badge");
  canvas->loadElementOptions("badge");

  const graphics::Rect onCanvas{130, 90, 50, 200};
  EXPECT_EQ(canvas->addParentXY({20, 30, 50, 200}, *inner), onCanvas);
  EXPECT_EQ(highlight->frame(), onCanvas);
  EXPECT_EQ(highlight->layer()->borderColor(), (graphics::Color{1, 1, 1, 0.9}));
  EXPECT_EQ(highlight->layer()->borderWidth(), 1);
  EXPECT_FALSE(highlight->isUserInteractionEnabled());

  ASSERT_NE(canvas->widthResizeHandle, nullptr);
  ASSERT_NE(canvas->heightResizeHandle, nullptr);
  EXPECT_EQ(canvas->widthResizeHandle->superview(), creatorView);
  EXPECT_EQ(canvas->widthResizeHandle->frame(), (graphics::Rect{174, 170, 12, 40}));
  EXPECT_EQ(canvas->heightResizeHandle->frame(), (graphics::Rect{145, 284, 20, 12}));
  EXPECT_EQ(canvas->widthResizeHandle->backgroundColor(), ResizeHandleGeometry::color);
  EXPECT_EQ(canvas->heightResizeHandle->layer()->cornerRadius(), 4);
  // The element views stay below the frame, the frame below the handles.
  const auto& layers = creatorView->subviews();
  EXPECT_EQ(layers[layers.size() - 3], highlight);
  const auto& widthGesture = canvas->widthResizeHandle->gestureRecognizers().at(0);
  EXPECT_EQ(mark(*widthGesture, "elementName"), "badge");
  EXPECT_EQ(mark(*widthGesture, "isWidthResizeGesture"), true);
  const auto& heightGesture = canvas->heightResizeHandle->gestureRecognizers().at(0);
  EXPECT_EQ(mark(*heightGesture, "isHeightResizeGesture"), true);

  box->setFrame({60, 50, 200, 300});
  canvas->updateWidthResizeHandlePosition();
  canvas->updateHeightResizeHandlePosition();
  EXPECT_EQ(canvas->widthResizeHandle->frame(), (graphics::Rect{134, 170, 12, 40}));
  EXPECT_EQ(canvas->heightResizeHandle->frame(), (graphics::Rect{105, 284, 20, 12}));

  canvas->isResizingWidth = true;
  canvas->resetHighlightView();
  EXPECT_EQ(highlight->frame(), graphics::Rect{});
  EXPECT_EQ(canvas->widthResizeHandle->superview(), nullptr);
  EXPECT_EQ(canvas->heightResizeHandle->superview(), nullptr);
  EXPECT_FALSE(canvas->isResizingWidth);
}

TEST_F(Selection, OnlyTheLastSelectedElementCanBeDraggedAndANameWithoutAViewLeavesNoGestureOrHandles) {
  highlightOption(true);
  const auto first = addElement("first", 7, {0, 0, 50, 50}, creatorView);
  const auto second = addElement("second", 8, {100, 0, 50, 50}, creatorView);
  canvas->loadElementOptions("first");
  const auto firstHandle = canvas->widthResizeHandle;
  canvas->loadElementOptions("second");

  EXPECT_TRUE(dragGestures(*first).empty());
  EXPECT_EQ(dragGestures(*second).size(), 1u);
  EXPECT_EQ(firstHandle->superview(), nullptr);
  EXPECT_EQ(canvas->widthResizeHandle->superview(), creatorView);

  canvas->creatorTags["ghost"] = 99;
  canvas->loadElementOptions("ghost");
  EXPECT_TRUE(dragGestures(*second).empty());
  EXPECT_EQ(canvas->widthResizeHandle->superview(), nullptr);
  EXPECT_TRUE(dragGestures(*display).empty());
}

TEST_F(Selection, ATapSelectsTheElementUnderTheFingerButNeverAHiddenOrLockedOne) {
  const auto box = addElement("box", 3, {100, 100, 300, 300}, creatorView);
  addElement("nested", 4, {50, 50, 100, 100}, box);
  addElement("iconHolder", 6, {0, 0, 40, 40}, creatorView)->addSubview(View::make({0, 0, 40, 40}));
  addElement("locked", 8, {420, 0, 60, 60}, creatorView);
  const auto hidden = addElement("hidden", 9, {420, 200, 60, 60}, creatorView);
  hidden->setHidden(true);
  canvas->lockedElements = {"locked"};
  canvas->hiddenElements = {"hidden"};

  struct TapCase {
    graphics::Point point;
    std::string selected;
  };
  const TapCase cases[] = {
      {{170, 170}, "nested"},    // the nested view is hit, not its container
      {{20, 20}, "iconHolder"},  // an untagged inner view stands for its tagged holder
      {{110, 110}, "box"},       // the container itself
      {{440, 20}, "box"},        // locked: the selection stays
      {{440, 220}, "box"},       // hidden: not hit, and skipped by the frame search
  };

  platform::ui::TouchInjector touches(screen);
  for (const TapCase& test : cases) {
    touches.tap(test.point);
    EXPECT_EQ(canvas->getSelectedElement(), test.selected) << test.point.x << ", " << test.point.y;
  }
  touches.tap({110, 110});
  EXPECT_FALSE(hintLabel->isHidden());
  touches.tap({300, 500});
  EXPECT_TRUE(hintLabel->isHidden()) << "a tap on empty canvas clears the name tab";
  EXPECT_EQ(canvas->getSelectedElement(), "box");
}

}  // namespace
}  // namespace vantile::testing
