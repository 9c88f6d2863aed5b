#include <cmath>
#include <numbers>

#include "controller/animation/AnimationRunner.h"
#include "controller/animation/AnimationSteps.h"
#include "controller/animation/AnimationTargets.h"
#include "controller/animation/SpinAnimation.h"
#include "controller/tests/ControllerTestSupport.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/animation/BasicAnimation.h"
#include "platform/ui/feedback/ImpactFeedbackGenerator.h"
#include "platform/ui/views/View.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::foundation::MainQueue;
using platform::ui::View;

Value box(double x, double y, double width, double height, const Value& extra = Value::object()) {
  Value element = {{"type", "UIView"},
                   {"frame",
                    {{"x", std::to_string(int(x))},
                     {"y", std::to_string(int(y))},
                     {"width", std::to_string(int(width))},
                     {"height", std::to_string(int(height))}}}};
  for (const auto& [key, value] : extra.items()) element[key] = value;
  return element;
}

class Animations : public ControllerTest {
 protected:
  Animations() { platform::ui::ImpactFeedbackGenerator::forgetImpacts(); }

  // Elements on the lock screen, in the given order.
  void load(const Value& children) {
    std::vector<std::string> order;
    for (const auto& [name, element] : children.items()) order.push_back(name);
    controller->createViewFromTheme(writeTheme("lock.json", theme(children, order)), "lockscreen");
    controller->isLSTap = true;
  }

  std::shared_ptr<View> view(const std::string& name) {
    const auto tag = controller->vantilePreset->nameIndex.tagForName(name);
    return tag ? controller->vantilePreset->views.find(*tag, *controller->vantileView) : nullptr;
  }

  void tap(const std::string& name) { AnimationRunner(*controller).handleAnimation(view(name)); }

  // Where the view is drawn now.
  static platform::graphics::Point shownPosition(const View& view) {
    return view.layer()->presentationProperties().position;
  }
  static double shownRotation(const View& view) {
    const auto transform = view.layer()->presentationProperties().transform;
    return std::atan2(transform.b, transform.a);
  }
};

TEST(AnimationStepGrammar, BracesBlanksAndATrailingCommaReadTheSame) {
  for (const char* step : {"{x:10, y:20}", "x:10,y:20,", "x:1,x:10,y:20,bare,"}) {
    Value settings = AnimationSteps::setAnimationDictionaryDefaults();
    AnimationSteps::setElementAnimationInfo(AnimationSteps::cleanAnimationString(step), settings);
    EXPECT_EQ(settings["x"], "10") << step;
    EXPECT_EQ(settings["y"], "20") << step;
    EXPECT_FALSE(settings.contains("bare")) << step;
    EXPECT_FLOAT_EQ(AnimationSteps::number(settings, "speed"), 0.2F) << step;
  }
}

TEST(AnimationStepGrammar, TransitionNamesMapToTheirOptions) {
  const std::pair<Value, std::int64_t> cases[] = {
      {"linear", 3 << 16},        {"easeinout", 0},           {"easein", 1 << 16},
      {"easeout", 2 << 16},       {"flipfromleft", 1 << 20},  {"flipfromright", 2 << 20},
      {"flipfromtop", 6 << 20},   {"flipfrombottom", 7 << 20}, {"curlup", 3 << 20},
      {"curldown", 4 << 20},      {"crossdisolve", 5 << 20},  {"crossdissolve", 3 << 16},
      {"wobble", 3 << 16},        {196608, 3 << 16},           {"", 3 << 16},
  };
  for (const auto& [value, options] : cases) {
    EXPECT_EQ(AnimationSteps::convertStringTransitionToLong(value), options) << value.dump();
  }
}

TEST(AnimationStepGrammar, TriggerIsPresentUnlessExactlyEmpty) {
  EXPECT_FALSE(AnimationSteps::hasTrigger(AnimationSteps::setAnimationDictionaryDefaults()));
  EXPECT_TRUE(AnimationSteps::hasTrigger(Value::object()));
  EXPECT_TRUE(AnimationSteps::hasTrigger({{"trigger", "B"}}));
}

