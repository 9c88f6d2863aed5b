#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

using graphics::Point;
using Operation = ScrollViewDelegate::Operation;

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

// Records the operations it implements, in the order they are called.
class RecordingDelegate : public ScrollViewDelegate {
 public:
  explicit RecordingDelegate(std::set<Operation> implemented) : implemented_(std::move(implemented)) {}

  bool implements(Operation operation) const override { return implemented_.contains(operation); }
  void scrollViewDidScroll(ScrollView&) override { calls.push_back("didScroll"); }
  void scrollViewWillBeginDragging(ScrollView&) override { calls.push_back("willBeginDragging"); }
  void scrollViewDidEndDragging(ScrollView&, bool willDecelerate) override {
    calls.push_back(willDecelerate ? "didEndDragging:decelerating" : "didEndDragging");
  }
  void scrollViewDidEndDecelerating(ScrollView&) override { calls.push_back("didEndDecelerating"); }

  std::vector<std::string> calls;

 private:
  std::set<Operation> implemented_;
};

// A 100 × 100 scroll view over three pages of content side by side, on the manual clock.
class ScrollViews : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override {
    scrollView->setContentSize({300, 100});
    window->addSubview(scrollView);
  }

  Point shownOffset() const { return scrollView->layer()->presentationProperties().bounds.origin; }

  std::shared_ptr<Window> window = Window::make({0, 0, 300, 300});
  std::shared_ptr<ScrollView> scrollView = ScrollView::make({0, 0, 100, 100});
  TouchInjector touches{window};
};

TEST_F(ScrollViews, DraggingMovesTheContentWithTheFingerWithinItsBounds) {
  struct Case {
    Point start;  // content offset before the drag
    double fingerFrom, fingerTo;
    double offset;
  };
  const std::vector<Case> cases = {
      {{0, 0}, 80, 30, 50},     // left by 50 shows content further right
      {{0, 0}, 90, -290, 200},  // no further than the end of the content
      {{100, 0}, 10, 95, 15},
      {{50, 0}, 10, 200, 0},  // no further than its start
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fingerTo);
    scrollView->setContentOffset(c.start);
    touches.drag({c.fingerFrom, 50}, {c.fingerTo, 40}, 6);
    EXPECT_EQ(scrollView->contentOffset(), (Point{c.offset, 0})) << "content as tall as the view does not move down";
    EXPECT_FALSE(scrollView->isDragging());
  }
}

TEST_F(ScrollViews, ScrollingCanBeTurnedOff) {
  scrollView->setScrollEnabled(false);
  touches.drag({80, 50}, {20, 50}, 4);
  EXPECT_EQ(scrollView->contentOffset(), (Point{0, 0}));
}

TEST_F(ScrollViews, PagingSettlesOnTheNearestPageWithAnAnimation) {
  scrollView->setPagingEnabled(true);
  const auto delegate = std::make_shared<RecordingDelegate>(
      std::set<Operation>{Operation::scrollViewWillBeginDragging, Operation::scrollViewDidEndDragging,
                          Operation::scrollViewDidEndDecelerating});
  scrollView->setDelegate(delegate);

  touches.drag({80, 50}, {20, 50}, 6);
  EXPECT_EQ(scrollView->contentOffset(), (Point{100, 0}));
  EXPECT_EQ(shownOffset(), (Point{60, 0})) << "the screen starts where the finger left the content";
  EXPECT_TRUE(scrollView->isDecelerating());
  queue().advance(ScrollView::settleDuration / 2);
  EXPECT_GT(shownOffset().x, 60);
  EXPECT_LT(shownOffset().x, 100);
  queue().advance(ScrollView::settleDuration / 2);
  EXPECT_EQ(shownOffset(), (Point{100, 0}));
  EXPECT_FALSE(scrollView->isDecelerating());
  EXPECT_EQ(delegate->calls,
            (std::vector<std::string>{"willBeginDragging", "didEndDragging:decelerating", "didEndDecelerating"}));

  delegate->calls.clear();
  touches.drag({50, 50}, {35, 50}, 3);  // not far enough to leave the page: back it goes
  EXPECT_EQ(scrollView->contentOffset(), (Point{100, 0}));
  queue().advance(ScrollView::settleDuration);
  EXPECT_EQ(delegate->calls,
            (std::vector<std::string>{"willBeginDragging", "didEndDragging:decelerating", "didEndDecelerating"}));
}

TEST_F(ScrollViews, TheDelegateHearsOnlyWhatItImplements) {
  const auto scrollsOnly = std::make_shared<RecordingDelegate>(std::set<Operation>{Operation::scrollViewDidScroll});
  scrollView->setDelegate(scrollsOnly);
  touches.drag({80, 50}, {40, 50}, 4);
  ASSERT_FALSE(scrollsOnly->calls.empty());
  EXPECT_EQ(std::set<std::string>(scrollsOnly->calls.begin(), scrollsOnly->calls.end()),
            std::set<std::string>{"didScroll"});

  const auto nothing = std::make_shared<RecordingDelegate>(std::set<Operation>{});
  scrollView->setDelegate(nothing);
  touches.drag({80, 50}, {40, 50}, 4);
  EXPECT_TRUE(nothing->calls.empty());
}

TEST_F(ScrollViews, AnAnimatedOffsetChangesTheModelAtOnceAndTheScreenOverTime) {
  const auto delegate = std::make_shared<RecordingDelegate>(std::set<Operation>{Operation::scrollViewDidScroll});
  scrollView->setDelegate(delegate);
  scrollView->setContentOffset({200, 0}, true);
  EXPECT_EQ(scrollView->contentOffset(), (Point{200, 0}));
  EXPECT_EQ(shownOffset(), (Point{0, 0}));
  EXPECT_EQ(delegate->calls, std::vector<std::string>{"didScroll"});
  queue().advance(ScrollView::settleDuration);
  EXPECT_EQ(shownOffset(), (Point{200, 0}));
}

TEST_F(ScrollViews, SubviewsMoveWithTheContentOffset) {
  const auto secondPage = View::make({100, 0, 100, 100});
  scrollView->addSubview(secondPage);
  scrollView->setContentOffset({100, 0});
  EXPECT_EQ(secondPage->convertPointToView({0, 0}, window.get()), (Point{0, 0}));
  EXPECT_EQ(window->hitTest({50, 50}), secondPage);
}

}  // namespace
}  // namespace platform::ui
