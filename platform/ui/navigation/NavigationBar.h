#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/views/View.h"

namespace platform::ui {

class BarButtonItem;
class Label;
class NavigationItem;

// The bar across the top of a navigation stack: a back button on the left (when there is a
// controller to go back to), the top controller's title in the middle and its right button.
// Its buttons sit in the bottom `contentHeight` points; anything taller (the status bar
// area) is background.
class NavigationBar : public View {
 public:
  static constexpr double contentHeight = 44;

  // `back` runs when the back button is tapped.
  static std::shared_ptr<NavigationBar> make(std::function<void()> back);

  NavigationBar(ConstructionKey key, std::function<void()> back);

  std::string_view className() const override { return "NavigationBar"; }

  // Shows the item's title and right button; a back button titled `backTitle` when given.
  void show(const NavigationItem& item, std::optional<std::string> backTitle);

  const std::shared_ptr<Label>& titleLabel() const { return titleLabel_; }
  // Hidden while there is nothing to show.
  const std::shared_ptr<Label>& backButton() const { return backButton_; }
  const std::shared_ptr<Label>& rightButton() const { return rightButton_; }

 protected:
  void layoutSubviews() override;

 private:
  void addButtons();
  void arrange();

  std::function<void()> back_;
  std::shared_ptr<BarButtonItem> rightItem_;
  std::shared_ptr<Label> backButton_;
  std::shared_ptr<Label> titleLabel_;
  std::shared_ptr<Label> rightButton_;
};

}  // namespace platform::ui
