#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/notifications/Notification.h"
#include "platform/graphics/Geometry.h"

namespace platform::ui {

// The on-screen keyboard: a band across the bottom of the main screen. It shows when a text
// field becomes first responder and hides when the last one resigns; tests and hosts can also
// show and hide it directly. Every show and hide posts its notifications, synchronously and in
// order (will, then did), with the keyboard's frame after the change in the user info.
class Keyboard {
 public:
  static constexpr std::string_view willShowNotification = "UIKeyboardWillShowNotification";
  static constexpr std::string_view didShowNotification = "UIKeyboardDidShowNotification";
  static constexpr std::string_view willHideNotification = "UIKeyboardWillHideNotification";
  static constexpr std::string_view didHideNotification = "UIKeyboardDidHideNotification";
  // A dictionary {"x", "y", "width", "height"} in screen points; read it with frameEnd().
  static constexpr std::string_view frameEndUserInfoKey = "UIKeyboardFrameEndUserInfoKey";
  // A phone keyboard with its suggestion bar, in portrait.
  static constexpr double defaultHeight = 291;

  using Handler = std::function<void(const foundation::Notification&)>;

  // Keeps an observer listening; destroying it stops delivery, also within a post under way.
  class Observation {
   public:
    virtual ~Observation() = default;
  };

  static Keyboard& shared();

  // The frame a keyboard notification carries; nothing (and a log line) when it has none.
  static std::optional<graphics::Rect> frameEnd(const foundation::Notification& notification);

  [[nodiscard]] std::shared_ptr<Observation> addObserver(std::string_view name, Handler handler);

  // Shows the keyboard at its current height, or at `height` (kept for later shows). Showing
  // it while shown posts the show notifications again, as a new field taking the keyboard does.
  // The accessory view of the field it serves stays on it until it hides.
  void show();
  void show(double height);
  void hide();

  // Keys pressed by a test or a host scenario, reaching the key window's first responder
  // (TextField::insertText, TextField::returnKey). False (and a log line) without one; for
  // the return key, also the field's answer.
  bool type(const std::string& text) const;
  bool pressReturn() const;

  bool isVisible() const { return visible_; }
  // Its height with the accessory view of the field it serves, if any.
  double height() const { return height_ + accessoryHeight_; }
  // On the screen's bottom edge when visible, just below the screen when hidden.
  graphics::Rect frame() const;

  Keyboard(const Keyboard&) = delete;
  Keyboard& operator=(const Keyboard&) = delete;

 private:
  Keyboard() = default;
  friend class TextField;
  void showWithAccessory(double accessoryHeight);
  void post(std::string_view name) const;

  struct Listener;
  std::vector<std::weak_ptr<Listener>> listeners_;
  double height_ = defaultHeight;
  double accessoryHeight_ = 0;
  bool visible_ = false;
};

}  // namespace platform::ui
