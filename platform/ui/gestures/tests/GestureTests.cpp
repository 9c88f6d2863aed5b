#include <gtest/gtest.h>

#include <cmath>

#include <random>
#include <set>
#include <string>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/LongPressGestureRecognizer.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/PinchGestureRecognizer.h"
#include "platform/ui/gestures/SwipeGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/View.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

using graphics::AffineTransform;
using graphics::Point;
using State = GestureRecognizer::State;

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

// A window with a 100 × 100 target view at (100, 100), on the manual clock.
class Gestures : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override { window->addSubview(target); }

  // Adds the recogniser to `view` and records every state its actions see.
  template <typename Recognizer>
  std::shared_ptr<Recognizer> attach(std::shared_ptr<Recognizer> recognizer, View& view, std::vector<State>& states) {
    recognizer->addTarget([&states](GestureRecognizer& fired) { states.push_back(fired.state()); });
    view.addGestureRecognizer(recognizer);
    return recognizer;
  }

  std::shared_ptr<Window> window = Window::make({0, 0, 300, 300});
  std::shared_ptr<View> target = View::make({100, 100, 100, 100});
  TouchInjector touches{window};
};

TEST_F(Gestures, TapIsRecognisedWhereTheFingerLifts) {
  std::vector<State> states;
  std::optional<Point> location;
  const auto tap = attach(TapGestureRecognizer::make(), *target, states);
  tap->addTarget([&location, this](GestureRecognizer& fired) { location = fired.locationInView(target.get()); });

  touches.tap({150, 160});
  EXPECT_EQ(states, (std::vector<State>{State::recognized}));
  EXPECT_EQ(location, (Point{50, 60}));
  EXPECT_EQ(tap->state(), State::possible);

  touches.tap({50, 50});  // outside the target
  EXPECT_EQ(states.size(), 1u);
}

TEST_F(Gestures, TapFailsWhenTheFingerStrays) {
  std::vector<State> states;
  attach(TapGestureRecognizer::make(), *target, states);
  touches.drag({120, 120}, {140, 120}, 2);
  EXPECT_TRUE(states.empty());
}

TEST_F(Gestures, DoubleTapNeedsTwoTapsInQuickSuccession) {
  std::vector<State> states;
  const auto doubleTap = attach(TapGestureRecognizer::make(), *target, states);
  doubleTap->setNumberOfTapsRequired(2);

  touches.tap({150, 150});
  queue().advance(1);
  EXPECT_TRUE(states.empty());

  touches.tapTwice({150, 150});
  EXPECT_EQ(states, (std::vector<State>{State::recognized}));

  touches.tap({150, 150});
  queue().advance(TapGestureRecognizer::maximumIntervalBetweenTaps + 0.01);
  touches.tap({150, 150});
  EXPECT_EQ(states.size(), 1u);
}

TEST_F(Gestures, TapNeedsExactlyTheRequiredNumberOfFingers) {
  std::vector<State> states;
  const auto twoFingerTap = attach(TapGestureRecognizer::make(), *target, states);
  twoFingerTap->setNumberOfTouchesRequired(2);
  touches.tap({150, 150});
  touches.tapWithFingers({{130, 150}, {170, 150}, {150, 170}});
  EXPECT_TRUE(states.empty());
  touches.tapWithFingers({{130, 150}, {170, 150}});
  EXPECT_EQ(states.size(), 1u);
}

TEST_F(Gestures, LongPressBeginsOnlyOnceItsDurationHasPassed) {
  std::vector<State> states;
  const auto longPress = attach(LongPressGestureRecognizer::make(), *target, states);

  touches.press({150, 150}, 0.3);
  EXPECT_TRUE(states.empty());

  touches.touchDown({{150, 150}});
  queue().advance(0.49);
  EXPECT_TRUE(states.empty());
  queue().advance(0.02);
  EXPECT_EQ(states, (std::vector<State>{State::began}));
  touches.touchMove({{155, 150}});
  touches.touchUp();
  EXPECT_EQ(states, (std::vector<State>{State::began, State::changed, State::ended}));

  states.clear();
  longPress->setMinimumPressDuration(2);
  touches.press({150, 150}, 1.5);
  EXPECT_TRUE(states.empty());
  touches.press({150, 150}, 2.5);
  EXPECT_EQ(states, (std::vector<State>{State::began, State::ended}));
}

