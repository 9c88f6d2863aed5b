#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform::foundation {

// Darwin notifications: names only, no payload, delivered on the main queue. Within a process
// a post reaches every observer of the name registered at the time of the post.
class DarwinNotificationCenter {
 public:
  using Handler = std::function<void(const std::string& name)>;

  // Keeps the observation alive; destroying it stops delivery, also of posts already queued.
  class Observation {
   public:
    virtual ~Observation() = default;
  };

  static DarwinNotificationCenter& shared();

  [[nodiscard]] std::shared_ptr<Observation> addObserver(std::string name, Handler handler);
  void post(std::string_view name);

  DarwinNotificationCenter(const DarwinNotificationCenter&) = delete;
  DarwinNotificationCenter& operator=(const DarwinNotificationCenter&) = delete;
  ~DarwinNotificationCenter();

 private:
  DarwinNotificationCenter();
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace platform::foundation
