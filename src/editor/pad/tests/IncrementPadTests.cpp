#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/editing/tests/EditingFixture.h"
#include "editor/pad/PadReadOut.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/SegmentedControl.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/text/Label.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::foundation::MainQueue;
namespace ui = platform::ui;

std::shared_ptr<ui::View> findByLayerName(const std::shared_ptr<ui::View>& view, const std::string& name) {
  if (view->layer()->name() == name) return view;
  for (const auto& subview : view->subviews()) {
    if (auto found = findByLayerName(subview, name)) return found;
  }
  return nullptr;
}

// The style menu of the "Clock" label, whose frame is x 20, y 40, width 100, height 50 and whose
// font size is 12, with a finger on the editor's screen.
class IncrementPad : public EditingTest {
 protected:
  IncrementPad() {
    canvas->setSelectedElement("Clock");
    canvas->setElementStyle("frame", "Clock", R"({"x":"20","y":"40","width":"100","height":"50"})");
    canvas->setElementStyle("fontSize", "Clock", "12");
  }

  std::shared_ptr<ui::View> arrow(const std::string& reference) const {
    return canvas->styleMenu ? findByLayerName(canvas->styleMenu, reference) : nullptr;
  }
  platform::graphics::Point centreOf(const std::shared_ptr<ui::View>& view) const {
    const auto bounds = view->bounds();
    return view->convertPointToView({bounds.size.width / 2, bounds.size.height / 2}, canvas->mainView.get()).value();
  }
  // Touch-down on the arrow; the press begins and takes its first step on the next queue turn.
  void pressArrow(const std::string& reference) {
    const auto button = arrow(reference);
    ASSERT_TRUE(button) << reference;
    ASSERT_TRUE(finger.touchDown({centreOf(button)}));
    MainQueue::shared().advance(0);
  }
  void tapArrow(const std::string& reference) {
    pressArrow(reference);
    finger.touchUp();
    MainQueue::shared().advance(1);
  }
  std::string frameEntry(const std::string& key) const { return element("Clock")["frame"][key].get<std::string>(); }
  std::string readOut() const {
    const auto label = std::dynamic_pointer_cast<ui::Label>(canvas->styleMenu->viewWithTag(kPadReadOutTag));
    return label ? label->text() : "?";
  }
  std::vector<std::string> arrowNames() const {
    std::vector<std::string> names;
    for (const char* direction : {"up", "left", "right", "down"}) {
      if (arrow(std::string(direction) + "~" + canvas->currentStyle)) names.emplace_back(direction);
    }
    return names;
  }

  ui::TouchInjector finger{canvas->mainView};
};

TEST_F(IncrementPad, AHeldArrowStepsAtTouchDownAndEvery30MillisecondsUntilRelease) {
  canvas->createMenuForStyle("x~frame");
  canvas->segmentSelected(2);
  pressArrow("right~x~frame");
  EXPECT_EQ(frameEntry("x"), "30");
  MainQueue::shared().advance(0.03);
  EXPECT_EQ(frameEntry("x"), "40");
  MainQueue::shared().advance(0.03);
  EXPECT_EQ(frameEntry("x"), "50");
  EXPECT_EQ(readOut(), "X:50 Y:40 W:100 H:50");
  finger.touchUp();
  MainQueue::shared().advance(1);
  EXPECT_EQ(frameEntry("x"), "50");
  EXPECT_FALSE(canvas->isHeld);
  EXPECT_EQ(frameEntry("y"), "40");
}

TEST_F(IncrementPad, TheHoldEndsWhenThePressIsCancelledTheMenuClosesOrTheSelectionChanges) {
  struct Case {
    const char* name;
    std::function<void()> interrupt;
  };
  const Case cases[] = {
      {"cancelled",
       [this] {
         for (const auto& recognizer : arrow("down~y~frame")->gestureRecognizers()) recognizer->setEnabled(false);
       }},
      {"menu closed", [this] { canvas->closeStyleMenu(); }},
      {"other menu", [this] { canvas->createMenuForStyle("fontSize~fontSize"); }},
      {"selection changed", [this] { canvas->setSelectedElement("Box"); }},
  };
  for (const Case& c : cases) {
    canvas->setSelectedElement("Clock");
    canvas->setElementStyle("frame", "Clock", R"({"x":"20","y":"40","width":"100","height":"50"})");
    canvas->createMenuForStyle("y~frame");
    pressArrow("down~y~frame");
    EXPECT_EQ(frameEntry("y"), "41") << c.name;
    c.interrupt();
    MainQueue::shared().advance(1);
    EXPECT_EQ(frameEntry("y"), "41") << c.name;
    finger.touchUp();
    MainQueue::shared().advance(1);
  }
}