TEST_F(Animations, AStepMovesItsTargetOverItsSpeed) {
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"B", "x:100,speed:1"}}}})}, {"B", box(0, 100, 40, 40)}});
  tap("A");
  EXPECT_EQ(view("B")->frame(), (platform::graphics::Rect{100, 100, 40, 40}));
  MainQueue::shared().advance(0.5);
  EXPECT_NEAR(shownPosition(*view("B")).x, 70, 0.01);  // centre: from 20 to 120, linear
  MainQueue::shared().advance(0.6);
  EXPECT_NEAR(shownPosition(*view("B")).x, 120, 0.01);
}

TEST_F(Animations, AWaitDelaysTheStepAndItsTriggerAlike) {
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"B", "x:10,wait:1,trigger:C"}}}})},
        {"B", box(0, 100, 40, 40)},
        {"C", box(0, 200, 40, 40, {{"animation", {{"C", "y:300,speed:0"}}}})}});
  tap("A");
  MainQueue::shared().advance(0.9);
  EXPECT_NEAR(shownPosition(*view("B")).x, 20, 0.01);
  EXPECT_EQ(view("C")->frame().origin.y, 200);
  MainQueue::shared().advance(0.2);
  EXPECT_GT(shownPosition(*view("B")).x, 20);
  EXPECT_EQ(view("C")->frame().origin.y, 300);
}

TEST_F(Animations, AFlipStartsAtOnceWhileItsTriggerWaits) {
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"B", "x:10,transition:flipfromleft,wait:2,trigger:C"}}}})},
        {"B", box(0, 100, 40, 40)},
        {"C", box(0, 200, 40, 40, {{"animation", {{"C", "y:300,speed:0"}}}})}});
  tap("A");
  EXPECT_EQ(view("B")->frame().origin.x, 10);
  EXPECT_FALSE(view("B")->layer()->animationKeys().empty());
  MainQueue::shared().advance(1.9);
  EXPECT_EQ(view("C")->frame().origin.y, 200);
  MainQueue::shared().advance(0.2);
  EXPECT_EQ(view("C")->frame().origin.y, 300);
}

TEST_F(Animations, SettingsCarryFromOneTargetToTheNextInDictionaryOrder) {
  // "B" first: its speed of 2 s stays for "C"; "C" first: "C" keeps the default 0.2 s.
  for (const bool speedFirst : {true, false}) {
    Value animation = Value::object();
    if (speedFirst) animation["B"] = "speed:2";
    animation["C"] = "x:100";
    if (!speedFirst) animation["B"] = "speed:2";
    load({{"A", box(0, 0, 50, 50, {{"animation", animation}})}, {"B", box(0, 100, 40, 40)}, {"C", box(0, 200, 40, 40)}});
    tap("A");
    MainQueue::shared().advance(1);
    EXPECT_NEAR(shownPosition(*view("C")).x, speedFirst ? 70 : 120, 0.01) << speedFirst;
    MainQueue::shared().advance(2);
  }
}

TEST_F(Animations, ScaleAndRotationBuildTheTransformFromTheIdentity) {
  auto parent = View::make({0, 0, 300, 600});
  auto target = View::make({5, 5, 10, 10});
  parent->addSubview(target);
  Value settings = AnimationSteps::setAnimationDictionaryDefaults();
  AnimationRunner::setElementNowInfoToAnimationStuff(settings, *target);

  AnimationSteps::setElementAnimationInfo("rotate:0,scale:0", settings);
  AnimationRunner::runAnimationWithStuff(settings, *target);
  EXPECT_TRUE(target->transform().isIdentity());

  AnimationSteps::setElementAnimationInfo("rotate:10,scale:0", settings);
  AnimationRunner::runAnimationWithStuff(settings, *target);
  EXPECT_EQ(target->transform().a, 0);
  EXPECT_EQ(target->transform().d, 0);

  AnimationSteps::setElementAnimationInfo("x:center,width:view_width,rotate:0,scale:1", settings);
  AnimationRunner::runAnimationWithStuff(settings, *target);
  EXPECT_EQ(target->frame(), (platform::graphics::Rect{0, 5, 300, 10}));
}

