#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/animation/Animation.h"

namespace platform::ui {

// Moves a key path through a list of values. Each value is reached at its key time (a
// fraction of a pass, ascending from 0 to 1); without key times, or with key times that do
// not fit the values (one per value; discrete mode also takes one more), the values are
// spread evenly. Linear mode interpolates between neighbouring values; discrete mode holds
// each value until the next one's time. Each segment between two values may have a timing
// function of its own (the first function for the first segment, and so on); segments
// without one run linearly.
class KeyframeAnimation : public Animation {
 public:
  enum class Calculation { linear, discrete };

  explicit KeyframeAnimation(std::string keyPath);

  std::unique_ptr<Animation> copy() const override;

  const std::vector<AnimationValue>& values() const { return values_; }
  void setValues(std::vector<AnimationValue> values) { values_ = std::move(values); }
  const std::optional<std::vector<double>>& keyTimes() const { return keyTimes_; }
  // Key times that are not ascending within 0...1 are refused with a log line.
  void setKeyTimes(std::optional<std::vector<double>> keyTimes);
  const std::vector<TimingFunction>& timingFunctions() const { return timingFunctions_; }
  void setTimingFunctions(std::vector<TimingFunction> functions) { timingFunctions_ = std::move(functions); }
  Calculation calculationMode() const { return calculationMode_; }
  void setCalculationMode(Calculation mode) { calculationMode_ = mode; }

  std::optional<AnimationValue> valueAt(double progress, const AnimationValue& underlying) const override;
  bool valuesMatch(const AnimationValue& sample) const override;

 private:
  std::vector<double> resolvedKeyTimes() const;

  std::vector<AnimationValue> values_;
  std::optional<std::vector<double>> keyTimes_;
  std::vector<TimingFunction> timingFunctions_;
  Calculation calculationMode_ = Calculation::linear;
};

}  // namespace platform::ui
