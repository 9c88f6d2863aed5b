#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform::foundation {

// Darwin notifications: names only, no payload, delivered on the main queue. Within a process a
// post reaches every observer of the name registered at the time of the post, directly. Other
// processes observing in the same device root get it through their socket in
// "var/run/vantile-notify/" of the root: a process makes its socket when it first adds an
// observer, and the socket follows the device root, moving when the centre is next used after
// the root changed. It is removed when the process ends normally; posts remove the ones of
// processes that did not.
class DarwinNotificationCenter {
 public:
  using Handler = std::function<void(const std::string& name)>;

  enum class Delivery {
    // One delivery for every post.
    EachPost,
    // One delivery for all posts of the name that arrive before that delivery runs.
    Coalesced,
  };

  // Longer names, and empty ones, are refused.
  static constexpr std::size_t kMaximumNameLength = 512;

  // Keeps the observation alive; destroying it stops delivery, also of posts already queued.
  class Observation {
   public:
    virtual ~Observation() = default;
  };

  static DarwinNotificationCenter& shared();

  static bool isValidName(std::string_view name);

  [[nodiscard]] std::shared_ptr<Observation> addObserver(std::string name, Handler handler,
                                                         Delivery delivery = Delivery::EachPost);
  // False, with a log line, when the name is refused.
  bool post(std::string_view name);

  DarwinNotificationCenter(const DarwinNotificationCenter&) = delete;
  DarwinNotificationCenter& operator=(const DarwinNotificationCenter&) = delete;
  ~DarwinNotificationCenter();

 private:
  DarwinNotificationCenter();
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace platform::foundation