TEST_F(Animations, AnAppIconFadesItsImageLabelAndBadgeButNotItself) {
  auto icon = View::make({0, 0, 60, 60});
  for (const char* name : {"AppIconImageView", "AppIconAppLabel", "AppIconAppBadge"}) {
    auto part = View::make({0, 0, 10, 10});
    part->layer()->setName(name);
    icon->addSubview(part);
  }
  Value settings = AnimationSteps::setAnimationDictionaryDefaults();
  AnimationRunner::setElementNowInfoToAnimationStuff(settings, *icon);
  AnimationSteps::setElementAnimationInfo("alpha:0", settings);
  AnimationRunner::runAnimationWithStuff(settings, *icon);
  EXPECT_EQ(icon->alpha(), 1);
  for (const auto& part : icon->subviews()) EXPECT_EQ(part->alpha(), 0);
}

TEST_F(Animations, ToggleAlternatesPerSourceAndRestoresOnlyWhatTheStepNames) {
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"T", "alpha:0,toggle:yes,speed:0"}}}})},
        {"S", box(0, 60, 50, 50, {{"animation", {{"T", "alpha:0.5,toggle:yes,speed:0"}}}})},
        {"T", box(0, 100, 40, 40, {{"alpha", "0.8"}})}});
  view("T")->setFrame({7, 100, 40, 40});
  std::vector<double> alphas;
  for (const char* source : {"A", "A", "S", "A"}) {
    tap(source);
    MainQueue::shared().advance(0.1);
    alphas.push_back(view("T")->alpha());
  }
  // A forward, A back to the theme's 0.8, S forward (its own history), A forward again.
  ASSERT_EQ(alphas.size(), 4U);
  EXPECT_NEAR(alphas[0], 0, 1e-6);
  EXPECT_NEAR(alphas[1], 0.8, 1e-6);
  EXPECT_NEAR(alphas[2], 0.5, 1e-6);
  EXPECT_NEAR(alphas[3], 0, 1e-6);
  EXPECT_EQ(view("T")->frame().origin.x, 7);
}

TEST_F(Animations, ATargetWithoutAnIndexEntryGetsNoView) {
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"Ghost", "x:100,speed:0"}}}})},
        {"Ghost", {{"type", "NoSuchType"}}},
        {"B", box(0, 100, 40, 40)}});
  controller->vantileAnimatingPreset = controller->vantilePreset;
  controller->vantileAnimatingView = controller->vantileView;
  EXPECT_EQ(AnimationTargets(*controller).getAnimatingElementView("Ghost"), nullptr);
  EXPECT_EQ(AnimationTargets(*controller).getAnimatingElementView("Nobody"), nullptr);
  tap("A");
  MainQueue::shared().advance(0.1);
  for (const auto& subview : controller->vantileView->subviews()) EXPECT_NE(subview->frame().origin.x, 100);
}

TEST_F(Animations, ATriggeredElementWithoutAnimationRunsItsActions) {
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"A", "wait:0.5,trigger:V"}}}})},
        {"V", box(0, 100, 40, 40, {{"animation", "none"}, {"actions", "vibrate"}})}});
  tap("A");
  MainQueue::shared().advance(0.4);
  EXPECT_TRUE(platform::ui::ImpactFeedbackGenerator::impacts().empty());
  MainQueue::shared().advance(0.2);
  ASSERT_EQ(platform::ui::ImpactFeedbackGenerator::impacts().size(), 1U);
  EXPECT_EQ(platform::ui::ImpactFeedbackGenerator::impacts()[0].style, 3);
}

