#pragma once

#include <functional>
#include <memory>

namespace platform::ui {

class SearchBar;

// The search of a screen that shows its results itself (there are no separate results
// controllers): it owns the search bar, is active from the moment the bar's field begins
// editing until the search is cancelled or ended, and when it is a navigation item's search
// controller, its bar shows below the navigation bar.
class SearchController : public std::enable_shared_from_this<SearchController> {
 public:
  static std::shared_ptr<SearchController> make();

  SearchController();
  SearchController(const SearchController&) = delete;
  SearchController& operator=(const SearchController&) = delete;

  const std::shared_ptr<SearchBar>& searchBar() const { return searchBar_; }

  bool isActive() const { return active_; }
  // Ending the search also ends the editing of the bar's field.
  void setActive(bool active);

  // While active, the navigation bar of the stack showing it hides and the search bar takes
  // its place.
  bool hidesNavigationBarDuringPresentation() const { return hidesNavigationBarDuringPresentation_; }
  void setHidesNavigationBarDuringPresentation(bool hides);

 private:
  friend class NavigationController;

  void changed() const;

  std::shared_ptr<SearchBar> searchBar_;
  bool active_ = false;
  bool hidesNavigationBarDuringPresentation_ = true;
  // Set by the navigation stack showing the search.
  std::function<void()> onChange_;
};

}  // namespace platform::ui
