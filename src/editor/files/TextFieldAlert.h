#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/controls/AlertController.h"

namespace platform::ui {
class TextField;
}

namespace vantile {

// An alert asking for one line of text: the platform's alert with a text field between its
// message and its buttons (placeholder, grey text, clear button while editing, rounded border).
class TextFieldAlert : public platform::ui::AlertController {
 public:
  static std::shared_ptr<TextFieldAlert> make(std::string title, std::string message, std::string placeholder);

  TextFieldAlert(ConstructionKey key, std::string title, std::string message, std::string placeholder);

  const std::shared_ptr<platform::ui::TextField>& textField() const { return textField_; }

 protected:
  std::shared_ptr<platform::ui::View> loadView() override;

 private:
  std::shared_ptr<platform::ui::TextField> textField_;
};

}  // namespace vantile
