#include <gtest/gtest.h>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
namespace {

class CountingView : public View {
 public:
  explicit CountingView(ConstructionKey key) : View(key, {0, 0, 100, 100}) {}
  static std::shared_ptr<CountingView> make() { return std::make_shared<CountingView>(ConstructionKey{}); }
  int layouts = 0;

 protected:
  void layoutSubviews() override { ++layouts; }
};

class LayoutPass : public ::testing::Test {
 protected:
  void SetUp() override { foundation::MainQueue::shared().clear(); }
  void TearDown() override { foundation::MainQueue::shared().clear(); }
  static void runPass() { foundation::MainQueue::shared().runPending(); }
};

TEST_F(LayoutPass, LaysOutOnceOnTheMainQueueAfterChangesOfSize) {
  const auto view = CountingView::make();
  view->setFrame({0, 0, 120, 100});
  view->setBounds({0, 0, 140, 90});
  EXPECT_EQ(view->layouts, 0) << "layout waits for the main queue";
  runPass();
  EXPECT_EQ(view->layouts, 1);

  view->setFrame({30, 40, 140, 90});
  view->setCenter({10, 10});
  runPass();
  EXPECT_EQ(view->layouts, 1) << "moving a view does not lay it out";
}

TEST_F(LayoutPass, LaysOutMarkedSubviewsWhenAskedAndForgetsDeadViews) {
  const auto parent = View::make({0, 0, 200, 200});
  const auto child = CountingView::make();
  parent->addSubview(child);
  child->setFrame({0, 0, 50, 50});
  parent->layoutIfNeeded();
  EXPECT_EQ(child->layouts, 1);
  runPass();
  EXPECT_EQ(child->layouts, 1) << "already laid out";

  CountingView::make()->setFrame({0, 0, 10, 10});
  runPass();  // the marked view is gone by now: nothing to do, nothing to crash on
}

TEST_F(LayoutPass, SurvivesAQueueThatDroppedThePendingPass) {
  const auto view = CountingView::make();
  view->setFrame({0, 0, 10, 10});
  foundation::MainQueue::shared().clear();
  view->layoutIfNeeded();
  view->setFrame({0, 0, 20, 20});
  runPass();
  EXPECT_EQ(view->layouts, 2);
}

TEST_F(LayoutPass, KeepsABlurViewsContentViewCoveringIt) {
  const auto blur = BlurView::make(BlurStyle::dark, {0, 0, 100, 40});
  blur->setFrame({0, 0, 300, 80});
  runPass();
  EXPECT_EQ(blur->contentView()->frame(), (graphics::Rect{0, 0, 300, 80}));
}

}  // namespace
}  // namespace platform::ui
