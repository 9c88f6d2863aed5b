#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform::ui {

// A titled button for a navigation bar. The bar that shows it runs its action when the
// button is tapped; a scenario can run it the same way through performAction.
class BarButtonItem {
 public:
  using Action = std::function<void()>;

  static std::shared_ptr<BarButtonItem> make(std::string title, Action action);

  BarButtonItem(std::string title, Action action);

  const std::string& title() const { return title_; }
  void performAction() const;

 private:
  std::string title_;
  Action action_;
};

}  // namespace platform::ui