TEST_F(Gestures, LongPressFailsWhenTheFingerMovesAwayBeforeItBegins) {
  std::vector<State> states;
  attach(LongPressGestureRecognizer::make(), *target, states);
  touches.touchDown({{150, 150}});
  queue().advance(0.2);
  touches.touchMove({{170, 150}});
  queue().advance(1);
  touches.touchUp();
  EXPECT_TRUE(states.empty());
}

TEST_F(Gestures, PanReportsItsTranslationInAnyView) {
  std::vector<State> states;
  const auto pan = attach(PanGestureRecognizer::make(), *target, states);
  target->setTransform(AffineTransform::scale(2, 2));
  std::optional<Point> inTarget;
  std::optional<Point> inWindow;
  pan->addTarget([&](GestureRecognizer&) {
    inTarget = pan->translationInView(target.get());
    inWindow = pan->translationInView(nullptr);
  });

  touches.drag({120, 150}, {200, 150}, 8);
  ASSERT_GE(states.size(), 3u);
  EXPECT_EQ(states.front(), State::began);
  EXPECT_EQ(states[1], State::changed);
  EXPECT_EQ(states.back(), State::ended);
  EXPECT_EQ(inWindow, (Point{80, 0}));
  EXPECT_EQ(inTarget, (Point{40, 0}));
}

TEST_F(Gestures, SettingThePanTranslationMovesItsReference) {
  std::vector<Point> steps;
  const auto pan = PanGestureRecognizer::make();
  pan->addTarget([&steps, &pan](GestureRecognizer&) {
    steps.push_back(pan->translationInView(nullptr).value_or(Point{-1, -1}));
    pan->setTranslation({0, 0}, nullptr);
  });
  target->addGestureRecognizer(pan);
  touches.drag({120, 150}, {180, 150}, 3);
  EXPECT_EQ(steps, (std::vector<Point>{{20, 0}, {20, 0}, {20, 0}, {0, 0}}));
}

TEST_F(Gestures, ActionsReadTheValuesLeftOnTheirRecogniser) {
  // One handler serves two handles and tells them apart by their marks, gesture after gesture.
  std::vector<std::string> seen;
  const auto handler = [&seen](GestureRecognizer& fired) {
    if (fired.state() != State::ended) return;
    const std::optional<Value> name = fired.associatedValue("elementName");
    const bool width = fired.associatedValue("isWidthResizeGesture") == Value(true);
    seen.push_back(name ? name->get<std::string>() + (width ? " width" : " height") : "unmarked");
  };
  const auto widthHandle = View::make({0, 0, 50, 100});
  const auto heightHandle = View::make({50, 0, 50, 100});
  for (const auto& [handle, isWidth] : {std::pair{widthHandle, true}, std::pair{heightHandle, false}}) {
    const auto pan = PanGestureRecognizer::make(handler);
    pan->setAssociatedValue("elementName", "clock");
    pan->setAssociatedValue(isWidth ? "isWidthResizeGesture" : "isHeightResizeGesture", true);
    handle->addGestureRecognizer(pan);
    target->addSubview(handle);
  }

  touches.drag({110, 150}, {140, 150}, 3);
  touches.drag({160, 150}, {190, 150}, 3);
  touches.drag({110, 150}, {140, 150}, 3);
  const auto& widthPan = widthHandle->gestureRecognizers().front();
  widthPan->setAssociatedValue("elementName", nullptr);
  EXPECT_FALSE(widthPan->associatedValue("elementName"));
  touches.drag({110, 150}, {140, 150}, 3);
  EXPECT_EQ(seen, (std::vector<std::string>{"clock width", "clock height", "clock width", "unmarked"}));
}

