#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/navigation/NavigationBar.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

std::shared_ptr<ViewController> titled(std::optional<std::string> title) {
  auto controller = ViewController::make();
  controller->navigationItem().setTitle(std::move(title));
  return controller;
}

graphics::Point centreInWindow(const View& view) {
  return *view.convertPointToView({view.bounds().midX(), view.bounds().height() / 2}, nullptr);
}

// A phone window (notched, so its safe area starts 44 points down) whose root is a stack.
class Navigation : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override {
    window->setSafeAreaInsets({44, 0, 34, 0});
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
  }

  const NavigationBar& bar() const { return *navigation->navigationBar(); }
  void tap(const View& view) { TouchInjector(window).tap(centreInWindow(view)); }

  std::shared_ptr<Window> window = Window::make({0, 0, 375, 812});
  std::shared_ptr<ViewController> root = titled("Vantile");
  std::shared_ptr<NavigationController> navigation = NavigationController::make(root);
};

TEST_F(Navigation, PushedControllersShowOnTopUnderTheBarAndTheBackButtonPopsThem) {
  auto themes = titled("Themes");
  auto untitled = titled(std::nullopt);
  EXPECT_TRUE(bar().backButton()->isHidden());

  navigation->pushViewController(themes, true);
  navigation->pushViewController(untitled, false);
  EXPECT_EQ(navigation->viewControllers(), (std::vector<std::shared_ptr<ViewController>>{root, themes, untitled}));
  EXPECT_EQ(navigation->topViewController(), untitled);
  EXPECT_EQ(bar().titleLabel()->text(), "");
  EXPECT_EQ(bar().backButton()->text(), "\u2039 Themes");
  // The bar reaches up under the status bar; the top controller fills the rest, alone.
  EXPECT_EQ(bar().frame(), (graphics::Rect{0, 0, 375, 88}));
  EXPECT_EQ(untitled->view()->frame(), (graphics::Rect{0, 88, 375, 724}));
  EXPECT_EQ(navigation->view()->subviews(),
            (std::vector<std::shared_ptr<View>>{untitled->view(), navigation->navigationBar()}));

  tap(*bar().backButton());
  EXPECT_EQ(navigation->topViewController(), themes);
  EXPECT_EQ(themes->view()->superview(), navigation->view());
  EXPECT_EQ(untitled->view()->superview(), nullptr);
  EXPECT_EQ(bar().titleLabel()->text(), "Themes");
  EXPECT_EQ(bar().backButton()->text(), "\u2039 Vantile");

  tap(*bar().backButton());
  EXPECT_EQ(navigation->topViewController(), root);
  EXPECT_EQ(bar().titleLabel()->text(), "Vantile");
  EXPECT_TRUE(bar().backButton()->isHidden());
}

TEST_F(Navigation, ABackButtonUnderAnUntitledControllerSaysBackAndFollowsItsTitle) {
  root->navigationItem().setTitle(std::nullopt);
  navigation->pushViewController(titled("Sub"), false);
  EXPECT_EQ(bar().backButton()->text(), "\u2039 Back");
  root->navigationItem().setTitle("Settings");
  EXPECT_EQ(bar().backButton()->text(), "\u2039 Settings");
}

TEST_F(Navigation, PoppingTheRootDoesNothing) {
  EXPECT_EQ(navigation->popViewController(true), nullptr);
  EXPECT_EQ(navigation->viewControllers().size(), 1u);
  EXPECT_EQ(root->view()->superview(), navigation->view());
  EXPECT_EQ(root->navigationController(), navigation);
}

TEST_F(Navigation, RefusedPushesAreLoggedAndLeaveTheStackAlone) {
  const std::vector<std::shared_ptr<ViewController>> refused{nullptr, root,
                                                             NavigationController::make(titled("Other"))};
  for (const auto& controller : refused) {
    ::testing::internal::CaptureStderr();
    navigation->pushViewController(controller, true);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("NavigationController: refused"), std::string::npos);
    EXPECT_EQ(navigation->viewControllers(), std::vector<std::shared_ptr<ViewController>>{root});
  }
}

