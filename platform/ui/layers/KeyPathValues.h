#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/animation/AnimationValue.h"

namespace platform::ui {

// Values an animation can read and write by key path ("position.x", "strokeEnd").
class KeyPathValues {
 public:
  virtual ~KeyPathValues() = default;

  // Nothing for a key path these values do not have.
  virtual std::optional<AnimationValue> value(std::string_view keyPath) const = 0;
  // False for an unknown key path or a value of the wrong kind; nothing changes then.
  virtual bool setValue(std::string_view keyPath, const AnimationValue& value) = 0;
};

}  // namespace platform::ui
