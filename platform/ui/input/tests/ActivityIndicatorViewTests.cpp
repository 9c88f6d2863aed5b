#include <gtest/gtest.h>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/input/ActivityIndicatorView.h"
#include "platform/ui/render/Renderer.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

class ActivityIndicator : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;
};

TEST_F(ActivityIndicator, ShowsOnlyWhileAnimatingUnlessToldToStay) {
  const auto spinner = ActivityIndicatorView::make({100, 50});
  EXPECT_EQ(spinner->frame(), (graphics::Rect{90, 40, 20, 20}));
  EXPECT_TRUE(spinner->isHidden());
  spinner->startAnimating();
  EXPECT_TRUE(spinner->isAnimating());
  EXPECT_FALSE(spinner->isHidden());
  spinner->stopAnimating();
  EXPECT_TRUE(spinner->isHidden());

  spinner->setHidesWhenStopped(false);
  EXPECT_FALSE(spinner->isHidden());
  spinner->startAnimating();
  spinner->stopAnimating();
  EXPECT_FALSE(spinner->isAnimating());
  EXPECT_FALSE(spinner->isHidden());
}

TEST_F(ActivityIndicator, ItsBrightSpokeGoesRoundOnceASecond) {
  const auto spinner = ActivityIndicatorView::make();
  spinner->startAnimating();
  EXPECT_EQ(spinner->leadingSpoke(), 0);
  queue().advance(0.25);
  EXPECT_EQ(spinner->leadingSpoke(), 3);
  queue().advance(0.75);
  EXPECT_EQ(spinner->leadingSpoke(), 0);
  const auto before = snapshot(*spinner, 2.0);
  queue().advance(0.5);
  const auto after = snapshot(*spinner, 2.0);
  ASSERT_TRUE(before && after);
  EXPECT_FALSE(*before == *after) << "the drawing follows the clock";

  // The bright spoke points straight up at the start: its top half holds the brightest pixel.
  spinner->stopAnimating();
  spinner->setHidesWhenStopped(false);
  const auto still = snapshot(*spinner, 2.0);
  ASSERT_TRUE(still);
  EXPECT_GT(still->pixelAt(20, 6)->alpha, 200);
  EXPECT_LT(still->pixelAt(20, 34)->alpha, 200);
}

}  // namespace
}  // namespace platform::ui
