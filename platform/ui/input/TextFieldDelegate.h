#pragma once

#include <string>
#include <string_view>

#include "platform/ui/text/AttributedString.h"

namespace platform::ui {

class TextField;

// The text once `range` (UTF-16 units, clamped to the text) is replaced by `replacement`: what a
// field will hold after the edit its delegate is asked about.
std::string textAfterReplacing(std::string_view text, TextRange range, std::string_view replacement);

// What a text field tells and asks its delegate. Every operation is optional: the field asks
// implements() before calling one, and an operation not implemented answers yes.
class TextFieldDelegate {
 public:
  enum class Operation {
    textFieldDidBeginEditing,
    textFieldDidEndEditing,
    textFieldShouldReturn,
    textFieldShouldChangeCharacters,
    textFieldShouldClear,
  };

  virtual ~TextFieldDelegate() = default;

  virtual bool implements(Operation operation) const = 0;

  // The field became first responder.
  virtual void textFieldDidBeginEditing(TextField&) {}
  // The field stopped being first responder.
  virtual void textFieldDidEndEditing(TextField&) {}
  // The return key was pressed in the field; the answer is the field's return value.
  virtual bool textFieldShouldReturn(TextField&) { return true; }
  // The user is about to replace `range` of the text with `replacement`; no stops the edit.
  virtual bool textField(TextField&, TextRange /*range*/, const std::string& /*replacement*/) { return true; }
  // The clear button was tapped; no keeps the text.
  virtual bool textFieldShouldClear(TextField&) { return true; }
};

}  // namespace platform::ui
