#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/animation/BasicAnimation.h"
#include "platform/ui/animation/KeyframeAnimation.h"
#include "platform/ui/layers/GradientLayer.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/layers/ReplicatorLayer.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"
#include "platform/ui/views/ViewController.h"

namespace platform::ui {
namespace {

using graphics::Color;

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

class LayerClock : public ::testing::Test {
 protected:
  static constexpr double start = 1'000'000;
  void SetUp() override {
    queue().clear();
    queue().useManualClock(start);
  }
  void TearDown() override {
    queue().clear();
    queue().useRealClock();
  }
};

BasicAnimation slide(double duration) {
  BasicAnimation animation("position.x");
  animation.setFromValue(0.0);
  animation.setToValue(100.0);
  animation.setDuration(duration);
  return animation;
}

TEST_F(LayerClock, SpeedZeroFreezesAnimationsAndTheirEndUntilTheClockRunsAgain) {
  auto layer = Layer::make();
  std::vector<bool> stops;
  BasicAnimation animation = slide(10);
  animation.setDidStop([&stops](bool finished) { stops.push_back(finished); });
  layer->addAnimation(animation, "slide");
  queue().advance(4);
  const double paused = layer->localTime(queue().now());
  layer->setSpeed(0);
  layer->setTimeOffset(paused);
  queue().advance(100);
  EXPECT_DOUBLE_EQ(layer->presentationProperties().position.x, 40);
  EXPECT_TRUE(stops.empty());

  layer->setSpeed(1);
  layer->setTimeOffset(0);
  layer->setBeginTime(0);
  layer->setBeginTime(layer->localTime(queue().now()) - paused);
  queue().advance(1);
  EXPECT_DOUBLE_EQ(layer->presentationProperties().position.x, 50);
  queue().advance(4.9);
  EXPECT_TRUE(stops.empty());
  queue().advance(0.2);
  EXPECT_EQ(stops, std::vector<bool>{true});
}

TEST_F(LayerClock, GradientColoursAnimateAsOneListAndMismatchedListsAreNotBlended) {
  auto gradient = GradientLayer::make();
  gradient->setColors({Color{0, 0, 0, 1}, Color{0, 0, 0, 1}});
  BasicAnimation fade("colors");
  fade.setToValue(ColorList{Color{0, 0, 0, 0}, Color{0, 0, 0, 1}});
  fade.setDuration(1);
  gradient->addAnimation(fade, "fade");
  queue().advance(0.5);
  EXPECT_DOUBLE_EQ(gradient->presentationGradientProperties().colors[0].alpha, 0.5);
  EXPECT_DOUBLE_EQ(gradient->colors()[0].alpha, 1);

  BasicAnimation mismatched("colors");
  mismatched.setToValue(ColorList{Color{0, 0, 0, 0}});
  gradient->addAnimation(mismatched, "fade");
  EXPECT_EQ(gradient->presentationGradientProperties().colors, gradient->colors());
}

TEST_F(LayerClock, KeyframeSegmentsTakeTheirOwnTimingFunctions) {
  auto layer = Layer::make();
  KeyframeAnimation animation("position.x");
  animation.setValues({0.0, 100.0, 200.0});
  animation.setDuration(2);
  animation.setTimingFunctions({TimingFunction::named(TimingFunction::Name::easeIn)});
  layer->addAnimation(animation);
  queue().advance(0.5);
  EXPECT_LT(layer->presentationProperties().position.x, 50) << "eased in";
  queue().advance(1);
  EXPECT_DOUBLE_EQ(layer->presentationProperties().position.x, 150) << "the second segment is linear";
}

TEST_F(LayerClock, ReplicatorsDrawTheirSublayersOncePerInstance) {
  auto replicator = ReplicatorLayer::make();
  replicator->setBounds({0, 0, 40, 10});
  auto block = Layer::make();
  block->setFrame({0, 0, 10, 10});
  block->setBackgroundColor(Color{1, 0, 0, 1});
  replicator->addSublayer(block);
  replicator->setInstanceCount(3);
  replicator->setInstanceTransform(graphics::AffineTransform::translation(15, 0));
  const std::optional<graphics::Image> image = renderLayerTree(*replicator, {40, 10}, 1);
  ASSERT_TRUE(image);
  const std::vector<std::uint8_t> rgba = image->unpremultipliedRGBA();
  const auto alphaAt = [&rgba](int x) { return rgba[static_cast<std::size_t>(5 * 40 + x) * 4 + 3]; };
  EXPECT_EQ(alphaAt(5), 255);
  EXPECT_EQ(alphaAt(12), 0);
  EXPECT_EQ(alphaAt(20), 255);
  EXPECT_EQ(alphaAt(35), 255);
}

TEST(ViewControllers, AreFoundFromTheirRootViewOnly) {
  auto controller = ViewController::make();
  EXPECT_FALSE(controller->isViewLoaded());
  auto root = controller->view();
  EXPECT_TRUE(controller->isViewLoaded());
  EXPECT_EQ(ViewController::forRootView(*root), controller);
  auto inner = View::make();
  root->addSubview(inner);
  EXPECT_EQ(ViewController::forRootView(*inner), nullptr);
}

}  // namespace
}  // namespace platform::ui
