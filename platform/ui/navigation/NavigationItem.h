#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/navigation/BarButtonItem.h"

namespace platform::ui {

class SearchController;

// What a view controller shows in the navigation bar while it is on top of a navigation
// stack: its title (also the back button's title of the controller pushed over it), the
// button on the right and, below the bar, the search bar of its search controller. Changes
// show at once in the bar of the stack the controller is in.
class NavigationItem {
 public:
  const std::optional<std::string>& title() const { return title_; }
  void setTitle(std::optional<std::string> title);

  const std::shared_ptr<BarButtonItem>& rightBarButtonItem() const { return rightBarButtonItem_; }
  void setRightBarButtonItem(std::shared_ptr<BarButtonItem> item);

  const std::shared_ptr<SearchController>& searchController() const { return searchController_; }
  void setSearchController(std::shared_ptr<SearchController> controller);

 private:
  friend class NavigationController;

  void changed() const;

  std::optional<std::string> title_;
  std::shared_ptr<BarButtonItem> rightBarButtonItem_;
  std::shared_ptr<SearchController> searchController_;
  // Set by the navigation stack holding the item's controller.
  std::function<void()> onChange_;
};

}  // namespace platform::ui
