#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/animation/AnimationValue.h"
#include "platform/ui/animation/TimingFunction.h"

namespace platform::ui {

// What an animation shows outside its active time.
enum class FillMode { removed, forwards, backwards, both };

// An animation of one key path of a layer, with the platform's timing model: it starts
// `beginTime` seconds after it is added, runs `duration` seconds per pass (backwards too
// when it autoreverses) for `repeatCount` passes, and eases each pass with its timing
// function. A layer keeps its own copy of an animation it is given.
class Animation {
 public:
  static constexpr double defaultDuration = 0.25;

  explicit Animation(std::string keyPath);
  virtual ~Animation();

  virtual std::unique_ptr<Animation> copy() const = 0;

  const std::string& keyPath() const { return keyPath_; }

  // Zero, negative or non-finite durations mean the default.
  double duration() const { return duration_; }
  void setDuration(double seconds) { duration_ = seconds; }
  // Seconds from being added to starting; non-finite values read as 0.
  double beginTime() const { return beginTime_; }
  void setBeginTime(double seconds) { beginTime_ = seconds; }
  // Nothing runs linearly.
  const std::optional<TimingFunction>& timingFunction() const { return timingFunction_; }
  void setTimingFunction(std::optional<TimingFunction> function) { timingFunction_ = std::move(function); }
  // 0 plays once; fractions stop part-way through a pass; infinity repeats for ever.
  double repeatCount() const { return repeatCount_; }
  void setRepeatCount(double count) { repeatCount_ = count; }
  bool autoreverses() const { return autoreverses_; }
  void setAutoreverses(bool autoreverses) { autoreverses_ = autoreverses; }
  bool isRemovedOnCompletion() const { return removedOnCompletion_; }
  void setRemovedOnCompletion(bool removed) { removedOnCompletion_ = removed; }
  FillMode fillMode() const { return fillMode_; }
  void setFillMode(FillMode mode) { fillMode_ = mode; }

  // Called once on the main queue when the animation stops: finished when it ran to its
  // end, not when it was removed (or replaced, or its layer went away) before that.
  const std::function<void(bool finished)>& didStop() const { return didStop_; }
  void setDidStop(std::function<void(bool finished)> didStop) { didStop_ = std::move(didStop); }

  // Seconds from the start to the end of all passes; infinity when it repeats for ever.
  double activeDuration() const;
  // How far through its values the animation is `elapsed` seconds after being added, the
  // timing function applied; nothing when it shows nothing then (before or after its active
  // time, as its fill mode says).
  std::optional<double> progressAt(double elapsed) const;

  // The value shown at `progress`, over `underlying` (what the key path shows without this
  // animation). Nothing when the values do not fit together.
  virtual std::optional<AnimationValue> valueAt(double progress, const AnimationValue& underlying) const = 0;
  // Whether every value it holds is of the kind of `sample`.
  virtual bool valuesMatch(const AnimationValue& sample) const = 0;

 protected:
  Animation(const Animation&) = default;
  Animation& operator=(const Animation&) = default;

 private:
  double effectiveDuration() const;
  double passCount() const;
  // The eased progress `time` seconds into the active time.
  double progressInside(double time) const;

  std::string keyPath_;
  double duration_ = 0;
  double beginTime_ = 0;
  std::optional<TimingFunction> timingFunction_;
  double repeatCount_ = 0;
  bool autoreverses_ = false;
  bool removedOnCompletion_ = true;
  FillMode fillMode_ = FillMode::removed;
  std::function<void(bool finished)> didStop_;
};

}  // namespace platform::ui
