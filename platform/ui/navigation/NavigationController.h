#pragma once

#include <memory>
#include <vector>

#include "platform/ui/views/ViewController.h"

namespace platform::ui {

class NavigationBar;
class SearchBar;
class SearchController;

// A stack of view controllers, the last one on screen below a navigation bar that shows its
// navigation item and, from the second controller on, a back button that pops it. The
// stacked controllers are this controller's children, in stack order. A push or pop shows
// at once, animated or not. The bar starts below the window's safe area when the stack's
// view reaches up into it (as a full-screen stack does). The search bar of the top item's
// search controller sits below the bar, or in its place while a search that hides the bar
// is active.
class NavigationController : public ViewController {
 public:
  // `root` becomes the first controller of the stack; without one the stack starts empty
  // (logged).
  static std::shared_ptr<NavigationController> make(std::shared_ptr<ViewController> root);

  explicit NavigationController(ConstructionKey key);

  // Refuses (logged) nothing, a controller already in this stack and a navigation
  // controller. A controller held by another parent leaves it.
  void pushViewController(std::shared_ptr<ViewController> controller, bool animated);
  // The controller taken off the top; nothing, and no change, when only the root is left.
  std::shared_ptr<ViewController> popViewController(bool animated);

  const std::vector<std::shared_ptr<ViewController>>& viewControllers() const { return childViewControllers(); }
  std::shared_ptr<ViewController> topViewController() const;
  // The controller presented over the stack or over its top controller (followed to the
  // last), else the top controller.
  std::shared_ptr<ViewController> visibleViewController();

  const std::shared_ptr<NavigationBar>& navigationBar() const { return bar_; }

 protected:
  std::shared_ptr<View> loadView() override;

 private:
  class StackView;

  // Places the bar and the top controller's view in `stackView` for its size and place in
  // its window.
  void arrange(View& stackView) const;
  void showTopItem();
  // The top item's search bar into the stack's view (and the one shown before out of it).
  void placeSearchBar(View& stackView);
  std::shared_ptr<SearchController> topSearchController() const;
  void watchItem(ViewController& controller);

  std::shared_ptr<NavigationBar> bar_;
  std::shared_ptr<SearchBar> shownSearchBar_;
};

}  // namespace platform::ui
