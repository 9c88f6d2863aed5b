#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/navigation/NavigationBar.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/navigation/SearchBar.h"
#include "platform/ui/navigation/SearchController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

// Writes down what the bar tells, in order.
class RecordingDelegate : public SearchBarDelegate {
 public:
  bool implements(Operation) const override { return true; }
  void searchBarTextDidBeginEditing(SearchBar&) override { heard.push_back("begin"); }
  void searchBarTextDidEndEditing(SearchBar&) override { heard.push_back("end"); }
  void searchBarTextDidChange(SearchBar&, const std::string& text) override { heard.push_back("change " + text); }
  void searchBarCancelButtonClicked(SearchBar&) override { heard.push_back("cancel"); }
  std::vector<std::string> heard;
};

graphics::Point centreInWindow(const View& view) {
  return *view.convertPointToView({view.bounds().midX(), view.bounds().midY()}, nullptr);
}

// A notched phone window whose root is a stack with one screen that searches.
class Search : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override {
    window->setSafeAreaInsets({44, 0, 34, 0});
    screen->navigationItem().setSearchController(search);
    search->searchBar()->setDelegate(delegate);
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    window->layoutIfNeeded();
  }

  SearchBar& bar() const { return *search->searchBar(); }

  std::shared_ptr<Window> window = Window::make({0, 0, 375, 812});
  std::shared_ptr<ViewController> screen = ViewController::make();
  std::shared_ptr<NavigationController> navigation = NavigationController::make(screen);
  std::shared_ptr<SearchController> search = SearchController::make();
  std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
};

TEST_F(Search, TheSearchBarShowsBelowTheNavigationBarAndTakesItsPlaceWhileActive) {
  EXPECT_EQ(bar().frame(), (graphics::Rect{0, 88, 375, SearchBar::height}));
  EXPECT_EQ(screen->view()->frame(), (graphics::Rect{0, 88 + SearchBar::height, 375, 812 - 88 - SearchBar::height}));

  TouchInjector(window).tap(centreInWindow(*bar().searchTextField()));
  EXPECT_TRUE(search->isActive());
  EXPECT_TRUE(navigation->navigationBar()->isHidden());
  EXPECT_EQ(bar().frame(), (graphics::Rect{0, 44, 375, SearchBar::height}));

  search->setActive(false);
  EXPECT_FALSE(bar().searchTextField()->isFirstResponder());
  EXPECT_FALSE(navigation->navigationBar()->isHidden());
  EXPECT_EQ(bar().frame().y(), 88);
}

TEST_F(Search, ASearchThatKeepsTheBarLeavesTheNavigationBarShown) {
  search->setHidesNavigationBarDuringPresentation(false);
  search->setActive(true);
  EXPECT_FALSE(navigation->navigationBar()->isHidden());
  EXPECT_EQ(bar().frame().y(), 88);
}

TEST_F(Search, TypingAndTheCancelButtonAreToldToTheDelegateAndCancelEndsTheSearch) {
  bar().searchTextField()->becomeFirstResponder();
  bar().setShowsCancelButton(true, true);
  bar().searchTextField()->insertText("st");
  window->layoutIfNeeded();
  EXPECT_FALSE(bar().cancelButton()->isHidden());
  EXPECT_LT(bar().searchTextField()->frame().maxX(), bar().cancelButton()->frame().x() + 1);

  TouchInjector(window).tap(centreInWindow(*bar().cancelButton()));
  EXPECT_EQ(delegate->heard, (std::vector<std::string>{"begin", "change s", "change st", "end", "cancel"}));
  EXPECT_EQ(bar().text(), "");
  EXPECT_FALSE(search->isActive());
}

TEST_F(Search, AHiddenCancelButtonTakesNoTapAndTextSetInCodeTellsNobody) {
  EXPECT_FALSE(bar().cancelButtonTapped());
  bar().setText("star");
  EXPECT_TRUE(delegate->heard.empty());
  EXPECT_EQ(bar().text(), "star");
}

TEST_F(Search, APushedScreenWithoutASearchTakesTheSearchBarAway) {
  navigation->pushViewController(ViewController::make(), false);
  EXPECT_EQ(bar().superview(), nullptr);
  navigation->popViewController(false);
  EXPECT_EQ(bar().superview(), navigation->view());
}

}  // namespace
}  // namespace platform::ui
