#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/animation/Animation.h"
#include "platform/ui/layers/KeyPathValues.h"

namespace platform::ui {

// A layer's own clock: local time = (media time − beginTime) · speed + timeOffset, where media
// time is the main queue's. Its animations run on it, so a speed of 0 freezes them.
struct LayerTiming {
  double speed = 1;
  double timeOffset = 0;
  double beginTime = 0;

  double localTime(foundation::TimeStamp mediaTime) const { return (mediaTime - beginTime) * speed + timeOffset; }
};

// The animations running on one layer, in the order they were added, each with the time it
// was added. It schedules each animation's end on the main queue, where the animation
// reports that it finished (and leaves, when it is removed on completion); an animation
// taken away earlier (removed, replaced by one of the same key, or gone with its layer)
// reports that it did not.
class LayerAnimations {
 public:
  LayerAnimations();
  ~LayerAnimations();
  LayerAnimations(const LayerAnimations&) = delete;
  LayerAnimations& operator=(const LayerAnimations&) = delete;

  // An animation with a key replaces the one of the same key. Times given are media times.
  void add(std::shared_ptr<const Animation> animation, std::optional<std::string> key, foundation::TimeStamp now);

  const LayerTiming& timing() const { return timing_; }
  // Moves the ends of the running animations to where the new clock puts them (none while
  // the clock stands still or runs backwards).
  void setTiming(const LayerTiming& timing, foundation::TimeStamp now);
  void remove(const std::string& key);
  void removeAll();

  std::shared_ptr<const Animation> forKey(const std::string& key) const;
  // The keys of the animations that have one, in the order they were added.
  std::vector<std::string> keys() const;
  bool empty() const;

  // Writes into `values`, for each animation in turn, what it shows at `now` over what is
  // there; key paths `values` does not have are left to others.
  void apply(KeyPathValues& values, foundation::TimeStamp now) const;

 private:
  struct Running;
  // Shared with the scheduled ends, which find the list through a weak reference.
  struct State {
    std::vector<std::shared_ptr<Running>> running;
  };

  static void reportStopped(Running& running, bool finished);
  void scheduleEnd(const std::shared_ptr<Running>& running, foundation::TimeStamp now);

  std::shared_ptr<State> state_;
  LayerTiming timing_;
};

}  // namespace platform::ui
