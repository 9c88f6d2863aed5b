#include "platform/ui/input/TextField.h"

#include <glib.h>

#include <algorithm>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/FirstResponder.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {

std::string textAfterReplacing(std::string_view text, TextRange range, std::string_view replacement) {
  const AttributedString attributed{std::string(text)};
  const std::size_t start = attributed.byteOffset(range.location);
  const std::size_t end = std::max(start, attributed.byteOffset(range.location + range.length));
  return std::string(text.substr(0, start)).append(replacement).append(text.substr(end));
}

namespace {

// The platform's distance between a rounded rectangle's outline and the text.
constexpr double kRoundedRectTextInset = 7;

std::size_t utf16Length(const std::string& text) {
  std::size_t units = 0;
  for (const char* character = text.c_str(); *character != '\0'; character = g_utf8_next_char(character)) {
    units += g_utf8_get_char(character) > 0xFFFF ? 2 : 1;
  }
  return units;
}

}  // namespace

std::shared_ptr<TextField> TextField::make(const graphics::Rect& frame) {
  auto field = std::make_shared<TextField>(ConstructionKey{}, frame);
  std::weak_ptr<TextField> weak = field;
  field->addGestureRecognizer(TapGestureRecognizer::make([weak](GestureRecognizer& tap) {
    const auto self = weak.lock();
    if (!self || tap.state() != GestureRecognizer::State::recognized) return;
    const auto location = tap.locationInView(self.get());
    if (location && self->clearButtonRect().contains(*location)) {
      self->clearButtonTapped();
    } else {
      self->becomeFirstResponder();
    }
  }));
  return field;
}

TextField::TextField(ConstructionKey key, const graphics::Rect& frame) : Control(key, frame) {}

void TextField::setText(std::string text) {
  if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
    foundation::systemLog("TextField: refused text that is not UTF-8");
    return;
  }
  text_ = std::move(text);
}

void TextField::setLeftView(std::shared_ptr<View> view) {
  if (leftView_ && leftView_->superview().get() == this) leftView_->removeFromSuperview();
  leftView_ = std::move(view);
  if (leftView_) addSubview(leftView_);
  placeLeftView();
}

void TextField::setInputAccessoryView(std::shared_ptr<View> view) {
  if (inputAccessoryView_ && isFirstResponder()) inputAccessoryView_->removeFromSuperview();
  inputAccessoryView_ = std::move(view);
}

void TextField::setLeftViewMode(ViewMode mode) {
  leftViewMode_ = mode;
  placeLeftView();
}

bool TextField::becomeFirstResponder() {
  if (isFirstResponder()) return true;
  const auto window = this->window();
  if (!window) {
    foundation::systemLog("TextField: a field outside any window cannot become first responder");
    return false;
  }
  if (!isEnabled()) return false;
  const auto self = std::static_pointer_cast<TextField>(shared_from_this());
  const auto previous = FirstResponder::of(*window);
  // Taking the window's place first keeps the keyboard up across the hand-over.
  FirstResponder::set(*window, self);
  if (previous) previous->didEndEditing();
  placeLeftView();
  if (const auto delegate = this->delegate();
      delegate && delegate->implements(TextFieldDelegate::Operation::textFieldDidBeginEditing)) {
    delegate->textFieldDidBeginEditing(*this);
  }
  // The delegate may already have handed the place on.
  if (!isFirstResponder()) return true;
  Keyboard& keyboard = Keyboard::shared();
  keyboard.showWithAccessory(inputAccessoryView_ ? inputAccessoryView_->frame().height() : 0);
  if (inputAccessoryView_) {
    const graphics::Rect screen = keyboard.frame();
    const graphics::Rect frame = window->frame();
    window->addSubview(inputAccessoryView_);
    inputAccessoryView_->setFrame(
        {screen.x() - frame.x(), screen.y() - frame.y(), screen.width(), inputAccessoryView_->frame().height()});
  }
  return true;
}

bool TextField::resignFirstResponder() {
  if (!FirstResponder::holds(*this)) return false;
  const auto keepAlive = shared_from_this();
  FirstResponder::remove(*this);
  didEndEditing();
  if (!FirstResponder::isAnyFieldEditing()) Keyboard::shared().hide();
  return true;
}

