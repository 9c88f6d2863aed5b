#pragma once

#include <cstddef>
#include <functional>
#include <memory>

namespace platform::ui {

// The one completion of a block animation or transition: it waits for every layer animation
// the block added and reports once, on the main queue, whether all of them finished.
class ViewAnimationCompletion : public std::enable_shared_from_this<ViewAnimationCompletion> {
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  using Handler = std::function<void(bool finished)>;

  static std::shared_ptr<ViewAnimationCompletion> make(Handler handler);

  ViewAnimationCompletion(ConstructionKey, Handler handler);

  // Waits for one more animation; its stop callback is the returned function.
  std::function<void(bool finished)> track();
  // No more animations will come: with none left to wait for, reports on the main queue.
  // `finished` is false when the block could not run as asked.
  void seal(bool finished = true);

 private:
  void stopped(bool finished);
  void report();

  Handler handler_;
  std::size_t pending_ = 0;
  bool allFinished_ = true;
  bool sealed_ = false;
};

}  // namespace platform::ui
