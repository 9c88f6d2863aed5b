#include "platform/ui/views/Application.h"

#include <algorithm>

namespace platform::ui {

struct Application::Listener {
  Observer observer;
};

namespace {

class ListenerToken final : public Application::Observation {
 public:
  explicit ListenerToken(std::shared_ptr<void> listener) : listener_(std::move(listener)) {}

 private:
  std::shared_ptr<void> listener_;
};

}  // namespace

Application& Application::shared() {
  static Application application;
  return application;
}

std::shared_ptr<Application::Observation> Application::observe(Observer observer) {
  auto listener = std::make_shared<Listener>(Listener{std::move(observer)});
  std::erase_if(listeners_, [](const std::weak_ptr<Listener>& entry) { return entry.expired(); });
  listeners_.push_back(listener);
  return std::make_shared<ListenerToken>(std::move(listener));
}

void Application::becomeActive() {
  active_ = true;
  post(Event::didBecomeActive);
}

void Application::enterBackground() {
  active_ = false;
  post(Event::didEnterBackground);
}

void Application::post(Event event) {
  // A copy: an observer may start or stop listening while it is told.
  std::vector<std::shared_ptr<Listener>> current;
  for (const auto& entry : listeners_) {
    if (auto listener = entry.lock()) current.push_back(std::move(listener));
  }
  for (const auto& listener : current) {
    listener->observer(event);
  }
}

}  // namespace platform::ui
