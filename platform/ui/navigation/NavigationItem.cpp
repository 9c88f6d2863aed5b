#include "platform/ui/navigation/NavigationItem.h"

#include "platform/ui/navigation/SearchController.h"

namespace platform::ui {

void NavigationItem::setTitle(std::optional<std::string> title) {
  title_ = std::move(title);
  changed();
}

void NavigationItem::setRightBarButtonItem(std::shared_ptr<BarButtonItem> item) {
  rightBarButtonItem_ = std::move(item);
  changed();
}

void NavigationItem::setSearchController(std::shared_ptr<SearchController> controller) {
  searchController_ = std::move(controller);
  changed();
}

void NavigationItem::changed() const {
  if (onChange_) onChange_();
}

}  // namespace platform::ui
