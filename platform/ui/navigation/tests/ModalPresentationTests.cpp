#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/navigation/NavigationBar.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

struct ScreenCase {
  const char* name;
  graphics::Rect bounds;
  EdgeInsets safeArea;
  graphics::Rect sheet;
  // The height of a navigation bar at the top of the sheet.
  double barHeight;

  friend void PrintTo(const ScreenCase& screen, std::ostream* out) { *out << screen.name; }
};

class FormSheet : public ::testing::TestWithParam<ScreenCase> {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override {
    window->setSafeAreaInsets(GetParam().safeArea);
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    root->view()->addGestureRecognizer(TapGestureRecognizer::make([this](GestureRecognizer& tap) {
      if (tap.state() == GestureRecognizer::State::recognized) ++rootTaps;
    }));
  }

  std::shared_ptr<Window> window = Window::make(GetParam().bounds);
  std::shared_ptr<ViewController> root = ViewController::make();
  int rootTaps = 0;
};

TEST_P(FormSheet, ShowsOverADimmedWindowThatTakesNoTouchesUntilItIsDismissed) {
  auto creator = ViewController::make();
  auto stack = NavigationController::make(creator);
  stack->setModalPresentationStyle(ModalPresentationStyle::formSheet);
  root->presentViewController(stack, true);

  EXPECT_EQ(stack->view()->frame(), GetParam().sheet);
  // Below the safe area, so a bar at the top of the sheet leaves out the status bar.
  EXPECT_EQ(stack->navigationBar()->frame(), (graphics::Rect{0, 0, GetParam().sheet.width(), GetParam().barHeight}));
  EXPECT_EQ(creator->view()->frame().height(), GetParam().sheet.height() - GetParam().barHeight);
  ASSERT_EQ(window->subviews().size(), 3u);
  const auto backdrop = window->subviews()[1];
  EXPECT_EQ(backdrop->frame(), GetParam().bounds);

  TouchInjector injector(window);
  injector.tap({5, 5});
  EXPECT_EQ(rootTaps, 0);

  creator->dismissViewController(true);
  EXPECT_EQ(root->presentedViewController(), nullptr);
  EXPECT_EQ(window->subviews(), std::vector<std::shared_ptr<View>>{root->view()});
  injector.tap({5, 5});
  EXPECT_EQ(rootTaps, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FormSheet,
    ::testing::Values(
        ScreenCase{"phoneFullWidthBelowTheSafeArea", {0, 0, 375, 812}, {44, 0, 34, 0}, {0, 54, 375, 758}, 44},
        ScreenCase{"tabletCentred", {0, 0, 1024, 1366}, {24, 0, 20, 0}, {242, 373, 540, 620}, 44},
        ScreenCase{"phoneLandscapeTooShortToCentre", {0, 0, 812, 375}, {0, 44, 21, 44}, {0, 10, 812, 365}, 44}),
    [](const ::testing::TestParamInfo<ScreenCase>& info) { return info.param.name; });

TEST(FullScreenPresentation, CoversTheWindowWithoutABackdropAndItsBarReachesUnderTheStatusBar) {
  auto window = Window::make({0, 0, 375, 812});
  window->setSafeAreaInsets({44, 0, 34, 0});
  auto root = ViewController::make();
  window->setRootViewController(root);
  auto stack = NavigationController::make(ViewController::make());
  EXPECT_EQ(stack->modalPresentationStyle(), ModalPresentationStyle::fullScreen);
  root->presentViewController(stack, false);
  EXPECT_EQ(stack->view()->frame(), window->bounds());
  EXPECT_EQ(window->subviews(), (std::vector<std::shared_ptr<View>>{root->view(), stack->view()}));
  EXPECT_EQ(stack->navigationBar()->frame().height(), 88);
  root->dismissViewController(false);
  queue().clear();
}

}  // namespace
}  // namespace platform::ui
