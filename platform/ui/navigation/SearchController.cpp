#include "platform/ui/navigation/SearchController.h"

#include "platform/ui/input/TextField.h"
#include "platform/ui/navigation/SearchBar.h"

namespace platform::ui {

std::shared_ptr<SearchController> SearchController::make() {
  auto controller = std::make_shared<SearchController>();
  const std::weak_ptr<SearchController> weak = controller;
  controller->searchBar_->onBeginEditing_ = [weak] {
    if (const auto self = weak.lock()) self->setActive(true);
  };
  controller->searchBar_->onCancel_ = [weak] {
    const auto self = weak.lock();
    if (!self) return;
    self->searchBar_->setText("");
    self->setActive(false);
  };
  return controller;
}

SearchController::SearchController() : searchBar_(SearchBar::make()) {}

void SearchController::setActive(bool active) {
  if (active_ == active) return;
  active_ = active;
  if (!active) searchBar_->searchTextField()->resignFirstResponder();
  changed();
}

void SearchController::setHidesNavigationBarDuringPresentation(bool hides) {
  hidesNavigationBarDuringPresentation_ = hides;
  changed();
}

void SearchController::changed() const {
  if (onChange_) onChange_();
}

}  // namespace platform::ui
