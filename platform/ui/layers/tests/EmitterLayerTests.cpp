#include "platform/ui/layers/EmitterLayer.h"

#include <gtest/gtest.h>

#include <numbers>

#include "platform/foundation/queues/MainQueue.h"

namespace platform::ui {
namespace {

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

class EmitterClock : public ::testing::Test {
 protected:
  static constexpr double start = 5'000;
  void SetUp() override {
    queue().clear();
    queue().useManualClock(start);
  }
  void TearDown() override {
    queue().clear();
    queue().useRealClock();
  }
};

// Ten particles a second falling straight down from (50, 0) at 100 points a second for 2 s.
EmitterCell drop() {
  EmitterCell cell;
  cell.name = "drop";
  cell.lifetime = 2;
  cell.velocity = 100;
  cell.emissionLongitude = std::numbers::pi / 2;
  return cell;
}

std::shared_ptr<EmitterLayer> dropEmitter() {
  auto layer = EmitterLayer::make();
  layer->setEmitterPosition({50, 0});
  layer->setEmitterCells({drop()});
  layer->setBeginTime(queue().now());
  return layer;
}

struct Sample {
  double at;  // seconds after the emitter started
  std::size_t count;
  double youngestY;
  double oldestY;
};

TEST_F(EmitterClock, ParticlesAreBornAtTheRateAndFallUntilTheirLifetimeEndsAlsoAfterAStop) {
  auto layer = dropEmitter();
  ASSERT_FALSE(layer->setValueForKeyPath("emitterCells.drop.birthRate", 10.0));
  const Sample running[] = {
      {0, 1, 0, 0},
      {0.55, 6, 5, 55},
      {3, 20, 0, 190},
  };
  for (const Sample& sample : running) {
    SCOPED_TRACE(sample.at);
    const auto particles = layer->particlesAt(start + sample.at);
    ASSERT_EQ(particles.size(), sample.count);
    EXPECT_NEAR(particles.back().position.y, sample.youngestY, 1e-6);
    EXPECT_NEAR(particles.front().position.y, sample.oldestY, 1e-6);
    EXPECT_DOUBLE_EQ(particles.front().position.x, 50);
  }

  queue().advance(3);
  ASSERT_FALSE(layer->setValueForKeyPath("emitterCells.drop.birthRate", 0));
  const Sample stopped[] = {
      {3, 20, 0, 190},
      {4, 10, 100, 190},
      {4.95, 1, 195, 195},
      {5.5, 0, 0, 0},
  };
  for (const Sample& sample : stopped) {
    SCOPED_TRACE(sample.at);
    const auto particles = layer->particlesAt(start + sample.at);
    ASSERT_EQ(particles.size(), sample.count);
    if (sample.count == 0) continue;
    EXPECT_NEAR(particles.back().position.y, sample.youngestY, 1e-6);
    EXPECT_NEAR(particles.front().position.y, sample.oldestY, 1e-6);
  }
}

TEST_F(EmitterClock, TheSameInstantShowsTheSameParticlesWhateverWasSampledBefore) {
  auto cell = drop();
  cell.lifetimeRange = 1;
  cell.velocityRange = 40;
  cell.emissionRange = std::numbers::pi / 2;
  cell.yAcceleration = 5;
  cell.scaleRange = 0.5;
  cell.alphaRange = 0.3;
  cell.birthRate = 30;
  auto layer = EmitterLayer::make();
  layer->setEmitterShape(EmitterShape::rectangle);
  layer->setEmitterPosition({100, 0});
  layer->setEmitterSize({200, 0});
  layer->setSeed(7);
  layer->setEmitterCells({cell});
  layer->setBeginTime(queue().now());

  layer->particlesAt(start + 1);
  const auto first = layer->particlesAt(start + 2.5);
  const auto again = layer->particlesAt(start + 2.5);
  ASSERT_EQ(first.size(), again.size());
  ASSERT_FALSE(first.empty());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i].index, again[i].index);
    EXPECT_EQ(first[i].position, again[i].position);
    EXPECT_EQ(first[i].scale, again[i].scale);
    EXPECT_GE(first[i].position.x, 0 - 200);
  }

  layer->setSeed(8);
  const auto reseeded = layer->particlesAt(start + 2.5);
  ASSERT_FALSE(reseeded.empty());
  EXPECT_NE(reseeded.front().position, first.front().position);
}

TEST_F(EmitterClock, ABeginTimeInThePastStartsAnEmitterThatHasRunThatLongAndANewOneStartsOver) {
  auto layer = EmitterLayer::make();
  layer->setEmitterCells({drop()});
  layer->setBeginTime(queue().now() - 30);
  layer->setBirthRate("drop", 10);
  // Running for 30 s already: a full two seconds of particles.
  EXPECT_EQ(layer->particlesAt(queue().now()).size(), 20U);

  queue().advance(5);
  layer->setBeginTime(queue().now());
  const auto restarted = layer->particlesAt(queue().now());
  ASSERT_EQ(restarted.size(), 1U);
  EXPECT_DOUBLE_EQ(restarted.front().age, 0);
}

TEST_F(EmitterClock, ARateChangedLaterCountsFromThen) {
  auto layer = dropEmitter();
  queue().advance(1);
  layer->setBirthRate("drop", 10);
  EXPECT_EQ(layer->particlesAt(queue().now()).size(), 1U);
  EXPECT_EQ(layer->particlesAt(queue().now() + 0.5).size(), 6U);
}

TEST_F(EmitterClock, UnknownCellsAndBadRatesAreRefused) {
  auto layer = dropEmitter();
  EXPECT_TRUE(layer->setValueForKeyPath("emitterCells.rain.birthRate", 5.0));
  EXPECT_TRUE(layer->setValueForKeyPath("emitterCells.drop.birthRate", -1.0));
  EXPECT_TRUE(layer->setValueForKeyPath("emitterCells.drop.lifetime", 1.0));
  EXPECT_TRUE(layer->particlesAt(queue().now() + 1).empty());
}

}  // namespace
}  // namespace platform::ui
