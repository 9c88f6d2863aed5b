#include "platform/ui/animation/LayerAnimations.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace platform::ui {

struct LayerAnimations::Running {
  std::shared_ptr<const Animation> animation;
  std::optional<std::string> key;
  // In the layer's local time.
  double addedAt = 0;
  bool stopReported = false;
  std::uint64_t scheduleGeneration = 0;
};

LayerAnimations::LayerAnimations() : state_(std::make_shared<State>()) {}

LayerAnimations::~LayerAnimations() { removeAll(); }

void LayerAnimations::reportStopped(Running& running, bool finished) {
  if (running.stopReported) {
    return;
  }
  running.stopReported = true;
  if (!running.animation->didStop()) {
    return;
  }
  if (finished) {
    running.animation->didStop()(true);
  } else {
    // Reported from the queue, never from inside the call that removed it.
    foundation::MainQueue::shared().post([animation = running.animation] { animation->didStop()(false); });
  }
}

void LayerAnimations::scheduleEnd(const std::shared_ptr<Running>& running, foundation::TimeStamp now) {
  const Animation& animation = *running->animation;
  const double begin = std::isfinite(animation.beginTime()) ? animation.beginTime() : 0;
  const double localEnd = running->addedAt + begin + animation.activeDuration();
  // A new schedule makes every earlier one stale.
  const std::uint64_t generation = ++running->scheduleGeneration;
  if (!std::isfinite(localEnd) || !(timing_.speed > 0)) {
    return;
  }
  const double delay = std::max(0.0, (localEnd - timing_.localTime(now)) / timing_.speed);
  foundation::MainQueue::shared().postAfter(delay, [weakState = std::weak_ptr<State>(state_), running, generation] {
    if (running->stopReported || running->scheduleGeneration != generation) {
      return;
    }
    if (const std::shared_ptr<State> state = weakState.lock(); state && running->animation->isRemovedOnCompletion()) {
      std::erase(state->running, running);
    }
    reportStopped(*running, true);
  });
}

void LayerAnimations::add(std::shared_ptr<const Animation> animation, std::optional<std::string> key,
                          foundation::TimeStamp now) {
  if (!animation) {
    return;
  }
  if (key) {
    remove(*key);
  }
  auto running =
      std::make_shared<Running>(Running{std::move(animation), std::move(key), timing_.localTime(now), false, 0});
  state_->running.push_back(running);
  scheduleEnd(running, now);
}

void LayerAnimations::setTiming(const LayerTiming& timing, foundation::TimeStamp now) {
  timing_ = timing;
  for (const std::shared_ptr<Running>& running : state_->running) {
    scheduleEnd(running, now);
  }
}

void LayerAnimations::remove(const std::string& key) {
  const auto found = std::find_if(state_->running.begin(), state_->running.end(),
                                  [&key](const std::shared_ptr<Running>& running) { return running->key == key; });
  if (found == state_->running.end()) {
    return;
  }
  const std::shared_ptr<Running> removed = *found;
  state_->running.erase(found);
  reportStopped(*removed, false);
}

void LayerAnimations::removeAll() {
  std::vector<std::shared_ptr<Running>> removed;
  removed.swap(state_->running);
  for (const std::shared_ptr<Running>& running : removed) {
    reportStopped(*running, false);
  }
}

std::shared_ptr<const Animation> LayerAnimations::forKey(const std::string& key) const {
  for (const std::shared_ptr<Running>& running : state_->running) {
    if (running->key == key) {
      return running->animation;
    }
  }
  return nullptr;
}

std::vector<std::string> LayerAnimations::keys() const {
  std::vector<std::string> keys;
  for (const std::shared_ptr<Running>& running : state_->running) {
    if (running->key) {
      keys.push_back(*running->key);
    }
  }
  return keys;
}

bool LayerAnimations::empty() const { return state_->running.empty(); }

void LayerAnimations::apply(KeyPathValues& values, foundation::TimeStamp now) const {
  const double localNow = timing_.localTime(now);
  for (const std::shared_ptr<Running>& running : state_->running) {
    const Animation& animation = *running->animation;
    const std::optional<double> progress = animation.progressAt(localNow - running->addedAt);
    if (!progress) {
      continue;
    }
    const std::optional<AnimationValue> underlying = values.value(animation.keyPath());
    if (!underlying) {
      continue;
    }
    if (const std::optional<AnimationValue> shown = animation.valueAt(*progress, *underlying)) {
      values.setValue(animation.keyPath(), *shown);
    }
  }
}

}  // namespace platform::ui
