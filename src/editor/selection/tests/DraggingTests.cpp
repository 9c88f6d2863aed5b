#include <gtest/gtest.h>

#include <string>

#include "editor/selection/ResizeHandleGeometry.h"
#include "editor/selection/tests/CanvasEditingFixture.h"
#include "platform/foundation/queues/MainQueue.h"

namespace vantile::testing {
namespace {

namespace graphics = platform::graphics;
using platform::Value;

// A 100 × 40 box at (20, 100): its centre (70, 120) is far from the root's (187.5, 406).
class Dragging : public CanvasEditing {
 protected:
  void loadBox() { load({{"Box", box("20", "100", 100, 40)}}, "Box"); }
  static void advanceOneTurn() { platform::foundation::MainQueue::shared().advance(0); }
};

TEST_F(Dragging, EachAxisLocksToTheParentsCentreWhileTheFingerIsWithinTenPointsOfItAndFollowsItAgainBeyond) {
  loadBox();
  struct Step {
    graphics::Point finger;
    graphics::Point center;
    const char* storedX;
    const char* storedY;
    const char* fieldX;
  };
  const Step steps[] = {
      {{90, 120}, {90, 120}, "40", "100", "40"},           {{180, 120}, {187.5, 120}, "140", "100", "138"},
      {{197.5, 120}, {187.5, 120}, "140", "100", "138"},  // exactly 10 away
      {{197.75, 120}, {197.75, 120}, "150", "100", "148"}, {{195, 400}, {187.5, 406}, "140", "385", "138"},
      {{300, 415}, {300, 406}, "250", "385", "250"},       {{300, 500}, {300, 500}, "250", "480", "250"},
  };
  ASSERT_TRUE(finger.touchDown({{70, 120}}));
  for (const Step& step : steps) {
    finger.touchMove({step.finger});
    EXPECT_EQ(view("Box")->center(), step.center) << step.finger.x << ", " << step.finger.y;
    EXPECT_EQ(stored("Box")["x"], step.storedX) << step.finger.x;
    EXPECT_EQ(stored("Box")["y"], step.storedY) << step.finger.x;
    EXPECT_EQ(fieldText("frame~x"), step.fieldX) << step.finger.x;
  }
  finger.touchUp();
  EXPECT_EQ(view("Box")->frame(), (graphics::Rect{250, 480, 100, 40}));
  EXPECT_EQ(canvas->display->frame().origin, (graphics::Point{0, 0})) << "the drag is the element's, not the display's";
  EXPECT_EQ(captionNamedLikeAField->text(), "X");
}

TEST_F(Dragging, ReleasingAtTheLockedCentreStoresCenterAndTheFieldShowsItOnTheNextTurn) {
  highlightOption(true);
  loadBox();
  finger.drag({70, 120}, {183, 133}, 6);

  EXPECT_EQ(stored("Box")["x"], "center");
  EXPECT_EQ(stored("Box")["y"], "115") << "the other axis is stored on the grid";
  EXPECT_EQ(view("Box")->frame(), (graphics::Rect{137.5, 113, 100, 40})) << "no grid snap after a centre snap";
  EXPECT_EQ(fieldText("frame~x"), "138");
  advanceOneTurn();
  EXPECT_EQ(fieldText("frame~x"), "center");
  EXPECT_EQ(fieldText("frame~y"), "113");
  EXPECT_EQ(canvas->highlightView->frame(), (graphics::Rect{135.5, 111, 104, 44}));
}

TEST_F(Dragging, AReleaseCentreWithinTwoAndAHalfPointsStoresCenterForThatAxisOnly) {
  struct Case {
    double offset;
    bool snaps;
  };
  const Case cases[] = {{2.5, true}, {-2.5, true}, {2.75, false}, {-2.625, false}};
  for (const Case& test : cases) {
    loadBox();
    clearFields();
    const auto element = view("Box");
    element->setCenter({187.5 + test.offset, 300.25});
    const graphics::Rect placed = element->frame();

    EXPECT_EQ(canvas->snapToCenterAndSaveIfNeeded(*element), test.snaps) << test.offset;
    EXPECT_EQ(stored("Box")["x"], test.snaps ? "center" : "20") << test.offset;
    EXPECT_EQ(stored("Box")["y"], test.snaps ? "280" : "100") << test.offset;
    EXPECT_EQ(element->frame(), placed);
    advanceOneTurn();
    EXPECT_EQ(fieldText("frame~x"), test.snaps ? "center" : "-") << test.offset;
    EXPECT_EQ(fieldText("frame~y"), "-") << test.offset;
  }
}

TEST_F(Dragging, ReleasingElsewherePutsTheOriginOnTheFivePointGridWithHalvesAwayFromZero) {
  struct Case {
    graphics::Point finger;
    graphics::Point origin;
    const char* x;
    const char* y;
  };
  const Case cases[] = {
      {{62.5, 132.5}, {15, 115}, "15", "115"},   // 12.5, 112.5
      {{37.5, 7.5}, {-15, -15}, "-15", "-15"},   // -12.5, -12.5
      {{71, 118}, {20, 100}, "20", "100"},       // 21, 98: back where it was
      {{173, 227.5}, {125, 210}, "125", "210"},  // 123, 207.5
  };
  highlightOption(false);
  for (const Case& test : cases) {
    loadBox();
    // Out and back, so that even a short final offset is a drag.
    finger.touchDown({{70, 120}});
    finger.touchMove({{70, 160}});
    finger.touchMove({test.finger});
    finger.touchUp();
    EXPECT_EQ(view("Box")->frame(), (graphics::Rect{test.origin.x, test.origin.y, 100, 40})) << test.finger.x;
    EXPECT_EQ(stored("Box")["x"], test.x) << test.finger.x;
    EXPECT_EQ(stored("Box")["y"], test.y) << test.finger.x;
    EXPECT_EQ(fieldText("frame~x"), test.x) << test.finger.x;
  }
  EXPECT_EQ(canvas->highlightView->frame(), graphics::Rect{}) << "without the highlight option no outline follows";
  EXPECT_EQ(canvas->widthResizeHandle, nullptr);
}

TEST_F(Dragging, ANestedElementsDragIsWrittenIntoItsOwnFrameAndTheOutlineAndHandlesFollowItOnTheCanvas) {
  highlightOption(true);
  Value container = box("50", "200", 200, 200);
  container["children"] = {{"Inner", box("10", "10", 50, 50)}};
  load({{"Box", container}}, "Inner");
  Value expected = canvas->creatorPreset;
  expected["PresetView"]["children"]["Box"]["children"]["Inner"]["frame"]["x"] = "50";
  expected["PresetView"]["children"]["Box"]["children"]["Inner"]["frame"]["y"] = "30";

  finger.drag({85, 235}, {125, 255}, 4);

  EXPECT_EQ(view("Inner")->frame(), (graphics::Rect{50, 30, 50, 50}));
  EXPECT_EQ(canvas->creatorPreset, expected);
  const graphics::Rect onCanvas{100, 230, 50, 50};
  EXPECT_EQ(canvas->highlightView->frame(), (graphics::Rect{98, 228, 54, 54}));
  EXPECT_EQ(canvas->widthResizeHandle->frame(), ResizeHandleGeometry::widthHandleFrame(onCanvas));
  EXPECT_EQ(canvas->heightResizeHandle->frame(), ResizeHandleGeometry::heightHandleFrame(onCanvas));
}

TEST_F(Dragging, AViewWithoutAnElementOrAnElementWithoutAFrameLeavesTheThemeAsItWas) {
  load({{"Bare", {{"type", "UIView"}}}, {"Box", box("20", "100", 100, 40)}}, "Box");
  // The canvas has completed the bare element over its type's defaults; the test needs none.
  canvas->creatorPreset["PresetView"]["children"]["Bare"].erase("frame");
  const Value before = canvas->creatorPreset;
  auto stranger = platform::ui::View::make({10, 10, 20, 20});
  stranger->setTag(4242);
  view("Box")->superview()->addSubview(stranger);

  ::testing::internal::CaptureStderr();
  canvas->savePositionToCreatorPreset(*stranger);
  EXPECT_FALSE(canvas->snapToCenterAndSaveIfNeeded(*stranger));
  canvas->savePositionToCreatorPreset(*view("Bare"));
  canvas->saveWidthToCreatorPreset("Gone", 30);
  const std::string log = ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(canvas->creatorPreset, before);
  EXPECT_NE(log.find("\"Bare\""), std::string::npos) << log;
  EXPECT_NE(log.find("\"Gone\""), std::string::npos) << log;
}

}  // namespace
}  // namespace vantile::testing