bool TextField::isFirstResponder() const {
  const auto window = this->window();
  return window && FirstResponder::of(*window).get() == this;
}

bool TextField::insertText(const std::string& text) {
  if (!isFirstResponder()) {
    foundation::systemLog("TextField: typed text reached a field that is not first responder");
    return false;
  }
  if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
    foundation::systemLog("TextField: refused typed text that is not UTF-8");
    return false;
  }
  const auto keepAlive = shared_from_this();
  for (const char* character = text.c_str(); *character != '\0' && isFirstResponder();) {
    const char* next = g_utf8_next_char(character);
    typeCharacter(std::string(character, next));
    character = next;
  }
  return true;
}

bool TextField::returnKey() {
  if (!isFirstResponder()) {
    foundation::systemLog("TextField: the return key reached a field that is not first responder");
    return false;
  }
  const auto keepAlive = shared_from_this();
  const auto delegate = this->delegate();
  return !delegate || !delegate->implements(TextFieldDelegate::Operation::textFieldShouldReturn) ||
         delegate->textFieldShouldReturn(*this);
}

bool TextField::clearButtonTapped() {
  if (!isClearButtonShown()) {
    foundation::systemLog("TextField: the clear button is not shown");
    return false;
  }
  const auto keepAlive = shared_from_this();
  if (!becomeFirstResponder()) return false;
  const auto delegate = this->delegate();
  if (delegate && delegate->implements(TextFieldDelegate::Operation::textFieldShouldClear) &&
      !delegate->textFieldShouldClear(*this)) {
    return false;
  }
  text_.clear();
  sendEditingChanged();
  return true;
}

bool TextField::isClearButtonShown() const { return !text_.empty() && shows(clearButtonMode_); }

graphics::Rect TextField::clearButtonRect() const {
  if (!isClearButtonShown()) return {};
  const graphics::Rect bounds = this->bounds();
  const double side = std::min(clearButtonSide, bounds.height());
  const double inset = borderStyle_ == BorderStyle::roundedRect ? kRoundedRectTextInset : 0;
  return {bounds.maxX() - inset - side, bounds.y() + (bounds.height() - side) / 2, side, side};
}

graphics::Rect TextField::textRect() const {
  const graphics::Rect bounds = this->bounds();
  const double inset = borderStyle_ == BorderStyle::roundedRect ? kRoundedRectTextInset : 0;
  const double left = leftView_ && shows(leftViewMode_) ? bounds.x() + leftView_->frame().width() : bounds.x() + inset;
  const double right = isClearButtonShown() ? clearButtonRect().x() : bounds.maxX() - inset;
  return {left, bounds.y(), std::max(0.0, right - left), bounds.height()};
}

void TextField::layoutSubviews() { placeLeftView(); }

void TextField::didMoveToWindow() {
  // A field taken out of its window gives up the keyboard there.
  if (!isFirstResponder()) resignFirstResponder();
}

bool TextField::shows(ViewMode mode) const {
  switch (mode) {
    case ViewMode::never:
      return false;
    case ViewMode::whileEditing:
      return isFirstResponder();
    case ViewMode::always:
      return true;
  }
  return false;
}

void TextField::placeLeftView() {
  if (!leftView_) return;
  const graphics::Size size = leftView_->frame().size;
  leftView_->setFrame({0, (bounds().height() - size.height) / 2, size.width, size.height});
  leftView_->setHidden(!shows(leftViewMode_));
}

void TextField::didEndEditing() {
  if (inputAccessoryView_) inputAccessoryView_->removeFromSuperview();
  placeLeftView();
  if (const auto delegate = this->delegate();
      delegate && delegate->implements(TextFieldDelegate::Operation::textFieldDidEndEditing)) {
    delegate->textFieldDidEndEditing(*this);
  }
}

void TextField::sendEditingChanged() {
  const auto actions = editingChangedActions_;
  for (const auto& action : actions) {
    if (action) action(*this);
  }
}

void TextField::typeCharacter(const std::string& character) {
  const auto delegate = this->delegate();
  if (delegate && delegate->implements(TextFieldDelegate::Operation::textFieldShouldChangeCharacters) &&
      !delegate->textField(*this, {utf16Length(text_), 0}, character)) {
    return;
  }
  text_ += character;
  sendEditingChanged();
}

}  // namespace platform::ui