TEST_F(Animations, ATriggerCycleWithoutWaitRunsOncePerFrame) {
  // Every run of A queues A again and V, which vibrates: one vibration per run.
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"A", "speed:0,wait:0,trigger:A"}, {"V", "wait:0,trigger:V"}}}})},
        {"V", box(0, 100, 40, 40, {{"animation", "none"}, {"actions", "vibrate"}})}});
  tap("A");
  MainQueue::shared().advance(1.0);
  const auto runs = platform::ui::ImpactFeedbackGenerator::impacts().size();
  EXPECT_GE(runs, 55U);
  EXPECT_LE(runs, 61U);
}

TEST_F(Animations, ValuesThatAreNoDictionaryRunNothing) {
  load({{"A", box(0, 0, 50, 50, {{"animation", "x:100"}})},
        {"E", box(0, 0, 50, 50, {{"animation", "{}"}})},
        {"N", box(0, 0, 50, 50, {{"animation", Value::array({1, 2})}})}});
  for (const char* name : {"A", "E", "N"}) tap(name);
  MainQueue::shared().advance(0.5);
  EXPECT_EQ(view("A")->frame().origin.x, 0);
}

class Spins : public Animations {};

TEST_F(Spins, ASpinTurnsOnceEveryThreeSecondsWithoutEnd) {
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"B", "spin:YES"}}}})}, {"B", box(0, 100, 40, 40)}});
  tap("A");
  const auto spin = view("B")->layer()->animationForKey(SpinAnimation::kAnimationKey);
  ASSERT_NE(spin, nullptr);
  EXPECT_DOUBLE_EQ(spin->duration(), 3.0);
  EXPECT_TRUE(std::isinf(spin->repeatCount()));
  MainQueue::shared().advance(0.75);
  EXPECT_NEAR(shownRotation(*view("B")), std::numbers::pi / 2, 1e-6);
  MainQueue::shared().advance(3.0);
  EXPECT_NEAR(shownRotation(*view("B")), std::numbers::pi / 2, 1e-6);
}

TEST_F(Spins, ASpinSpeedSetsTheTimeOfOneTurnAndRunningItAgainDoesNotStack) {
  load({{"A", box(0, 0, 50, 50, {{"animation", {{"B", "spin:YES,spinSpeed:2,spinSpeed:9"}}}})},
        {"B", box(0, 100, 40, 40)}});
  tap("A");
  tap("A");
  EXPECT_EQ(view("B")->layer()->animationKeys(), (std::vector<std::string>{SpinAnimation::kAnimationKey}));
  EXPECT_DOUBLE_EQ(view("B")->layer()->animationForKey(SpinAnimation::kAnimationKey)->duration(), 2.0);
}

TEST_F(Spins, StoppingRemovesEveryAnimationOfTheTarget) {
  load({{"M", box(0, 0, 50, 50, {{"animation", {{"B", "x:100,speed:5"}}}})},
        {"A", box(0, 0, 50, 50, {{"animation", {{"B", "spin:NO"}}}})},
        {"B", box(0, 100, 40, 40)}});
  tap("M");
  ASSERT_FALSE(view("B")->layer()->animationKeys().empty());
  tap("A");
  EXPECT_TRUE(view("B")->layer()->animationKeys().empty());
}

TEST_F(Spins, OneYesAnywhereSpinsOnlyTheFirstTarget) {
  Value animation = Value::object();
  animation["A"] = "spin:NO";
  animation["B"] = "spin:YES";
  load({{"S", box(0, 0, 50, 50, {{"animation", animation}})}, {"A", box(0, 0, 40, 40)}, {"B", box(0, 100, 40, 40)}});
  controller->vantileAnimatingPreset = controller->vantilePreset;
  controller->vantileAnimatingView = controller->vantileView;
  SpinAnimation(*controller).handleSpinElement(animation);
  EXPECT_NE(view("A")->layer()->animationForKey(SpinAnimation::kAnimationKey), nullptr);
  EXPECT_EQ(view("B")->layer()->animationForKey(SpinAnimation::kAnimationKey), nullptr);
}

}  // namespace
}  // namespace vantile::testing