TEST_F(Navigation, ARightBarButtonRunsItsActionWhenTappedAndAChangedItemShowsAtOnce) {
  int saves = 0;
  auto editor = titled("Create Theme");
  navigation->pushViewController(editor, true);
  EXPECT_TRUE(bar().rightButton()->isHidden());

  editor->navigationItem().setRightBarButtonItem(BarButtonItem::make("Save Theme", [&saves] { ++saves; }));
  ASSERT_FALSE(bar().rightButton()->isHidden());
  EXPECT_EQ(bar().rightButton()->text(), "Save Theme");
  EXPECT_LE(bar().rightButton()->frame().maxX(), 375);
  tap(*bar().rightButton());
  EXPECT_EQ(saves, 1);

  // The pushed controller's item no longer shows once it is popped.
  tap(*bar().backButton());
  EXPECT_TRUE(bar().rightButton()->isHidden());
  tap(*bar().rightButton());
  EXPECT_EQ(saves, 1);
}

TEST_F(Navigation, TheBarTakesOnlyTheTouchesOnItAndTheTopViewGetsThoseBelow) {
  int contentTaps = 0;
  root->view()->addGestureRecognizer(TapGestureRecognizer::make([&contentTaps](GestureRecognizer& tap) {
    if (tap.state() == GestureRecognizer::State::recognized) ++contentTaps;
  }));
  EXPECT_EQ(window->hitTest({187, 60}), navigation->navigationBar());
  EXPECT_EQ(window->hitTest({187, 10}), navigation->navigationBar());
  EXPECT_EQ(window->hitTest({187, 89}), root->view());

  TouchInjector injector(window);
  injector.tap({187, 60});
  EXPECT_EQ(contentTaps, 0);
  injector.tap({187, 89});
  EXPECT_EQ(contentTaps, 1);
}

TEST_F(Navigation, ControllersInTheStackAndTheirChildrenFindTheirNavigationController) {
  auto pane = titled("Pane");
  auto child = ViewController::make();
  pane->addChildViewController(child);
  EXPECT_EQ(pane->navigationController(), nullptr);

  navigation->pushViewController(pane, false);
  EXPECT_EQ(pane->navigationController(), navigation);
  EXPECT_EQ(child->navigationController(), navigation);
  EXPECT_EQ(navigation->navigationController(), nullptr);

  EXPECT_EQ(navigation->popViewController(false), pane);
  EXPECT_EQ(pane->navigationController(), nullptr);
  EXPECT_EQ(pane->parentViewController(), nullptr);
}

TEST_F(Navigation, APresentedStackShowsOverTheTopControllerAndDismissingLeavesTheSameTopController) {
  auto pane = titled("Create Theme");
  navigation->pushViewController(pane, true);
  auto picker = titled("Symbols");
  auto pickerStack = NavigationController::make(picker);
  pane->presentViewController(pickerStack, true);

  EXPECT_EQ(pickerStack->view()->superview(), window);
  EXPECT_EQ(picker->navigationController(), pickerStack);
  EXPECT_EQ(navigation->visibleViewController(), pickerStack);
  EXPECT_EQ(pickerStack->navigationBar()->titleLabel()->text(), "Symbols");
  EXPECT_EQ(window->hitTest({187, 400}), picker->view());

  picker->dismissViewController(true);
  EXPECT_EQ(pickerStack->view()->superview(), nullptr);
  EXPECT_EQ(navigation->topViewController(), pane);
  EXPECT_EQ(navigation->visibleViewController(), pane);
  EXPECT_EQ(pane->view()->superview(), navigation->view());
  EXPECT_EQ(window->hitTest({187, 400}), pane->view());
  EXPECT_EQ(bar().titleLabel()->text(), "Create Theme");
}

}  // namespace
}  // namespace platform::ui
