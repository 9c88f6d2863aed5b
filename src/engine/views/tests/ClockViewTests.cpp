#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "engine/views/ClockView.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/animation/BasicAnimation.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/Window.h"
#include "testing/ReferenceImage.h"

namespace vantile {
namespace {

namespace foundation = platform::foundation;
namespace graphics = platform::graphics;
namespace ui = platform::ui;

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

// 5 March 2024 at the given time of day, UTC.
foundation::TimeStamp atTimeOfDay(int hour, int minute, int second) {
  const std::chrono::sys_days date{std::chrono::year{2024} / 3 / 5};
  return date.time_since_epoch().count() * 86400.0 + hour * 3600 + minute * 60 + second;
}

// The turn of a hand's transform from twelve o'clock, in degrees, clockwise on screen. A hand
// hangs downward at rotation 0, so twelve o'clock is a half turn.
double turnFromTwelve(const graphics::AffineTransform& t) {
  return std::atan2(t.b, t.a) * 180 / std::numbers::pi - 180;
}

// Where a hand points, from 0 to 360 degrees past twelve.
double degreesPastTwelve(const ui::Layer& hand) { return std::fmod(turnFromTwelve(hand.transform()) + 720, 360); }

std::optional<graphics::Image> solidImage(int width, int height) {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width * height) * 4, 255);
  return graphics::Image::fromRGBA(width, height, rgba);
}

class ClockViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    queue().clear();
    ASSERT_TRUE(foundation::setTimeZone("UTC"));
    queue().useManualClock(atTimeOfDay(10, 8, 30));
  }
  void TearDown() override {
    queue().clear();
    queue().useRealClock();
    foundation::useHostTimeZone();
  }

  std::shared_ptr<ClockView> runningClock(graphics::Rect frame = {0, 0, 100, 100}) {
    auto clock = ClockView::make(frame);
    clock->setClockBackgroundImage(std::nullopt);
    clock->setHourHandImage(std::nullopt);
    clock->setMinHandImage(std::nullopt);
    clock->setSecHandImage(std::nullopt);
    clock->start();
    return clock;
  }
};

struct HandCase {
  int hour, minute, second;
  double hourDegrees, minuteDegrees, secondDegrees;
};

TEST_F(ClockViewTest, HandsPointWhereTheTimeOfDaySays) {
  const HandCase cases[] = {
      {0, 0, 0, 0, 0, 0},        {12, 0, 0, 0, 0, 0},  // the hour angle is a full turn
      {13, 30, 15, 45, 180, 90}, {10, 8, 30, 304, 48, 180}, {23, 59, 59, 359.5, 354, 354},
  };
  for (const HandCase& test : cases) {
    SCOPED_TRACE(std::to_string(test.hour) + ":" + std::to_string(test.minute) + ":" + std::to_string(test.second));
    queue().useManualClock(atTimeOfDay(test.hour, test.minute, test.second));
    auto clock = runningClock();
    EXPECT_NEAR(degreesPastTwelve(*clock->hourHand()), test.hourDegrees, 1e-3);
    EXPECT_NEAR(degreesPastTwelve(*clock->minHand()), test.minuteDegrees, 1e-3);
    EXPECT_NEAR(degreesPastTwelve(*clock->secHand()), test.secondDegrees, 1e-3);
  }
}

TEST_F(ClockViewTest, HandsFollowTheProcessTimeZone) {
  ASSERT_TRUE(foundation::setTimeZone("Asia/Tokyo"));  // UTC+9, no daylight saving
  auto clock = runningClock();
  EXPECT_NEAR(degreesPastTwelve(*clock->hourHand()), 214, 1e-3);  // 19:08 → 7:08
}

TEST_F(ClockViewTest, DrawnHandsAreSizedFromTheSmallerSideAndPivotAtTheCentre) {
  auto clock = runningClock({0, 0, 100, 200});
  const struct {
    const char* name;
    std::shared_ptr<ui::Layer> hand;
    graphics::Size size;
  } hands[] = {{"hour", clock->hourHand(), {10, 32.5}},
               {"minute", clock->minHand(), {8, 37.5}},
               {"second", clock->secHand(), {4, 40}}};
  for (const auto& hand : hands) {
    SCOPED_TRACE(hand.name);
    EXPECT_EQ(hand.hand->bounds().size, hand.size);
    EXPECT_EQ(hand.hand->position(), (graphics::Point{50, 100}));
    EXPECT_EQ(hand.hand->anchorPoint(), (graphics::Point{0.5, 0.1}));
  }
  EXPECT_EQ(clock->containerLayer()->frame(), (graphics::Rect{0, 0, 100, 200}));
}