TEST_F(Gestures, APanRefusedItsBeginningLeavesTheTouchesToASwipeInside) {
  std::vector<State> panStates;
  std::vector<State> swipeStates;
  const auto pan = attach(PanGestureRecognizer::make(), *window, panStates);
  pan->setShouldBegin([](Point movement) { return std::abs(movement.y) >= std::abs(movement.x); });
  attach(SwipeGestureRecognizer::make(SwipeDirection::left), *target, swipeStates);

  touches.drag({190, 150}, {110, 150}, 8);
  EXPECT_TRUE(panStates.empty());
  EXPECT_EQ(swipeStates, (std::vector<State>{State::recognized}));

  touches.drag({150, 110}, {150, 190}, 8);
  ASSERT_FALSE(panStates.empty());
  EXPECT_EQ(panStates.front(), State::began);
}

TEST_F(Gestures, SwipeIsRecognisedOnlyInItsDirection) {
  const std::pair<SwipeDirection, Point> moves[] = {{SwipeDirection::right, {80, 0}},
                                                    {SwipeDirection::left, {-80, 0}},
                                                    {SwipeDirection::up, {0, -80}},
                                                    {SwipeDirection::down, {0, 80}}};
  const Point start{150, 150};
  for (const auto& [direction, offset] : moves) {
    std::vector<State> states;
    const auto swipe = attach(SwipeGestureRecognizer::make(direction), *window, states);
    for (const auto& [moveDirection, moveOffset] : moves) {
      states.clear();
      touches.drag(start, {start.x + moveOffset.x, start.y + moveOffset.y}, 8);
      const bool expected = moveDirection == direction;
      EXPECT_EQ(states.size(), expected ? 1u : 0u)
          << static_cast<int>(direction) << " swiped " << static_cast<int>(moveDirection);
    }
    states.clear();
    touches.drag(start, {start.x + offset.x / 2, start.y + offset.y / 2}, 8);  // too short
    const Point across{offset.y, offset.x};
    touches.drag(start, {start.x + offset.x + across.x, start.y + offset.y + across.y}, 8);  // diagonal
    EXPECT_TRUE(states.empty());
    window->removeGestureRecognizer(*swipe);
  }
}

TEST_F(Gestures, PinchScalesWithTheDistanceBetweenTheFingers) {
  std::vector<State> states;
  const auto pinch = attach(PinchGestureRecognizer::make(), *target, states);
  double lastScale = 0;
  pinch->addTarget([&lastScale, &pinch](GestureRecognizer&) { lastScale = pinch->scale(); });
  touches.pinch({150, 150}, 20, 60, 4);
  EXPECT_EQ(states.front(), State::began);
  EXPECT_EQ(states.back(), State::ended);
  EXPECT_DOUBLE_EQ(lastScale, 3);
  EXPECT_EQ(pinch->scale(), 1);  // reset once the fingers lifted
}

TEST_F(Gestures, TheInnermostRecogniserWinsAndTheOthersFail) {
  std::vector<State> inner;
  std::vector<State> outer;
  attach(TapGestureRecognizer::make(), *target, inner);
  const auto outerTap = attach(TapGestureRecognizer::make(), *window, outer);
  touches.tap({150, 150});
  EXPECT_EQ(inner.size(), 1u);
  EXPECT_TRUE(outer.empty());
  EXPECT_EQ(outerTap->state(), State::possible);  // ready for the next sequence

  touches.tap({20, 20});
  EXPECT_EQ(outer.size(), 1u);
}

TEST_F(Gestures, OnlyOneRecogniserOfAViewTakesASequence) {
  std::vector<State> taps;
  std::vector<State> presses;
  attach(TapGestureRecognizer::make(), *target, taps);
  attach(LongPressGestureRecognizer::make(), *target, presses);
  touches.press({150, 150}, 1);
  EXPECT_EQ(presses, (std::vector<State>{State::began, State::ended}));
  EXPECT_TRUE(taps.empty());
  touches.tap({150, 150});
  EXPECT_EQ(taps.size(), 1u);
  EXPECT_EQ(presses.size(), 2u);
}

TEST_F(Gestures, DisabledOrRemovedRecognisersTakeNoPart) {
  std::vector<State> states;
  const auto tap = attach(TapGestureRecognizer::make(), *target, states);
  tap->setEnabled(false);
  touches.tap({150, 150});
  tap->setEnabled(true);
  target->removeGestureRecognizer(*tap);
  touches.tap({150, 150});
  EXPECT_TRUE(states.empty());
  EXPECT_EQ(tap->view(), nullptr);

  window->addGestureRecognizer(tap);
  const auto other = View::make();
  other->addGestureRecognizer(tap);  // taken from the window
  EXPECT_TRUE(window->gestureRecognizers().empty());
  EXPECT_EQ(tap->view(), other);
}

