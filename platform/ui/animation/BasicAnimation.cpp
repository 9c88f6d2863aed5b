#include "platform/ui/animation/BasicAnimation.h"

namespace platform::ui {

BasicAnimation::BasicAnimation(std::string keyPath) : Animation(std::move(keyPath)) {}

std::unique_ptr<Animation> BasicAnimation::copy() const { return std::make_unique<BasicAnimation>(*this); }

std::optional<AnimationValue> BasicAnimation::valueAt(double progress, const AnimationValue& underlying) const {
  std::optional<AnimationValue> from;
  std::optional<AnimationValue> to;
  if (fromValue_ && toValue_) {
    from = fromValue_;
    to = toValue_;
  } else if (fromValue_ && byValue_) {
    from = fromValue_;
    to = add(*fromValue_, *byValue_);
  } else if (toValue_ && byValue_) {
    from = subtract(*toValue_, *byValue_);
    to = toValue_;
  } else if (fromValue_) {
    from = fromValue_;
    to = underlying;
  } else if (toValue_) {
    from = underlying;
    to = toValue_;
  } else if (byValue_) {
    from = underlying;
    to = add(underlying, *byValue_);
  } else {
    return underlying;
  }
  if (!from || !to) {
    return std::nullopt;
  }
  return interpolate(*from, *to, progress);
}

bool BasicAnimation::valuesMatch(const AnimationValue& sample) const {
  for (const std::optional<AnimationValue>* value : {&fromValue_, &toValue_, &byValue_}) {
    if (*value && !holdSameKind(**value, sample)) {
      return false;
    }
  }
  return true;
}

}  // namespace platform::ui
