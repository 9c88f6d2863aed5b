#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/layers/LayerKeyPaths.h"
#include "platform/ui/views/View.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

using graphics::Point;
using graphics::Rect;
using Curve = ViewAnimationOptions::Curve;

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

// Two views in a container, on the manual clock.
class ViewAnimations : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override {
    container->addSubview(view);
    container->addSubview(other);
  }

  // Records each completion as "name:YES" or "name:NO".
  std::function<void(bool)> recordCompletion(const std::string& name) {
    return [this, name](bool finished) { completions.push_back(name + (finished ? ":YES" : ":NO")); };
  }

  static LayerProperties shown(const View& view) { return view.layer()->presentationProperties(); }

  std::shared_ptr<View> container = View::make({0, 0, 400, 400});
  std::shared_ptr<View> view = View::make({0, 0, 100, 100});
  std::shared_ptr<View> other = View::make({200, 0, 100, 100});
  std::vector<std::string> completions;
};

TEST_F(ViewAnimations, ModelChangesAtOnceWhileTheScreenMovesAlongTheCurve) {
  struct Case {
    Curve curve;
    double halfway;  // of the way from old to new
  };
  const std::vector<Case> cases = {
      {Curve::linear, 0.5}, {Curve::easeIn, 0.3154}, {Curve::easeOut, 0.6846}, {Curve::easeInOut, 0.5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.curve));
    view->setCenter({50, 50});
    view->setAlpha(1);
    ViewAnimationOptions options;
    options.curve = c.curve;
    View::animate(2, 0, options, [this] {
      view->setCenter({150, 50});
      view->setAlpha(0);
    });

    EXPECT_EQ(view->center(), (Point{150, 50}));
    EXPECT_DOUBLE_EQ(view->alpha(), 0);
    EXPECT_EQ(shown(*view).position, (Point{50, 50}));
    queue().advance(1);
    EXPECT_NEAR(shown(*view).position.x, 50 + 100 * c.halfway, 0.1);
    EXPECT_NEAR(shown(*view).opacity, 1 - c.halfway, 1e-3);
    queue().advance(1);
    EXPECT_EQ(shown(*view), view->layer()->properties());
  }
}

TEST_F(ViewAnimations, ADelayShowsTheOldValuesUntilTheAnimationStarts) {
  View::animate(
      1, 0.5, {},
      [this] {
        view->setFrame({0, 0, 200, 100});
      },
      recordCompletion("grow"));
  queue().advance(0.4);
  EXPECT_EQ(shown(*view).bounds, (Rect{0, 0, 100, 100}));
  queue().advance(0.6);
  EXPECT_DOUBLE_EQ(shown(*view).bounds.width(), 150);
  EXPECT_TRUE(completions.empty());
  queue().advance(0.5);
  EXPECT_EQ(completions, std::vector<std::string>{"grow:YES"});
}

TEST_F(ViewAnimations, EachAnimateCallCompletesOnceInOrderOfItsEnd) {
  View::animate(
      2, 0, {},
      [this] {
        view->setAlpha(0.5);
        view->setBackgroundColor(graphics::Color{1, 0, 0, 1});
        other->setTransform(graphics::AffineTransform::scale(2, 2));
      },
      recordCompletion("slow"));
  View::animate(
      1, 0, {},
      [this] {
        container->setCenter({10, 10});
      },
      recordCompletion("fast"));
  View::animate(
      1, 0, {}, [] {}, recordCompletion("empty"));
  EXPECT_TRUE(completions.empty()) << "completions never run inside animate";

  queue().advance(0);
  EXPECT_EQ(completions, std::vector<std::string>{"empty:YES"});
  queue().advance(1);
  EXPECT_EQ(completions, (std::vector<std::string>{"empty:YES", "fast:YES"}));
  queue().advance(1);
  EXPECT_EQ(completions, (std::vector<std::string>{"empty:YES", "fast:YES", "slow:YES"}));
  queue().advance(5);
  EXPECT_EQ(completions.size(), 3u);
}

