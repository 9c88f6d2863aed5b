#include "platform/ui/input/Keyboard.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/input/FirstResponder.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/views/Screen.h"

namespace platform::ui {

struct Keyboard::Listener {
  std::string name;
  Handler handler;
};

namespace {

class ListenerToken final : public Keyboard::Observation {
 public:
  explicit ListenerToken(std::shared_ptr<void> listener) : listener_(std::move(listener)) {}

 private:
  std::shared_ptr<void> listener_;
};

Value frameValue(const graphics::Rect& frame) {
  return Value{{"x", frame.x()}, {"y", frame.y()}, {"width", frame.width()}, {"height", frame.height()}};
}

}  // namespace

Keyboard& Keyboard::shared() {
  static Keyboard keyboard;
  return keyboard;
}

std::optional<graphics::Rect> Keyboard::frameEnd(const foundation::Notification& notification) {
  const Value& info = notification.userInfo;
  if (info.is_object() && info.contains(frameEndUserInfoKey)) {
    const Value& frame = info.at(frameEndUserInfoKey);
    auto number = [&frame](const char* key) -> std::optional<double> {
      if (!frame.is_object() || !frame.contains(key) || !frame.at(key).is_number()) return std::nullopt;
      return frame.at(key).get<double>();
    };
    const auto x = number("x"), y = number("y"), width = number("width"), height = number("height");
    if (x && y && width && height) return graphics::Rect{*x, *y, *width, *height};
  }
  foundation::systemLog("Keyboard: notification \"" + notification.name + "\" carries no keyboard frame");
  return std::nullopt;
}

std::shared_ptr<Keyboard::Observation> Keyboard::addObserver(std::string_view name, Handler handler) {
  auto listener = std::make_shared<Listener>(Listener{std::string(name), std::move(handler)});
  std::erase_if(listeners_, [](const std::weak_ptr<Listener>& entry) { return entry.expired(); });
  listeners_.push_back(listener);
  return std::make_shared<ListenerToken>(std::move(listener));
}

void Keyboard::showWithAccessory(double accessoryHeight) {
  accessoryHeight_ = std::isfinite(accessoryHeight) ? std::max(0.0, accessoryHeight) : 0;
  show();
}

void Keyboard::show() {
  visible_ = true;
  post(willShowNotification);
  post(didShowNotification);
}

void Keyboard::show(double height) {
  if (!std::isfinite(height) || height < 0) {
    foundation::systemLog("Keyboard: refused height " + std::to_string(height) + ", keeping " +
                          std::to_string(height_));
  } else {
    height_ = height;
  }
  show();
}

void Keyboard::hide() {
  visible_ = false;
  post(willHideNotification);
  post(didHideNotification);
  accessoryHeight_ = 0;
}

bool Keyboard::type(const std::string& text) const {
  const auto field = FirstResponder::ofKeyWindow();
  if (!field) {
    foundation::systemLog("Keyboard: typed text reached no field: the key window has no first responder");
    return false;
  }
  return field->insertText(text);
}

bool Keyboard::pressReturn() const {
  const auto field = FirstResponder::ofKeyWindow();
  if (!field) {
    foundation::systemLog("Keyboard: the return key reached no field: the key window has no first responder");
    return false;
  }
  return field->returnKey();
}

graphics::Rect Keyboard::frame() const {
  const graphics::Rect screen = Screen::mainScreen().bounds();
  const double top = visible_ ? screen.maxY() - height() : screen.maxY();
  return {screen.x(), top, screen.width(), height()};
}

void Keyboard::post(std::string_view name) const {
  const foundation::Notification notification{std::string(name), Value{{frameEndUserInfoKey, frameValue(frame())}}};
  // A copy: an observer may start or stop listening while it is told.
  const auto current = listeners_;
  for (const auto& entry : current) {
    const auto listener = entry.lock();
    if (listener && listener->name == name) listener->handler(notification);
  }
}

}  // namespace platform::ui