TEST_F(ClockViewTest, HandPicturesShowAtHalfTheirPixelSize) {
  auto clock = ClockView::make({0, 0, 100, 100});
  clock->setHourHandImage(solidImage(20, 101));
  clock->start();
  EXPECT_EQ(clock->hourHand()->bounds().size, (graphics::Size{10, 50}));
  EXPECT_EQ(clock->hourHand()->backgroundColor(), (graphics::Color{0, 0, 0, 0}));
}

TEST_F(ClockViewTest, SecondHandStepsOnceASecond) {
  auto clock = runningClock();
  queue().advance(1.0);
  EXPECT_NEAR(degreesPastTwelve(*clock->secHand()), 186, 1e-3);
  queue().advance(29.0);
  EXPECT_NEAR(degreesPastTwelve(*clock->secHand()), 0, 1e-3);
  EXPECT_NEAR(degreesPastTwelve(*clock->minHand()), 54, 1e-3);
}

TEST_F(ClockViewTest, SweepingSecondHandRunsFromThePreviousSecond) {
  queue().useManualClock(atTimeOfDay(10, 8, 0));
  auto clock = ClockView::make({0, 0, 100, 100});
  clock->setSecHandContinuos(true);
  clock->start();
  const auto sweep =
      std::dynamic_pointer_cast<const ui::BasicAnimation>(clock->secHand()->animationForKey("transform"));
  ASSERT_TRUE(sweep);
  EXPECT_DOUBLE_EQ(sweep->duration(), 1.0);
  EXPECT_NEAR(turnFromTwelve(std::get<graphics::AffineTransform>(*sweep->fromValue())), -6, 1e-3);
  EXPECT_NEAR(turnFromTwelve(std::get<graphics::AffineTransform>(*sweep->toValue())), 0, 1e-3);
  // Where the sweep arrives is also where the hand rests once it has ended.
  EXPECT_NEAR(degreesPastTwelve(*clock->secHand()), 0, 1e-3);
}

TEST_F(ClockViewTest, StartingAgainStopsThePreviousTimer) {
  auto clock = runningClock();
  const auto first = clock->timer();
  clock->start();
  EXPECT_FALSE(first->isValid());
  EXPECT_TRUE(clock->timer()->isValid());
  clock->stop();
  EXPECT_EQ(clock->timer(), nullptr);
}

TEST_F(ClockViewTest, RemovedClockStopsUntilStartedAgain) {
  auto window = ui::Window::make({0, 0, 300, 300});
  auto clock = runningClock();
  window->addSubview(clock);
  clock->removeFromSuperview();
  EXPECT_EQ(clock->timer(), nullptr);
  window->addSubview(clock);
  EXPECT_EQ(clock->timer(), nullptr);
  queue().advance(1.0);
  EXPECT_NEAR(degreesPastTwelve(*clock->secHand()), 180, 1e-3);
}

TEST_F(ClockViewTest, DetachedTreePausesTheClockAndReattachingResumesIt) {
  auto window = ui::Window::make({0, 0, 300, 300});
  auto tree = ui::View::make({0, 0, 200, 200});
  auto clock = runningClock();
  tree->addSubview(clock);
  window->addSubview(tree);
  ASSERT_NE(clock->timer(), nullptr);

  tree->removeFromSuperview();
  EXPECT_EQ(clock->timer(), nullptr);
  queue().advance(2.0);
  EXPECT_NEAR(degreesPastTwelve(*clock->secHand()), 180, 1e-3);

  window->addSubview(tree);
  ASSERT_NE(clock->timer(), nullptr);
  EXPECT_NEAR(degreesPastTwelve(*clock->secHand()), 192, 1e-3);  // the time of re-entry
}

TEST_F(ClockViewTest, StoppedClockStaysStoppedWhenItsTreeReturnsToAWindow) {
  auto window = ui::Window::make({0, 0, 300, 300});
  auto tree = ui::View::make({0, 0, 200, 200});
  auto clock = runningClock();
  tree->addSubview(clock);
  window->addSubview(tree);
  tree->removeFromSuperview();
  clock->stop();
  window->addSubview(tree);
  EXPECT_EQ(clock->timer(), nullptr);
}

TEST_F(ClockViewTest, RunningTimerDoesNotKeepADroppedClockAlive) {
  auto clock = runningClock();
  const std::weak_ptr<ClockView> watched = clock;
  clock.reset();
  EXPECT_TRUE(watched.expired());
  queue().advance(2.0);  // a tick of a dropped clock does nothing
}

TEST_F(ClockViewTest, DrawnFaceAndHandsAtEightMinutesPastTen) {
  auto background = ui::View::make({0, 0, 120, 120});
  background->setBackgroundColor(graphics::Color{0.8, 0.85, 0.9, 1});
  auto clock = runningClock({10, 10, 100, 100});
  background->addSubview(clock);
  EXPECT_TRUE(testing::matchesReference(ui::snapshot(*background, 2), "src/engine/tests/reference",
                                        "clock-drawn-hands-10-08-30"));
}

}  // namespace
}  // namespace vantile