TEST_F(ViewAnimations, ZeroDurationChangesAtOnceAndStillCompletesOnTheQueue) {
  View::animate(
      0, 0, {}, [this] { view->setAlpha(0.25); }, recordCompletion("instant"));
  EXPECT_DOUBLE_EQ(shown(*view).opacity, 0.25);
  EXPECT_TRUE(view->layer()->animationKeys().empty());
  EXPECT_TRUE(completions.empty());
  queue().advance(0);
  EXPECT_EQ(completions, std::vector<std::string>{"instant:YES"});
}

TEST_F(ViewAnimations, ANewAnimationOfTheSamePropertyCutsTheOldOneShort) {
  View::animate(
      2, 0, {}, [this] { view->setAlpha(0); }, recordCompletion("fadeOut"));
  queue().advance(1);
  View::animate(
      1, 0, {}, [this] { view->setAlpha(1); }, recordCompletion("fadeIn"));
  EXPECT_DOUBLE_EQ(shown(*view).opacity, 0) << "without beginFromCurrentState it starts from the old model value";
  queue().advance(0);
  EXPECT_EQ(completions, std::vector<std::string>{"fadeOut:NO"});
  queue().advance(1);
  EXPECT_EQ(completions, (std::vector<std::string>{"fadeOut:NO", "fadeIn:YES"}));
}

TEST_F(ViewAnimations, BeginningFromTheCurrentStateStartsWhereTheScreenIs) {
  ViewAnimationOptions linear;
  linear.curve = Curve::linear;
  View::animate(2, 0, linear, [this] { view->setAlpha(0); });
  queue().advance(1);
  ViewAnimationOptions fromHere = linear;
  fromHere.beginFromCurrentState = true;
  View::animate(1, 0, fromHere, [this] { view->setAlpha(1); });
  EXPECT_DOUBLE_EQ(shown(*view).opacity, 0.5);
  queue().advance(0.5);
  EXPECT_DOUBLE_EQ(shown(*view).opacity, 0.75);
}

TEST_F(ViewAnimations, NestedBlocksAnimateTheirOwnChangesWithTheirOwnTiming) {
  ViewAnimationOptions linear;
  linear.curve = Curve::linear;
  View::animate(
      4, 0, linear,
      [&] {
        view->setAlpha(0);
        View::animate(
            1, 0, linear, [this] { other->setAlpha(0); }, recordCompletion("inner"));
        View::performWithoutAnimation([this] { view->setCenter({300, 300}); });
      },
      recordCompletion("outer"));

  EXPECT_EQ(shown(*view).position, (Point{300, 300})) << "changes without animation stay unanimated";
  queue().advance(0.5);
  EXPECT_DOUBLE_EQ(shown(*other).opacity, 0.5);
  EXPECT_DOUBLE_EQ(shown(*view).opacity, 0.875);
  queue().advance(3.5);
  EXPECT_EQ(completions, (std::vector<std::string>{"inner:YES", "outer:YES"}));
}

TEST_F(ViewAnimations, RepeatingAutoreversedAnimationsComeBackUntilRemoved) {
  ViewAnimationOptions options;
  options.curve = Curve::linear;
  options.repeat = true;
  options.autoreverse = true;
  View::animate(
      1, 0, options, [this] { view->setAlpha(0); }, recordCompletion("pulse"));
  queue().advance(1.5);
  EXPECT_DOUBLE_EQ(shown(*view).opacity, 0.5);
  queue().advance(0.25);
  EXPECT_DOUBLE_EQ(shown(*view).opacity, 0.75) << "on the way back";
  queue().advance(100);
  EXPECT_TRUE(completions.empty());
  view->layer()->removeAllAnimations();
  queue().advance(0);
  EXPECT_EQ(completions, std::vector<std::string>{"pulse:NO"});
  EXPECT_DOUBLE_EQ(shown(*view).opacity, 0);
}

