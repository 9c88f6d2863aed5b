#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/animation/BasicAnimation.h"
#include "platform/ui/animation/KeyframeAnimation.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

using graphics::Color;
using graphics::Point;
using graphics::Rect;
using graphics::Size;
using Curve = TimingFunction::Name;

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

constexpr double infinity = std::numeric_limits<double>::infinity();

// A layer at opacity 1 on the manual clock; animations of opacity run from 0 to 1.
class LayerAnimations : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  static BasicAnimation fade(double duration = 1) {
    BasicAnimation animation("opacity");
    animation.setFromValue(0.0);
    animation.setToValue(1.0);
    animation.setDuration(duration);
    return animation;
  }

  double shownOpacity() const { return layer->presentationProperties().opacity; }

  // Records every didStop as "name:YES" or "name:NO".
  std::function<void(bool)> recordStop(const std::string& name) {
    return [this, name](bool finished) { stops.push_back(name + (finished ? ":YES" : ":NO")); };
  }

  std::shared_ptr<Layer> layer = Layer::make();
  std::vector<std::string> stops;
};

TEST_F(LayerAnimations, PresentationFollowsEachCurveWhileTheModelStaysPut) {
  struct Case {
    Curve curve;
    double halfway;
  };
  // The platform's curves at half the duration.
  const std::vector<Case> cases = {{Curve::linear, 0.5},
                                   {Curve::easeIn, 0.3154},
                                   {Curve::easeOut, 0.6846},
                                   {Curve::easeInEaseOut, 0.5},
                                   {Curve::systemDefault, 0.8024}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.curve));
    layer->setOpacity(0.7);
    BasicAnimation animation = fade(2);
    animation.setTimingFunction(TimingFunction::named(c.curve));
    layer->addAnimation(animation, "fade");

    EXPECT_DOUBLE_EQ(shownOpacity(), 0);
    queue().advance(1);
    EXPECT_NEAR(shownOpacity(), c.halfway, 1e-3);
    EXPECT_DOUBLE_EQ(layer->opacity(), 0.7);
    queue().advance(1);
    EXPECT_DOUBLE_EQ(shownOpacity(), 0.7) << "the model shows once the animation is over";
    EXPECT_TRUE(layer->animationKeys().empty());
  }
}

