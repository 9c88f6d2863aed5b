#include "providers/animations/AnimationController.h"

#include <gtest/gtest.h>

#include "controller/VantileController.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/ui/views/Screen.h"
#include "providers/animations/AnimationCloud.h"
#include "providers/animations/AnimationRain.h"
#include "providers/animations/AnimationSnow.h"
#include "providers/animations/AnimationSun.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

using platform::foundation::MainQueue;

// 2026-12-09T00:00:00Z.
constexpr platform::foundation::TimeStamp kMidnight = 1796774400;

template <class Kind>
bool is(const std::shared_ptr<WeatherAnimationView>& view) {
  return std::dynamic_pointer_cast<Kind>(view) != nullptr;
}

// The stand-in's SpringBoard, locked with the screen on, and a theme controller with both
// theme roots and both animation switches on.
class AnimationControllerTest : public ::testing::Test {
 protected:
  AnimationControllerTest() {
    MainQueue::shared().useManualClock(kMidnight + 9 * 3600);
    platform::springboard::DeviceState device;
    device.timeZone = "UTC";
    process = std::make_unique<platform::springboard::SpringBoardProcess>(std::move(device));
    process->launch();
    MainQueue::shared().advance(0);
    theme->vantileView = platform::ui::View::make(platform::ui::Screen::mainScreen().bounds());
    theme->vantileViewSB = platform::ui::View::make(platform::ui::Screen::mainScreen().bounds());
    theme->weatherAnimationsEnabledForLS = true;
    theme->weatherAnimationsEnabledForSB = true;
  }
  ~AnimationControllerTest() override {
    process.reset();
    platform::springboard::removeSpringBoardClasses();
    platform::foundation::useHostTimeZone();
    MainQueue::shared().clear();
  }

  bool running(const std::shared_ptr<WeatherAnimationView>& view) {
    const auto particles = std::dynamic_pointer_cast<ParticleAnimationView>(view);
    return particles && particles->animationEmitter()->emitterCells().front().birthRate > 0;
  }

  vantile::testing::TemporaryDeviceRoot root;
  std::unique_ptr<platform::springboard::SpringBoardProcess> process;
  std::shared_ptr<VantileController> theme = VantileController::make();
  AnimationController controller{theme};
};

TEST_F(AnimationControllerTest, EachCodeShowsItsAnimationOnBothRoots) {
  struct Case {
    std::int32_t code;
    bool (*kind)(const std::shared_ptr<WeatherAnimationView>&);
  };
  const Case cases[] = {
      {11, is<AnimationRain>}, {42, is<AnimationSnow>}, {5, is<AnimationSnow>},
      {26, is<AnimationCloud>}, {31, is<AnimationSun>}, {32, is<AnimationSun>},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    controller.loadAnimation(c.code);
    EXPECT_TRUE(c.kind(controller.animationLayer));
    EXPECT_TRUE(c.kind(controller.animationLayerSB));
    EXPECT_EQ(theme->vantileView->subviews().back(), controller.animationLayer);
    EXPECT_EQ(theme->vantileView->subviews().size(), 1U);
    EXPECT_FALSE(controller.animationLayer->isUserInteractionEnabled());
    EXPECT_EQ(controller.animationLayer->layer()->name(), "lockscreen");
  }

  controller.loadAnimation(36);
  EXPECT_FALSE(controller.animationLayer);
  EXPECT_FALSE(controller.animationLayerSB);
  EXPECT_FALSE(controller.animatingViewLS);
  EXPECT_FALSE(controller.animatingViewSB);
  EXPECT_TRUE(theme->vantileView->subviews().empty());
  EXPECT_TRUE(theme->vantileViewSB->subviews().empty());
}

TEST_F(AnimationControllerTest, TheFirstCodeZeroShowsNothingButALaterChangeToZeroShowsClouds) {
  controller.loadAnimation(0);
  EXPECT_FALSE(controller.animationLayer);
  controller.loadAnimation(11);
  controller.loadAnimation(0);
  EXPECT_TRUE(is<AnimationCloud>(controller.animationLayer));
  // The clouds start 30 s into their run: some are in the sky at once.
  EXPECT_FALSE(std::static_pointer_cast<ParticleAnimationView>(controller.animationLayer)
                   ->animationEmitter()
                   ->particlesAt(MainQueue::shared().now())
                   .empty());
}

