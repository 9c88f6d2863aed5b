#include "platform/ui/animation/KeyframeAnimation.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

KeyframeAnimation::KeyframeAnimation(std::string keyPath) : Animation(std::move(keyPath)) {}

std::unique_ptr<Animation> KeyframeAnimation::copy() const { return std::make_unique<KeyframeAnimation>(*this); }

void KeyframeAnimation::setKeyTimes(std::optional<std::vector<double>> keyTimes) {
  if (keyTimes) {
    const bool inRange = std::all_of(keyTimes->begin(), keyTimes->end(),
                                     [](double time) { return std::isfinite(time) && time >= 0 && time <= 1; });
    if (!inRange || !std::is_sorted(keyTimes->begin(), keyTimes->end())) {
      foundation::systemLog("KeyframeAnimation: ignored key times that are not ascending within 0...1");
      return;
    }
  }
  keyTimes_ = std::move(keyTimes);
}

std::vector<double> KeyframeAnimation::resolvedKeyTimes() const {
  const std::size_t count = values_.size();
  const bool discrete = calculationMode_ == Calculation::discrete;
  if (keyTimes_ && (keyTimes_->size() == count || (discrete && keyTimes_->size() == count + 1))) {
    return {keyTimes_->begin(), keyTimes_->begin() + static_cast<std::ptrdiff_t>(count)};
  }
  // Discrete values each hold an equal share; linear ones sit at both ends and between.
  const double intervals =
      discrete ? static_cast<double>(count) : static_cast<double>(std::max<std::size_t>(count, 2) - 1);
  std::vector<double> times;
  for (std::size_t index = 0; index < count; ++index) {
    times.push_back(static_cast<double>(index) / intervals);
  }
  return times;
}

std::optional<AnimationValue> KeyframeAnimation::valueAt(double progress, const AnimationValue&) const {
  if (values_.empty()) {
    return std::nullopt;
  }
  const std::vector<double> times = resolvedKeyTimes();
  // The last value whose time has come (the first one before any has).
  const auto next = std::upper_bound(times.begin(), times.end(), progress);
  const std::size_t index = next == times.begin() ? 0 : static_cast<std::size_t>(next - times.begin()) - 1;
  if (calculationMode_ == Calculation::discrete || next == times.begin() || next == times.end()) {
    return values_[index];
  }
  const double span = times[index + 1] - times[index];
  double fraction = span > 0 ? (progress - times[index]) / span : 1;
  if (index < timingFunctions_.size()) {
    fraction = timingFunctions_[index].evaluate(fraction);
  }
  return interpolate(values_[index], values_[index + 1], fraction);
}

bool KeyframeAnimation::valuesMatch(const AnimationValue& sample) const {
  return std::all_of(values_.begin(), values_.end(),
                     [&sample](const AnimationValue& value) { return holdSameKind(value, sample); });
}

}  // namespace platform::ui