TEST_F(IncrementPad, PressingAgainRightAfterAReleaseRepeatsOnlyOnce) {
  canvas->createMenuForStyle("x~frame");
  pressArrow("right~x~frame");
  MainQueue::shared().advance(0.01);
  finger.touchUp();
  MainQueue::shared().advance(0.01);
  pressArrow("right~x~frame");
  EXPECT_EQ(frameEntry("x"), "22");
  MainQueue::shared().advance(0.02);
  EXPECT_EQ(frameEntry("x"), "22");
  MainQueue::shared().advance(0.01);
  EXPECT_EQ(frameEntry("x"), "23");
  finger.touchUp();
}

TEST_F(IncrementPad, EachArrowChangesTheEntryItsPadStandsFor) {
  struct Case {
    const char* address;
    int segment;
    const char* arrow;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"y~frame", 0, "up", "y", "39"},
      {"y~frame", 0, "down", "y", "41"},
      {"height~frame", 1, "up", "height", "55"},
      {"height~frame", 1, "left", "width", "95"},
      {"fontSize~fontSize", 3, "down", "fontSize", "-8"},
  };
  for (const Case& c : cases) {
    canvas->setElementStyle("frame", "Clock", R"({"x":"20","y":"40","width":"100","height":"50"})");
    canvas->setElementStyle("fontSize", "Clock", "12");
    canvas->createMenuForStyle(c.address);
    canvas->segmentSelected(c.segment);
    tapArrow(std::string(c.arrow) + "~" + c.address);
    const Value& clock = element("Clock");
    const Value& value = std::string(c.key) == "fontSize" ? clock["fontSize"] : clock["frame"][c.key];
    EXPECT_EQ(value, c.expected) << c.address << " " << c.arrow;
  }
}

TEST_F(IncrementPad, ShadowStepsKeepTheOtherEntriesOfTheShadow) {
  canvas->createMenuForStyle("radius~textShadow");
  tapArrow("up~radius~textShadow");
  EXPECT_EQ(element("Clock")["textShadow"],
            (Value{{"x", "1"}, {"y", "1"}, {"radius", "3"}, {"color", "rgba(1,1,1,1)"}}));
  EXPECT_EQ(readOut(), "R: 3");
}

TEST_F(IncrementPad, FramesAndOffsetsGetFourArrowsPlainStylesAndShadowsTwo) {
  const std::vector<std::string> four{"up", "left", "right", "down"};
  const std::vector<std::string> two{"up", "down"};
  for (const auto& [address, expected] : {std::pair{"x~frame", four}, std::pair{"width~contentSize", four},
                                          std::pair{"y~initialOffset", four}, std::pair{"fontSize~fontSize", two},
                                          std::pair{"x~textShadow", two}, std::pair{"y~boxShadow", two}}) {
    canvas->createMenuForStyle(address);
    EXPECT_EQ(arrowNames(), expected) << address;
  }
}

TEST_F(IncrementPad, AnIncrementButtonOpensTheMenuAndASecondMenuReplacesTheFirst) {
  auto button = canvas->createIncrementer("x", "frame", {10, 100, 30, 30});
  canvas->mainView->addSubview(button);
  finger.tap({25, 115});
  MainQueue::shared().advance(1);
  ASSERT_TRUE(canvas->styleMenu);
  const auto first = canvas->styleMenu;
  EXPECT_EQ(first->layer()->name(), "x~frame");
  EXPECT_EQ(canvas->currentStyle, "x~frame");
  EXPECT_EQ(first->frame(), (platform::graphics::Rect{0, 512, 375, 300}));
  EXPECT_EQ(readOut(), "X:20 Y:40 W:100 H:50");

  canvas->createMenuForStyle("fontSize~fontSize");
  EXPECT_FALSE(first->superview());
  EXPECT_EQ(canvas->styleMenu->superview(), canvas->mainView);
  EXPECT_EQ(readOut(), "F: 12");
}

TEST_F(IncrementPad, TheStepSelectorStartsAt1pxAfterTheMainViewIsSetUpAgain) {
  canvas->createMenuForStyle("x~frame");
  canvas->segmentSelected(4);
  EXPECT_EQ(canvas->incrementerAdditionValue, 50);
  canvas->segmentSelected(9);
  EXPECT_EQ(canvas->incrementerAdditionValue, 50);
  canvas->setupMainView(host);
  canvas->createMenuForStyle("x~frame");
  std::shared_ptr<ui::SegmentedControl> control;
  for (const auto& subview : canvas->styleMenu->subviews()) {
    if (auto segments = std::dynamic_pointer_cast<ui::SegmentedControl>(subview)) control = segments;
  }
  ASSERT_TRUE(control);
  EXPECT_EQ(control->items()[static_cast<std::size_t>(control->selectedSegmentIndex())], "1px");
  EXPECT_EQ(canvas->incrementerAdditionValue, 1);
}

TEST_F(IncrementPad, BackClosesTheMenu) {
  canvas->createMenuForStyle("x~frame");
  const auto menu = canvas->styleMenu;
  finger.tap(centreOf(menu->subviews().front()));
  MainQueue::shared().advance(1);
  EXPECT_FALSE(menu->superview());
  EXPECT_FALSE(canvas->styleMenu);
}

}  // namespace
}  // namespace vantile::testing
