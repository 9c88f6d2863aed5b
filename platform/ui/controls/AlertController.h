#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/views/ViewController.h"

namespace platform::ui {

class TextField;
class Window;

struct AlertAction {
  enum class Style { normal, cancel, destructive };

  std::string title;
  Style style = Style::normal;
  // Runs after the alert has left the screen.
  std::function<void()> handler;
};

// An alert (a box in the middle of the screen) or an action sheet (a list rising from the
// bottom), with a title, a message and its actions as rows. Choosing an action, by a tap on
// its row or through chooseAction, dismisses the alert and then runs the action's handler.
class AlertController : public ViewController {
 public:
  enum class Style { actionSheet, alert };

  static constexpr double rowHeight = 44;

  static std::shared_ptr<AlertController> make(std::optional<std::string> title, std::optional<std::string> message,
                                               Style style);

  AlertController(ConstructionKey key, std::optional<std::string> title, std::optional<std::string> message,
                  Style style);

  const std::optional<std::string>& title() const { return title_; }
  const std::optional<std::string>& message() const { return message_; }
  Style preferredStyle() const { return style_; }

  // Actions added after the view is shown do not show.
  void addAction(AlertAction action);
  const std::vector<AlertAction>& actions() const { return actions_; }
  // A one-line field between the message and the actions, in the order added; `configure`
  // styles it. Fields added after the view is shown do not show.
  std::shared_ptr<TextField> addTextField(const std::function<void(TextField&)>& configure = {});
  const std::vector<std::shared_ptr<TextField>>& textFields() const { return textFields_; }

  // As a tap on the first action of that title; false when there is none.
  bool chooseAction(std::string_view title);

  // The alert shown last in the key window (over its root view controller); null when none.
  static std::shared_ptr<AlertController> shownInKeyWindow();

 protected:
  std::shared_ptr<View> loadView() override;

 private:
  void choose(std::size_t index);

  std::optional<std::string> title_;
  std::optional<std::string> message_;
  Style style_;
  std::vector<AlertAction> actions_;
  std::vector<std::shared_ptr<TextField>> textFields_;
};

}  // namespace platform::ui
