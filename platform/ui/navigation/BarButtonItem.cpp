#include "platform/ui/navigation/BarButtonItem.h"

namespace platform::ui {

std::shared_ptr<BarButtonItem> BarButtonItem::make(std::string title, Action action) {
  return std::make_shared<BarButtonItem>(std::move(title), std::move(action));
}

BarButtonItem::BarButtonItem(std::string title, Action action) : title_(std::move(title)), action_(std::move(action)) {}

void BarButtonItem::performAction() const {
  if (action_) action_();
}

}  // namespace platform::ui
