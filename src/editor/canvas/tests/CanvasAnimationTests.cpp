#include <gtest/gtest.h>

#include "drawer/AppDrawerViewController.h"
#include "editor/canvas/tests/CanvasFixture.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchInjector.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::ui::View;

class CanvasAnimation : public CanvasTest {
 protected:
  void draw(const Value& children, const std::vector<std::string>& order) {
    writeTheme("Moving.json", theme(children, order));
    canvas->loadThemeFile("Moving.json");
    screen->addSubview(canvas->creatorView);
  }

  static Value animated(Value element, const Value& animation) {
    element["actions"] = "animation";
    element["animation"] = animation;
    return element;
  }

  const Value& details() { return canvas->animationDict["AnimationDetails"]; }

  std::shared_ptr<View> screen = View::make({0, 0, 375, 812});
};

TEST_F(CanvasAnimation, ATapOnANestedElementPlaysTheNestedElementsAnimationOnly) {
  Value container = animated(box(50, 100, 200, 200), {{"Box", "x:0,speed:0"}});
  container["children"] = {{"Inner", animated(box(10, 10, 50, 50), {{"Inner", "x:80,y:10,width:50,height:50,speed:0"}})}};
  draw({{"Box", container}}, {"Box"});
  platform::ui::TouchInjector(screen).tap({70, 120});
  platform::foundation::MainQueue::shared().advance(1);
  EXPECT_DOUBLE_EQ(canvas->getElementView("Inner")->frame().origin.x, 80);
  EXPECT_DOUBLE_EQ(canvas->getElementView("Box")->frame().origin.x, 50);
}

TEST_F(CanvasAnimation, ATriggeredElementPlaysItsOwnAnimationOnTheCanvasAfterTheWait) {
  draw({{"A", animated(box(10, 10, 50, 50), {{"A", "x:100,speed:0,trigger:B,wait:0.5"}})},
        {"B", animated(box(10, 300, 50, 50), {{"B", "x:200,y:300,width:50,height:50,speed:0"}})}},
       {"A", "B"});
  platform::ui::TouchInjector(screen).tap({20, 20});
  auto& queue = platform::foundation::MainQueue::shared();
  queue.advance(0.3);
  EXPECT_DOUBLE_EQ(canvas->getElementView("B")->frame().origin.x, 10);
  queue.advance(0.5);
  EXPECT_DOUBLE_EQ(canvas->getElementView("B")->frame().origin.x, 200);
}

TEST_F(CanvasAnimation, AnAnimationThatPrintsAsEmptyBracesDoesNotPlay) {
  draw({{"Still", animated(box(10, 10, 50, 50), Value::object())}}, {"Still"});
  platform::ui::TouchInjector(screen).tap({20, 20});
  platform::foundation::MainQueue::shared().advance(1);
  EXPECT_DOUBLE_EQ(canvas->getElementView("Still")->frame().origin.x, 10);
  EXPECT_TRUE(canvas->animationDict.empty());
}

TEST_F(CanvasAnimation, AFirstRunRecordsTheThemeValuesAndAToggleRunPlaysThemBack) {
  Value element = box(10, 20, 30, 40);
  element["alpha"] = "0.5";
  draw({{"A", element}}, {"A"});

  Value settings = {{"toggle", "YES"}, {"x", 99}};
  canvas->saveAnimationState("A", "Src", settings, "x:100,alpha:1");
  EXPECT_EQ(details()["A_Src_defaultFrame"], element["frame"]);
  EXPECT_EQ(details()["A_Src_defaultAlpha"], "0.500000");
  EXPECT_FALSE(details().contains("A_Src_defaultScale"));
  EXPECT_EQ(details()["A_Src_animationHappened"], "YES");
  EXPECT_EQ(settings["x"], 99);

  canvas->saveAnimationState("A", "Src", settings, "x:100,alpha:1");
  EXPECT_DOUBLE_EQ(settings["x"].get<double>(), 10);
  EXPECT_DOUBLE_EQ(settings["y"].get<double>(), 20);
  EXPECT_DOUBLE_EQ(settings["width"].get<double>(), 30);
  EXPECT_DOUBLE_EQ(settings["alpha"].get<double>(), 0.5);
  EXPECT_EQ(details()["A_Src_animationHappened"], "NO");
}

TEST_F(CanvasAnimation, ARunAfterAFirstRunWithoutToggleStoresNothing) {
  draw({{"A", box(10, 20, 30, 40)}}, {"A"});
  Value settings = {{"toggle", "NO"}};
  canvas->saveAnimationState("A", "Src", settings, "x:100");
  const Value recorded = canvas->animationDict;
  canvas->saveAnimationState("A", "Src", settings, "x:100");
  EXPECT_EQ(canvas->animationDict, recorded);
  EXPECT_EQ(settings, (Value{{"toggle", "NO"}}));
}

TEST_F(CanvasAnimation, AToggleRunOfANestedElementResolvesItsFrameInItsParent) {
  Value container = box(0, 0, 200, 100);
  Value centred = box(0, 0, 50, 20);
  centred["frame"]["x"] = "center";
  container["children"] = {{"Inner", centred}};
  draw({{"Box", container}}, {"Box"});
  Value settings = {{"toggle", "YES"}};
  canvas->saveAnimationState("Inner", "Box", settings, "x:0");
  canvas->saveAnimationState("Inner", "Box", settings, "x:0");
  EXPECT_DOUBLE_EQ(settings["x"].get<double>(), 75);
}

TEST_F(CanvasAnimation, AnAppElementsTapOpensTheDrawerOverTheEditorUntilAnAppIsChosen) {
  Value dock = box(20, 20, 60, 60);
  dock["type"] = "UIImageView";
  dock["actions"] = "openDrawer";
  writeTheme("time.json", theme({{"Dock", dock}}, {"Dock"}));
  const auto main = canvas->setupMainView(screen);
  platform::ui::TouchInjector(main).tap({40, 40});
  const auto drawer = canvas->appDrawer;
  ASSERT_NE(drawer, nullptr);
  EXPECT_EQ(drawer->superview(), main);
  EXPECT_EQ(drawer->frame(), main->bounds());
  ASSERT_TRUE(drawer->completionBlock);
  drawer->completionBlock("com.apple.Music");
  EXPECT_EQ(drawer->superview(), nullptr);
}

TEST(CanvasAnimationText, AnimationValuesLoseBracesAndBlanks) {
  EXPECT_EQ(CreatorView::cleanAnimationString(Value("{x: 10, y:20}")), "x:10,y:20");
  EXPECT_EQ(CreatorView::cleanAnimationString(Value::object()), "");
}

}  // namespace
}  // namespace vantile::testing
