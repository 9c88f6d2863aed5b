#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/text/TextAlignment.h"

namespace platform::ui {

// A one-line editable text. A tap makes it first responder of its window (which brings up the
// Keyboard); typed text goes into the first responder at the end of its text, one character at
// a time, each asked of the delegate and told to the editing-changed actions. Setting the text
// in code asks and tells nobody. It draws its text, or the placeholder while the text is empty,
// centred vertically, on one line cut with an ellipsis; no caret.
class TextField : public Control {
 public:
  enum class BorderStyle { none, roundedRect };
  // What the return key is labelled; it behaves the same either way.
  enum class ReturnKeyType { standard, done };
  // When the clear button or the left view shows.
  enum class ViewMode { never, whileEditing, always };
  // What the keyboard offers and corrects; text typed here arrives as typed either way.
  enum class KeyboardType { standard, decimalPad };
  enum class AutocorrectionType { standard, no };
  enum class AutocapitalizationType { none, sentences };
  enum class SmartQuotesType { standard, no };

  static constexpr double roundedRectCornerRadius = 5;
  static constexpr double clearButtonSide = 19;

  static std::shared_ptr<TextField> make(const graphics::Rect& frame = {});

  TextField(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "TextField"; }

  const std::string& text() const { return text_; }
  void setText(std::string text);
  // Drawn in a faint grey while the text is empty; empty draws nothing.
  const std::string& placeholder() const { return placeholder_; }
  void setPlaceholder(std::string placeholder) { placeholder_ = std::move(placeholder); }

  const graphics::Font& font() const { return font_; }
  void setFont(graphics::Font font) { font_ = std::move(font); }
  graphics::Color textColor() const { return textColor_; }
  void setTextColor(graphics::Color color) { textColor_ = color; }
  TextAlignment textAlignment() const { return textAlignment_; }
  void setTextAlignment(TextAlignment alignment) { textAlignment_ = alignment; }
  // Text wider than the field is drawn in a smaller font, down to minimumFontSize.
  bool adjustsFontSizeToFitWidth() const { return adjustsFontSizeToFitWidth_; }
  void setAdjustsFontSizeToFitWidth(bool adjusts) { adjustsFontSizeToFitWidth_ = adjusts; }
  double minimumFontSize() const { return minimumFontSize_; }
  void setMinimumFontSize(double size) { minimumFontSize_ = size; }

  // The rounded rectangle is a thin grey outline, filled white unless the field has a
  // background colour.
  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle style) { borderStyle_ = style; }
  ReturnKeyType returnKeyType() const { return returnKeyType_; }
  void setReturnKeyType(ReturnKeyType type) { returnKeyType_ = type; }
  KeyboardType keyboardType() const { return keyboardType_; }
  void setKeyboardType(KeyboardType type) { keyboardType_ = type; }
  AutocorrectionType autocorrectionType() const { return autocorrectionType_; }
  void setAutocorrectionType(AutocorrectionType type) { autocorrectionType_ = type; }
  AutocapitalizationType autocapitalizationType() const { return autocapitalizationType_; }
  void setAutocapitalizationType(AutocapitalizationType type) { autocapitalizationType_ = type; }
  SmartQuotesType smartQuotesType() const { return smartQuotesType_; }
  void setSmartQuotesType(SmartQuotesType type) { smartQuotesType_ = type; }
  // The clear button shows at the right, only while there is text.
  ViewMode clearButtonMode() const { return clearButtonMode_; }
  void setClearButtonMode(ViewMode mode) { clearButtonMode_ = mode; }
  // A view at the left edge, centred vertically, keeping its size; the text starts after it.
  const std::shared_ptr<View>& leftView() const { return leftView_; }
  void setLeftView(std::shared_ptr<View> view);
  ViewMode leftViewMode() const { return leftViewMode_; }
  void setLeftViewMode(ViewMode mode);

  // Shown while the field is first responder: across the field's window, in front of
  // everything, keeping its height, its top on the keyboard's. The keyboard's frame includes
  // it. Set it before the field becomes first responder.
  const std::shared_ptr<View>& inputAccessoryView() const { return inputAccessoryView_; }
  void setInputAccessoryView(std::shared_ptr<View> view);

  std::shared_ptr<TextFieldDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(const std::shared_ptr<TextFieldDelegate>& delegate) { delegate_ = delegate; }
  // Told after every change of the text the user makes (typing, the clear button).
  void addEditingChangedAction(Action action) { editingChangedActions_.push_back(std::move(action)); }

  // Only an enabled field in a window can become first responder; the window's previous one
  // resigns first. The delegate hears didBeginEditing, then the keyboard shows. Already being
  // first responder is a success that does nothing.
  bool becomeFirstResponder();
  // The delegate hears didEndEditing; the keyboard hides unless another field has it. False
  // when the field was not first responder.
  bool resignFirstResponder();
  bool isFirstResponder() const;

  // The user typing `text` into the field: each character (code point) in turn, at the end
  // of the text. False (and a log line) when the field is not first responder or the text is
  // not UTF-8.
  bool insertText(const std::string& text);
  // The return key pressed: the delegate's textFieldShouldReturn answer (yes without one).
  // Nothing is inserted. False (and a log line) when the field is not first responder.
  bool returnKey();
  // The clear button tapped (taps on it arrive here): the field becomes first responder, and
  // the text empties unless the delegate says no. False when it did not empty.
  bool clearButtonTapped();

  bool isClearButtonShown() const;
  // In bounds space; empty when the button is not shown.
  graphics::Rect clearButtonRect() const;
  // Where the text and the placeholder are laid out, in bounds space.
  graphics::Rect textRect() const;

 protected:
  void drawContent(DrawingContext& context) const override;
  void layoutSubviews() override;
  void didMoveToWindow() override;

 private:
  bool shows(ViewMode mode) const;
  void placeLeftView();
  // After giving up the window's first-responder place.
  void didEndEditing();
  void sendEditingChanged();
  void typeCharacter(const std::string& character);

  std::string text_;
  std::string placeholder_;
  graphics::Font font_ = graphics::systemFont(17);
  graphics::Color textColor_{0, 0, 0, 1};
  TextAlignment textAlignment_ = TextAlignment::natural;
  bool adjustsFontSizeToFitWidth_ = false;
  double minimumFontSize_ = 0;
  BorderStyle borderStyle_ = BorderStyle::none;
  ReturnKeyType returnKeyType_ = ReturnKeyType::standard;
  KeyboardType keyboardType_ = KeyboardType::standard;
  AutocorrectionType autocorrectionType_ = AutocorrectionType::standard;
  AutocapitalizationType autocapitalizationType_ = AutocapitalizationType::sentences;
  SmartQuotesType smartQuotesType_ = SmartQuotesType::standard;
  ViewMode clearButtonMode_ = ViewMode::never;
  std::shared_ptr<View> leftView_;
  ViewMode leftViewMode_ = ViewMode::never;
  std::shared_ptr<View> inputAccessoryView_;
  std::weak_ptr<TextFieldDelegate> delegate_;
  std::vector<Action> editingChangedActions_;
};

}  // namespace platform::ui
