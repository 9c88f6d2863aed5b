#pragma once

#include <memory>

namespace platform::ui {

class TextField;
class View;
class Window;

// Which text field of each window takes typed text: at most one per window. Fields take and
// give up the place themselves (TextField::becomeFirstResponder / resignFirstResponder).
class FirstResponder {
 public:
  // Nothing when no field of the window is first responder.
  static std::shared_ptr<TextField> of(const Window& window);
  // Of the application's key window; nothing without one.
  static std::shared_ptr<TextField> ofKeyWindow();
  // Whether a field of any window is first responder (the keyboard is up for it).
  static bool isAnyFieldEditing();

  // The platform's endEditing: the first responder of the view's window resigns when it is
  // the view or inside it. True when one did.
  static bool endEditing(const View& view);

 private:
  friend class TextField;
  static void set(const Window& window, const std::shared_ptr<TextField>& field);
  static void remove(const TextField& field);
  // Whether the field is first responder of some window, also one it has since left.
  static bool holds(const TextField& field);
};

}  // namespace platform::ui
