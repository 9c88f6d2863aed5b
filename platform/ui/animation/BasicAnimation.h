#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/animation/Animation.h"

namespace platform::ui {

// Moves a key path between two values. Missing values come, as on the platform, from the
// others and from what the key path shows underneath: from + to, from + by (to = from + by),
// by + to (from = to − by), from alone (towards the underlying value), to alone (from the
// underlying value), by alone (from the underlying value, by that much).
class BasicAnimation : public Animation {
 public:
  explicit BasicAnimation(std::string keyPath);

  std::unique_ptr<Animation> copy() const override;

  const std::optional<AnimationValue>& fromValue() const { return fromValue_; }
  void setFromValue(std::optional<AnimationValue> value) { fromValue_ = std::move(value); }
  const std::optional<AnimationValue>& toValue() const { return toValue_; }
  void setToValue(std::optional<AnimationValue> value) { toValue_ = std::move(value); }
  const std::optional<AnimationValue>& byValue() const { return byValue_; }
  void setByValue(std::optional<AnimationValue> value) { byValue_ = std::move(value); }

  std::optional<AnimationValue> valueAt(double progress, const AnimationValue& underlying) const override;
  bool valuesMatch(const AnimationValue& sample) const override;

 private:
  std::optional<AnimationValue> fromValue_;
  std::optional<AnimationValue> toValue_;
  std::optional<AnimationValue> byValue_;
};

}  // namespace platform::ui