TEST_F(ViewAnimations, AnimatingViewsTakeNoTouchesUnlessInteractionIsAllowed) {
  View::animate(1, 0, {}, [this] { view->setAlpha(0.5); });
  ViewAnimationOptions interactive;
  interactive.allowUserInteraction = true;
  View::animate(1, 0, interactive, [this] { other->setAlpha(0.5); });
  EXPECT_EQ(container->hitTest({50, 50}), container);
  EXPECT_EQ(container->hitTest({250, 50}), other);
  queue().advance(1);
  EXPECT_EQ(container->hitTest({50, 50}), view);
}

TEST_F(ViewAnimations, SpringsOvershootAndSettleAtTheTarget) {
  View::animateWithSpring(
      1, 0, 0.3, 0, {},
      [this] {
        view->setCenter({150, 50});
      },
      recordCompletion("spring"));
  double furthest = 0;
  for (int step = 0; step < 90; ++step) {
    queue().advance(0.01);
    furthest = std::max(furthest, shown(*view).position.x);
  }
  EXPECT_GT(furthest, 151);
  EXPECT_NEAR(shown(*view).position.x, 150, 0.5);
  queue().advance(0.1);
  EXPECT_EQ(shown(*view).position, (Point{150, 50}));
  EXPECT_EQ(completions, std::vector<std::string>{"spring:YES"});
}

TEST_F(ViewAnimations, TransitionsChangeAtOnceAndShowTheTransitionOnTheView) {
  struct Case {
    ViewTransition transition;
    const char* keyPath;
    double start, midway;
  };
  const std::vector<Case> cases = {{ViewTransition::crossDissolve, "opacity", 0, 0.5},
                                   {ViewTransition::flipFromLeft, "transform.scale.x", 1, 0},
                                   {ViewTransition::flipFromBottom, "transform.scale.y", 1, 0},
                                   {ViewTransition::curlUp, "transform.translation.y", 100, 50}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keyPath);
    ViewAnimationOptions options;
    options.transition = c.transition;
    options.curve = Curve::linear;
    View::transition(
        container, 1, options, [this] { view->setAlpha(0.5); }, recordCompletion(c.keyPath));
    EXPECT_DOUBLE_EQ(shown(*view).opacity, 0.5) << "the changes themselves do not animate";

    const auto shownValue = [this, &c] {
      LayerProperties properties = shown(*container);
      return std::get<double>(*LayerKeyPaths(properties).value(c.keyPath));
    };
    EXPECT_NEAR(shownValue(), c.start, 1e-9);
    queue().advance(0.5);
    EXPECT_NEAR(shownValue(), c.midway, 1e-9);
    queue().advance(0.5);
    EXPECT_EQ(shown(*container), container->layer()->properties());
    EXPECT_EQ(completions.back(), std::string(c.keyPath) + ":YES");
    view->setAlpha(1);
  }
}

TEST_F(ViewAnimations, TransitionFromViewPutsTheNewViewInThePlaceOfTheOld) {
  const auto replacement = View::make({0, 0, 100, 100});
  ViewAnimationOptions options;
  options.transition = ViewTransition::crossDissolve;
  View::transitionFromView(view, replacement, 1, options, recordCompletion("swap"));

  EXPECT_EQ(view->superview(), nullptr);
  ASSERT_EQ(container->subviews().size(), 2u);
  EXPECT_EQ(container->subviews().front(), replacement);
  EXPECT_DOUBLE_EQ(shown(*replacement).opacity, 0);
  queue().advance(1);
  EXPECT_EQ(completions, std::vector<std::string>{"swap:YES"});

  options.showHideTransitionViews = true;
  View::transitionFromView(replacement, other, 1, options, recordCompletion("showHide"));
  EXPECT_TRUE(replacement->isHidden());
  EXPECT_EQ(replacement->superview(), container);

  View::transitionFromView(view, other, 1, {}, recordCompletion("orphan"));
  queue().advance(1);
  EXPECT_EQ(completions, (std::vector<std::string>{"swap:YES", "orphan:NO", "showHide:YES"}))
      << "an old view outside any superview cannot be replaced";
}

}  // namespace
}  // namespace platform::ui