TEST_F(LayerAnimations, FillModesDecideWhatShowsBeforeTheStartAndAfterTheEnd) {
  struct Case {
    FillMode mode;
    double beforeStart;
    double afterEnd;
  };
  const std::vector<Case> cases = {
      {FillMode::removed, 1, 1}, {FillMode::backwards, 0, 1}, {FillMode::forwards, 1, 0.5}, {FillMode::both, 0, 0.5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    BasicAnimation animation = fade();
    animation.setToValue(0.5);
    animation.setBeginTime(1);
    animation.setFillMode(c.mode);
    animation.setRemovedOnCompletion(false);
    layer->addAnimation(animation, "fade");

    queue().advance(0.5);
    EXPECT_DOUBLE_EQ(shownOpacity(), c.beforeStart);
    queue().advance(1);
    EXPECT_DOUBLE_EQ(shownOpacity(), 0.25) << "half-way through once started";
    queue().advance(1);
    EXPECT_DOUBLE_EQ(shownOpacity(), c.afterEnd);
    EXPECT_EQ(layer->animationKeys(), std::vector<std::string>{"fade"}) << "kept when not removed on completion";
    layer->removeAllAnimations();
  }
}

TEST_F(LayerAnimations, RepeatsRunBackAndForthWhenAutoreversing) {
  BasicAnimation animation = fade();
  animation.setRepeatCount(2);
  animation.setAutoreverses(true);
  animation.setDidStop(recordStop("fade"));
  layer->addAnimation(animation);

  const std::vector<std::pair<double, double>> timeline = {{0.25, 0.25}, {1.0, 0.75}, {1.0, 0.25}, {1.0, 0.75}};
  for (const auto& [step, expected] : timeline) {
    queue().advance(step);
    EXPECT_NEAR(shownOpacity(), expected, 1e-9);
  }
  EXPECT_TRUE(stops.empty());
  queue().advance(0.75);
  EXPECT_EQ(stops, std::vector<std::string>{"fade:YES"}) << "two passes there and back take four seconds";
}

TEST_F(LayerAnimations, FractionalRepeatsStopPartWayAndInfiniteOnesNeverStop) {
  BasicAnimation partial = fade();
  partial.setRepeatCount(1.5);
  partial.setFillMode(FillMode::forwards);
  partial.setRemovedOnCompletion(false);
  layer->addAnimation(partial, "partial");
  queue().advance(5);
  EXPECT_DOUBLE_EQ(shownOpacity(), 0.5);

  layer->removeAllAnimations();
  BasicAnimation forever = fade();
  forever.setRepeatCount(infinity);
  forever.setDidStop(recordStop("forever"));
  layer->addAnimation(forever, "forever");
  queue().advance(1000.25);
  EXPECT_NEAR(shownOpacity(), 0.25, 1e-6);
  EXPECT_TRUE(stops.empty());
}

TEST_F(LayerAnimations, MissingValuesComeFromWhatIsShownUnderneath) {
  layer->setPosition({10, 10});
  struct Case {
    const char* name;
    std::optional<AnimationValue> from, to, by;
    Point start, end;
  };
  const std::vector<Case> cases = {
      {"from and to", Point{0, 0}, Point{20, 40}, std::nullopt, {0, 0}, {20, 40}},
      {"from and by", Point{0, 0}, std::nullopt, Point{5, 5}, {0, 0}, {5, 5}},
      {"by and to", std::nullopt, Point{20, 20}, Point{5, 5}, {15, 15}, {20, 20}},
      {"from alone", Point{0, 0}, std::nullopt, std::nullopt, {0, 0}, {10, 10}},
      {"to alone", std::nullopt, Point{30, 50}, std::nullopt, {10, 10}, {30, 50}},
      {"by alone", std::nullopt, std::nullopt, Point{1, 2}, {10, 10}, {11, 12}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BasicAnimation animation("position");
    animation.setFromValue(c.from);
    animation.setToValue(c.to);
    animation.setByValue(c.by);
    animation.setDuration(1);
    animation.setFillMode(FillMode::forwards);
    animation.setRemovedOnCompletion(false);
    layer->addAnimation(animation, "move");
    EXPECT_EQ(layer->presentationProperties().position, c.start);
    queue().advance(2);
    EXPECT_EQ(layer->presentationProperties().position, c.end);
    layer->removeAnimation("move");
  }
}

TEST_F(LayerAnimations, KeyPathsReachIntoGeometryTransformAndColour) {
  layer->setBounds({0, 0, 100, 50});
  layer->setTransform(graphics::AffineTransform::translation(7, 0));
  const auto animate = [this](const std::string& keyPath, AnimationValue from, AnimationValue to) {
    BasicAnimation animation(keyPath);
    animation.setFromValue(from);
    animation.setToValue(to);
    animation.setDuration(2);
    layer->addAnimation(animation, keyPath);
  };
  animate("position.x", 0.0, 100.0);
  animate("bounds.size", Size{0, 0}, Size{200, 100});
  animate("transform.rotation.z", 0.0, std::numbers::pi);
  animate("backgroundColor", Color{1, 0, 0, 1}, Color{0, 0, 1, 1});
  queue().advance(1);

  const LayerProperties shown = layer->presentationProperties();
  EXPECT_DOUBLE_EQ(shown.position.x, 50);
  EXPECT_EQ(shown.bounds, (Rect{0, 0, 100, 50}));
  const graphics::AffineTransform quarterTurn = graphics::AffineTransform::rotation(std::numbers::pi / 2);
  EXPECT_NEAR(shown.transform.b, quarterTurn.b, 1e-9);
  EXPECT_NEAR(shown.transform.tx, 7, 1e-9) << "the rest of the transform stays";
  EXPECT_EQ(shown.backgroundColor, (Color{0.5, 0, 0.5, 1}));
  EXPECT_EQ(layer->animationKeys(),
            (std::vector<std::string>{"position.x", "bounds.size", "transform.rotation.z", "backgroundColor"}));
}

TEST_F(LayerAnimations, ShapeLayersAnimateTheirStroke) {
  const auto shape = ShapeLayer::make();
  BasicAnimation draw("strokeEnd");
  draw.setFromValue(0.0);
  draw.setToValue(1.0);
  draw.setDuration(1);
  shape->addAnimation(draw, "draw");
  queue().advance(0.25);
  EXPECT_DOUBLE_EQ(shape->presentationStrokeEnd(), 0.25);
  EXPECT_DOUBLE_EQ(shape->strokeEnd(), 1);
  EXPECT_DOUBLE_EQ(shape->presentationProperties().opacity, 1);
}

TEST_F(LayerAnimations, KeyframesInterpolateOrHoldBetweenTheirTimes) {
  struct Case {
    KeyframeAnimation::Calculation mode;
    std::optional<std::vector<double>> keyTimes;
    std::vector<std::pair<double, double>> samples;  // time, opacity
  };
  const auto linear = KeyframeAnimation::Calculation::linear;
  const auto discrete = KeyframeAnimation::Calculation::discrete;
  const std::vector<Case> cases = {
      {linear, std::nullopt, {{0, 0}, {0.25, 0.5}, {0.5, 1}, {0.75, 0.6}}},
      {linear, std::vector<double>{0, 0.8, 1}, {{0.4, 0.5}, {0.8, 1}, {0.9, 0.6}}},
      {linear, std::vector<double>{0, 1}, {{0.25, 0.5}, {0.75, 0.6}}},  // does not fit: evenly spread
      {discrete, std::nullopt, {{0.2, 0}, {0.4, 1}, {0.7, 0.2}}},
      {discrete, std::vector<double>{0, 0.1, 0.2, 1}, {{0.05, 0}, {0.15, 1}, {0.5, 0.2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(c.mode) << " with " << (c.keyTimes ? "key times" : "none"));
    KeyframeAnimation animation("opacity");
    animation.setValues({0.0, 1.0, 0.2});
    animation.setKeyTimes(c.keyTimes);
    animation.setCalculationMode(c.mode);
    animation.setDuration(1);
    layer->addAnimation(animation, "frames");
    double elapsed = 0;
    for (const auto& [time, expected] : c.samples) {
      queue().advance(time - elapsed);
      elapsed = time;
      EXPECT_NEAR(shownOpacity(), expected, 1e-9) << "at " << time;
    }
    layer->removeAnimation("frames");
  }
}

TEST_F(LayerAnimations, DidStopReportsFinishedAtTheEndInOrderOfDueTimes) {
  for (const auto& [name, duration] : std::vector<std::pair<std::string, double>>{{"long", 3}, {"short", 1}}) {
    BasicAnimation animation = fade(duration);
    animation.setDidStop(recordStop(name));
    layer->addAnimation(animation, name);
  }
  queue().advance(0.999);
  EXPECT_TRUE(stops.empty());
  queue().advance(0.001);
  EXPECT_EQ(stops, std::vector<std::string>{"short:YES"});
  EXPECT_EQ(layer->animationKeys(), std::vector<std::string>{"long"});
  queue().advance(5);
  EXPECT_EQ(stops, (std::vector<std::string>{"short:YES", "long:YES"}));
}

TEST_F(LayerAnimations, RemovedAndReplacedAnimationsReportUnfinishedOnTheQueue) {
  for (const std::string name : {"first", "second", "third"}) {
    BasicAnimation animation = fade();
    animation.setDidStop(recordStop(name));
    layer->addAnimation(animation, name == "third" ? std::optional<std::string>{} : "fade");
  }
  EXPECT_EQ(layer->animationKeys(), std::vector<std::string>{"fade"}) << "one without a key has none to list";
  layer->removeAllAnimations();
  EXPECT_TRUE(stops.empty()) << "never from inside the removing call";
  queue().advance(0);
  EXPECT_EQ(stops, (std::vector<std::string>{"first:NO", "second:NO", "third:NO"}));
  queue().advance(2);
  EXPECT_EQ(stops.size(), 3u) << "each animation stops once";
}

TEST_F(LayerAnimations, AnimationsOfUnknownKeyPathsOrTheWrongKindAreRefused) {
  BasicAnimation unknown("wobble");
  unknown.setToValue(1.0);
  unknown.setDidStop(recordStop("unknown"));
  BasicAnimation wrongKind("opacity");
  wrongKind.setToValue(Point{1, 1});
  wrongKind.setDidStop(recordStop("wrongKind"));
  layer->addAnimation(unknown, "unknown");
  layer->addAnimation(wrongKind, "wrongKind");

  EXPECT_TRUE(layer->animationKeys().empty());
  EXPECT_EQ(layer->presentationProperties(), layer->properties());
  queue().advance(0);
  EXPECT_EQ(stops, (std::vector<std::string>{"unknown:NO", "wrongKind:NO"}));
}

TEST_F(LayerAnimations, TheLayerKeepsItsOwnCopy) {
  BasicAnimation animation = fade();
  layer->addAnimation(animation, "fade");
  animation.setToValue(0.0);
  const auto kept = std::dynamic_pointer_cast<const BasicAnimation>(layer->animationForKey("fade"));
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->toValue(), AnimationValue{1.0});
  EXPECT_EQ(layer->animationForKey("other"), nullptr);
}

TEST_F(LayerAnimations, ALayerThatGoesAwayReportsItsAnimationsUnfinished) {
  BasicAnimation animation = fade();
  animation.setDidStop(recordStop("fade"));
  layer->addAnimation(animation);
  layer.reset();
  queue().advance(2);
  EXPECT_EQ(stops, std::vector<std::string>{"fade:NO"});
}

TEST(TimingFunctions, SpringsSettleAtTheirTargetAndLightDampingOvershoots) {
  for (const double damping : {0.2, 0.5, 1.0, 3.0}) {
    SCOPED_TRACE(damping);
    const TimingFunction spring = TimingFunction::spring(damping, 0);
    EXPECT_DOUBLE_EQ(spring.evaluate(0), 0);
    EXPECT_DOUBLE_EQ(spring.evaluate(1), 1);
    EXPECT_NEAR(spring.evaluate(0.97), 1, 5e-3) << "settled near the end";
    double highest = 0;
    for (int step = 1; step < 100; ++step) {
      highest = std::max(highest, spring.evaluate(step / 100.0));
    }
    EXPECT_EQ(highest > 1.001, damping < 1);
  }
}

}  // namespace
}  // namespace platform::ui
