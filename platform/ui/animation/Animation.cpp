#include "platform/ui/animation/Animation.h"

#include <cmath>
#include <limits>

namespace platform::ui {

Animation::Animation(std::string keyPath) : keyPath_(std::move(keyPath)) {}

Animation::~Animation() = default;

double Animation::effectiveDuration() const {
  return std::isfinite(duration_) && duration_ > 0 ? duration_ : defaultDuration;
}

double Animation::passCount() const {
  if (std::isnan(repeatCount_) || repeatCount_ <= 0) {
    return 1;
  }
  return repeatCount_;
}

double Animation::activeDuration() const {
  const double passes = passCount();
  if (std::isinf(passes)) {
    return std::numeric_limits<double>::infinity();
  }
  return passes * effectiveDuration() * (autoreverses_ ? 2 : 1);
}

double Animation::progressInside(double time) const {
  const double duration = effectiveDuration();
  const double pass = duration * (autoreverses_ ? 2 : 1);
  double intoPass = std::fmod(time, pass);
  // A whole number of passes ends where a pass ends, not where the next one starts.
  if (intoPass == 0 && time > 0) {
    intoPass = pass;
  }
  if (autoreverses_ && intoPass > duration) {
    intoPass = pass - intoPass;
  }
  const double fraction = intoPass / duration;
  return timingFunction_ ? timingFunction_->evaluate(fraction) : fraction;
}

std::optional<double> Animation::progressAt(double elapsed) const {
  const double begin = std::isfinite(beginTime_) ? beginTime_ : 0;
  const double time = elapsed - begin;
  if (std::isnan(time)) {
    return std::nullopt;
  }
  if (time < 0) {
    if (fillMode_ == FillMode::backwards || fillMode_ == FillMode::both) {
      return progressInside(0);
    }
    return std::nullopt;
  }
  const double active = activeDuration();
  if (time >= active) {
    if (fillMode_ == FillMode::forwards || fillMode_ == FillMode::both) {
      return progressInside(active);
    }
    return std::nullopt;
  }
  return progressInside(time);
}

}  // namespace platform::ui