TEST_F(AnimationControllerTest, ASwitchTurnedOffRemovesItsViewAndBackOnShowsNothingUntilTheCodeChanges) {
  controller.loadAnimation(11);
  theme->weatherAnimationsEnabledForLS = false;
  controller.loadAnimation(11);
  EXPECT_FALSE(controller.animationLayer);
  EXPECT_TRUE(controller.animationLayerSB);
  theme->weatherAnimationsEnabledForLS = true;
  controller.loadAnimation(11);
  EXPECT_FALSE(controller.animationLayer);
  controller.loadAnimation(12);
  EXPECT_TRUE(is<AnimationRain>(controller.animationLayer));
}

TEST_F(AnimationControllerTest, AForcedCodeWinsOverEveryForecast) {
  theme->hasWeatherConditionCode = true;
  theme->weatherConditionCode = 14;
  controller.loadAnimation(11);
  EXPECT_TRUE(is<AnimationSnow>(controller.animationLayer));
  controller.loadAnimation(32);
  EXPECT_TRUE(is<AnimationSnow>(controller.animationLayer));
  EXPECT_EQ(controller.animationCondition, 14);
}

TEST_F(AnimationControllerTest, TheLockScreenViewRunsWhileTheScreenIsOnAndRestartsFresh) {
  controller.loadAnimation(11);
  const auto lock = controller.animatingViewLS;
  EXPECT_TRUE(running(lock));
  EXPECT_FALSE(running(controller.animatingViewSB));
  const auto& emitter = *std::static_pointer_cast<ParticleAnimationView>(lock)->animationEmitter();
  EXPECT_EQ(emitter.beginTime(), MainQueue::shared().now());

  MainQueue::shared().advance(2);
  process->sleep();
  MainQueue::shared().advance(0);
  EXPECT_FALSE(running(lock));
  // Drops in flight fall on after the stop.
  EXPECT_FALSE(emitter.particlesAt(MainQueue::shared().now() + 1).empty());

  MainQueue::shared().advance(30);
  process->wake();
  MainQueue::shared().advance(0);
  EXPECT_TRUE(running(lock));
  EXPECT_EQ(emitter.beginTime(), MainQueue::shared().now());
}

TEST_F(AnimationControllerTest, UnlockingSwitchesFromTheLockScreenViewToTheHomeScreenView) {
  controller.loadAnimation(11);
  process->unlock();
  MainQueue::shared().advance(0);
  EXPECT_FALSE(running(controller.animatingViewLS));
  EXPECT_TRUE(running(controller.animatingViewSB));
  process->lock();
  MainQueue::shared().advance(0);
  EXPECT_TRUE(running(controller.animatingViewLS));
  EXPECT_FALSE(running(controller.animatingViewSB));
}

TEST_F(AnimationControllerTest, TheSunAndMoonCrossTheSkyWithTheHours) {
  const double W = platform::ui::Screen::mainScreen().bounds().width();
  struct Case {
    int hour;
    double sun;
    double moon;
  };
  const Case cases[] = {{6, 0, W}, {12, W / 2, -60}, {18, W, 0}, {3, -60, 3 * W / 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hour);
    MainQueue::shared().useManualClock(kMidnight + c.hour * 3600);
    const auto sun = AnimationSun::make();
    sun->startAnimating();
    EXPECT_DOUBLE_EQ(sun->sunImageView->center().x, c.sun);
    EXPECT_DOUBLE_EQ(sun->moonImageView->center().x, c.moon);
    EXPECT_DOUBLE_EQ(sun->sunImageView->center().y, 50);
    sun->stopAnimating();
  }
  // Running, it moves on the minute timer.
  MainQueue::shared().useManualClock(kMidnight + 5 * 3600 + 59 * 60 + 30);
  const auto sun = AnimationSun::make();
  sun->startAnimating();
  EXPECT_DOUBLE_EQ(sun->moonImageView->center().x, 11 * W / 12);
  MainQueue::shared().advance(60);
  EXPECT_DOUBLE_EQ(sun->sunImageView->center().x, 0);
  sun->stopAnimating();
  EXPECT_FALSE(sun->timer);
}

}  // namespace
}  // namespace vantile
