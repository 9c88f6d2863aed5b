#include <gtest/gtest.h>

#include "editor/canvas/tests/CanvasFixture.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::ui::TouchInjector;
using platform::ui::View;

class CanvasGestures : public CanvasTest {
 protected:
  CanvasGestures() { screen->addSubview(display); }

  std::shared_ptr<View> screen = View::make({0, 0, 375, 812});
  std::shared_ptr<View> display = canvas->setupDisplay();
};

TEST_F(CanvasGestures, TheDisplayCoversTheScreenWithRoundedCorners) {
  EXPECT_EQ(display->frame(), (platform::graphics::Rect{0, 0, 375, 812}));
  EXPECT_DOUBLE_EQ(display->layer()->cornerRadius(), 10);
  EXPECT_FALSE(display->clipsToBounds());
}

TEST_F(CanvasGestures, PinchesZoomTheDisplayStepByStep) {
  TouchInjector fingers(screen);
  fingers.pinch({187, 400}, 100, 200, 10);
  EXPECT_NEAR(display->transform().a, 2, 1e-6);
  fingers.pinch({187, 400}, 100, 150, 10);
  EXPECT_NEAR(display->transform().a, 3, 1e-6);
  EXPECT_NEAR(display->transform().d, 3, 1e-6);
}

TEST_F(CanvasGestures, APanMovesTheDisplayWithTheFingerThenGlidesOnByAFifthOfItsSpeed) {
  TouchInjector finger(screen);
  // Ten points every 1/60 s: 600 points per second when the finger lifts.
  finger.drag({100, 400}, {200, 400}, 10);
  const double lifted = display->center().x;
  platform::foundation::MainQueue::shared().advance(1);
  EXPECT_NEAR(lifted, 187.5 + 100 + 120, 1e-6);
  EXPECT_DOUBLE_EQ(display->center().y, 406);
}

TEST_F(CanvasGestures, ATapOnANestedElementNamesTheNestedElement) {
  Value container = box(50, 100, 200, 200);
  container["children"] = {{"Inner", box(10, 10, 50, 50)}};
  canvas->creatorView = canvas->createViewFromDictionary(theme({{"Box", container}}, {"Box"})["PresetView"], "creator");
  screen->addSubview(canvas->creatorView);

  std::optional<std::int32_t> tapped;
  const auto boxView = canvas->getElementView("Box");
  ASSERT_NE(boxView, nullptr);
  boxView->addGestureRecognizer(platform::ui::TapGestureRecognizer::make(
      [&](platform::ui::GestureRecognizer& recognizer) { tapped = canvas->getViewTag(recognizer); }));
  TouchInjector(screen).tap({70, 120});
  ASSERT_TRUE(tapped.has_value());
  EXPECT_EQ(canvas->getElementNameFromTag(*tapped), "Inner");
}

}  // namespace
}  // namespace vantile::testing