// Logs the touches the view itself receives.
class TouchLoggingView : public View {
 public:
  static std::shared_ptr<TouchLoggingView> make(const graphics::Rect& frame) {
    return std::make_shared<TouchLoggingView>(ConstructionKey{}, frame);
  }
  TouchLoggingView(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) {}

  void touchesBegan(const std::vector<Touch>&) override { log.push_back("began"); }
  void touchesMoved(const std::vector<Touch>&) override { log.push_back("moved"); }
  void touchesEnded(const std::vector<Touch>& touches) override {
    log.push_back("ended");
    lastLocation = touches.front().locationInView(this);
  }
  void touchesCancelled(const std::vector<Touch>&) override { log.push_back("cancelled"); }

  std::vector<std::string> log;
  std::optional<Point> lastLocation;
};

TEST_F(Gestures, AViewGetsItsTouchesWhenNoRecogniserTakesThem) {
  const auto view = TouchLoggingView::make({0, 0, 100, 100});
  window->addSubview(view);
  touches.drag({10, 10}, {30, 40}, 2);
  EXPECT_EQ(view->log, (std::vector<std::string>{"began", "moved", "moved", "ended"}));
  EXPECT_EQ(view->lastLocation, (Point{30, 40}));

  // Touches a plain subview does not handle travel up to its superview.
  view->log.clear();
  view->addSubview(View::make({0, 0, 50, 50}));
  touches.tap({10, 10});
  EXPECT_EQ(view->log, (std::vector<std::string>{"began", "ended"}));
}

TEST_F(Gestures, AWinningRecogniserCancelsTheViewsTouches) {
  const auto view = TouchLoggingView::make({0, 0, 100, 100});
  window->addSubview(view);
  std::vector<State> states;
  attach(LongPressGestureRecognizer::make(), *view, states);
  touches.touchDown({{10, 10}});
  queue().advance(1);
  touches.touchMove({{20, 20}});
  touches.touchUp();
  EXPECT_EQ(view->log, (std::vector<std::string>{"began", "cancelled"}));

  view->log.clear();
  touches.tap({10, 10});
  EXPECT_EQ(view->log, (std::vector<std::string>{"began", "ended"}));
}

TEST_F(Gestures, NoSequenceIsEverTakenByTwoRecognisers) {
  const auto inner = View::make({20, 20, 60, 60});
  target->addSubview(inner);
  std::set<const GestureRecognizer*> winners;
  const auto recordWin = [&winners](GestureRecognizer& fired) {
    if (fired.state() == State::began || fired.state() == State::recognized) {
      winners.insert(&fired);
    }
  };
  for (View* view : {target.get(), inner.get()}) {
    const auto doubleTap = TapGestureRecognizer::make(recordWin);
    doubleTap->setNumberOfTapsRequired(2);
    for (std::shared_ptr<GestureRecognizer> recognizer :
         std::vector<std::shared_ptr<GestureRecognizer>>{TapGestureRecognizer::make(recordWin), doubleTap,
                                                          LongPressGestureRecognizer::make(recordWin),
                                                          PanGestureRecognizer::make(recordWin),
                                                          SwipeGestureRecognizer::make(SwipeDirection::left, recordWin)}) {
      view->addGestureRecognizer(recognizer);
    }
  }
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(90, 210);
  for (int round = 0; round < 60; ++round) {
    winners.clear();
    const Point point{coordinate(random), coordinate(random)};
    switch (round % 3) {
      case 0:
        touches.tap(point);
        break;
      case 1:
        touches.press(point, std::uniform_real_distribution<double>(0, 1)(random));
        break;
      default:
        touches.drag(point, {coordinate(random), coordinate(random)}, 5);
        break;
    }
    EXPECT_LE(winners.size(), 1u) << "round " << round;
    queue().advance(std::uniform_real_distribution<double>(0, 0.5)(random));
  }
}

}  // namespace
}  // namespace platform::ui
