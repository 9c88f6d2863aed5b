#include <gtest/gtest.h>

#include <string>

#include "editor/selection/ResizeHandleGeometry.h"
#include "editor/selection/tests/CanvasEditingFixture.h"

namespace vantile::testing {
namespace {

namespace graphics = platform::graphics;
using platform::Value;

class Resizing : public CanvasEditing {
 protected:
  Resizing() { highlightOption(true); }

  static graphics::Point middle(const graphics::Rect& rect) { return {rect.midX(), rect.midY()}; }
  static std::size_t dragGestureCount(const platform::ui::View& view) {
    std::size_t count = 0;
    for (const auto& recognizer : view.gestureRecognizers()) {
      if (recognizer->associatedValue("isElementDragGesture").value_or(Value()) == true) ++count;
    }
    return count;
  }
};

TEST_F(Resizing, ASizeFollowsItsHandleDownToTenPointsAndLandsOnAMultipleOfFiveWhenLetGo) {
  struct Case {
    bool width;
    double travel;
    double dragged;
    const char* storedWhileDragging;
    double released;
  };
  const Case cases[] = {
      {true, -200, 10, "10", 10}, {true, -33, 67, "67", 65},  {true, 12.5, 112.5, "112", 115},
      {false, -27, 13, "13", 15}, {false, -31, 10, "10", 10},
  };
  for (const Case& test : cases) {
    load({{"Box", box("20", "100", 100, 40)}}, "Box");
    const auto drawn = canvas->creatorView;
    const auto handle = test.width ? canvas->widthResizeHandle : canvas->heightResizeHandle;
    const graphics::Point from = middle(handle->frame());
    const graphics::Point to{from.x + (test.width ? test.travel : 0), from.y + (test.width ? 0 : test.travel)};
    const std::string key = test.width ? "width" : "height";
    const std::string trace = key + " " + std::to_string(test.travel);

    finger.touchDown({from});
    finger.touchMove({{(from.x + to.x) / 2, (from.y + to.y) / 2}});
    finger.touchMove({to});
    const graphics::Rect dragged{20, 100, test.width ? test.dragged : 100, test.width ? 40 : test.dragged};
    EXPECT_EQ(view("Box")->frame(), dragged) << trace;
    EXPECT_TRUE(test.width ? canvas->isResizingWidth : canvas->isResizingHeight) << trace;
    EXPECT_EQ(stored("Box")[key], test.storedWhileDragging) << trace;
    EXPECT_EQ(fieldText("frame~" + key), test.storedWhileDragging) << trace;
    EXPECT_EQ(canvas->highlightView->frame(), (graphics::Rect{18, 98, dragged.size.width + 4, dragged.size.height + 4}))
        << trace;
    EXPECT_EQ(canvas->widthResizeHandle->frame(), ResizeHandleGeometry::widthHandleFrame(dragged)) << trace;
    EXPECT_EQ(canvas->heightResizeHandle->frame(), ResizeHandleGeometry::heightHandleFrame(dragged)) << trace;

    finger.touchUp();
    const graphics::Rect released{20, 100, test.width ? test.released : 100, test.width ? 40 : test.released};
    const std::string releasedText = std::to_string(static_cast<int>(test.released));
    EXPECT_FALSE(canvas->isResizingWidth || canvas->isResizingHeight) << trace;
    EXPECT_EQ(stored("Box")[key], releasedText) << trace;
    EXPECT_EQ(fieldText("frame~" + key), releasedText) << trace;
    // The canvas is drawn anew from the theme, with the selection attached to the new view.
    ASSERT_NE(canvas->creatorView, drawn) << trace;
    EXPECT_EQ(view("Box")->frame(), released) << trace;
    EXPECT_EQ(canvas->highlightView->superview(), canvas->creatorView) << trace;
    EXPECT_EQ(canvas->highlightView->frame(), released) << trace;
    EXPECT_EQ(dragGestureCount(*view("Box")), 1u) << trace;
    ASSERT_EQ(canvas->widthResizeHandle->superview(), canvas->creatorView) << trace;
    EXPECT_EQ(canvas->widthResizeHandle->frame(), ResizeHandleGeometry::widthHandleFrame(released)) << trace;
    EXPECT_EQ(canvas->heightResizeHandle->frame(), ResizeHandleGeometry::heightHandleFrame(released)) << trace;
  }
}

TEST_F(Resizing, AnElementStoredAtTheCentreStaysCentredAfterItsSizeChanges) {
  load({{"Box", box("center", "center", 100, 40)}}, "Box");
  // The engine places "center" on whole points.
  const auto expectCentred = [&](graphics::Size size) {
    const graphics::Rect frame = view("Box")->frame();
    EXPECT_EQ(frame.size, size);
    EXPECT_NEAR(frame.midX(), 187.5, 0.5);
    EXPECT_NEAR(frame.midY(), 406, 0.5);
  };
  expectCentred({100, 40});

  graphics::Point handle = middle(canvas->widthResizeHandle->frame());
  finger.drag(handle, {handle.x + 40, handle.y}, 4);
  expectCentred({140, 40});
  handle = middle(canvas->heightResizeHandle->frame());
  finger.drag(handle, {handle.x, handle.y + 60}, 4);
  expectCentred({140, 100});
  EXPECT_EQ(stored("Box"), (Value{{"x", "center"}, {"y", "center"}, {"width", "140"}, {"height", "100"}}));
}

TEST_F(Resizing, RecenteringMovesOnlyTheAxesStoredAsCenterAtAnyDepth) {
  Value nested = box("50", "200", 200, 200);
  nested["children"] = {{"Inner", box("center", "10", 50, 50)}};
  struct Case {
    Value children;
    std::string name;
    graphics::Size resized;
    graphics::Point origin;
  };
  const Case cases[] = {
      {{{"Box", box("center", "100", 100, 40)}}, "Box", {200, 40}, {87.5, 100}},
      {{{"Box", box("20", "center", 100, 40)}}, "Box", {100, 100}, {20, 356}},
      {{{"Box", box("20", "100", 100, 40)}}, "Box", {200, 100}, {20, 100}},
      {{{"Box", nested}}, "Inner", {100, 50}, {50, 10}},
  };
  for (const Case& test : cases) {
    load(test.children, test.name);
    const auto element = view(test.name);
    element->setFrame({element->frame().origin.x, element->frame().origin.y, test.resized.width, test.resized.height});
    canvas->recenterElementWithCenterPositioning(*element, test.name);
    EXPECT_EQ(element->frame().origin, test.origin) << test.name << " " << test.resized.width;
  }
  // The outline moved with the last one, on the canvas.
  EXPECT_EQ(canvas->highlightView->frame(), (graphics::Rect{98, 208, 104, 54}));
}

}  // namespace
}  // namespace vantile::testing
