#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

class Window;

// The process's application object: it tells whoever listens when the application becomes
// active and when it goes to the background. Hosts drive it (unlock, screen off); delivery is
// immediate, on the calling (main) thread, as the platform's notification centre delivers.
class Application {
 public:
  enum class Event { didBecomeActive, didEnterBackground };
  using Observer = std::function<void(Event)>;

  // Keeps an observer listening; destroying it stops delivery.
  class Observation {
   public:
    virtual ~Observation() = default;
  };

  static Application& shared();

  [[nodiscard]] std::shared_ptr<Observation> observe(Observer observer);

  void becomeActive();
  void enterBackground();
  bool isActive() const { return active_; }

  // Nothing here opens anything: the URLs are kept, in order, for the host to report.
  void openURL(std::string url) { openedURLs_.push_back(std::move(url)); }
  const std::vector<std::string>& openedURLs() const { return openedURLs_; }
  void forgetOpenedURLs() { openedURLs_.clear(); }

  // The window that takes key input and hosts alerts; nothing until one is made key.
  std::shared_ptr<Window> keyWindow() const { return keyWindow_.lock(); }
  void setKeyWindow(const std::shared_ptr<Window>& window) { keyWindow_ = window; }

  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

 private:
  Application() = default;
  void post(Event event);

  struct Listener;
  std::vector<std::weak_ptr<Listener>> listeners_;
  bool active_ = true;
  std::vector<std::string> openedURLs_;
  std::weak_ptr<Window> keyWindow_;
};

}  // namespace platform::ui
