#pragma once

#include <memory>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace platform::ui {
class BasicAnimation;
class Layer;
}  // namespace platform::ui

namespace vantile {

class AnimationHost;

// Endless turns of an element about its centre, a layer animation beside the step animations.
class SpinAnimation {
 public:
  static constexpr const char* kAnimationKey = "rotationAnimation";
  static constexpr float kDefaultTurnDuration = 3.0F;

  explicit SpinAnimation(const AnimationHost& host) : host_(host) {}

  // Spins or stops the first target of the "animation" dictionary.
  void handleSpinElement(const platform::Value& animation);
  // On: adds a spin unless the layer already animates. Off: removes every animation of the layer.
  void spinElement(std::string_view name, bool shouldSpin, float duration);
  static platform::ui::BasicAnimation spinAnimationWithDuration(double duration, bool clockwise, bool repeat);
  static bool layerHasAnimation(const platform::ui::Layer& layer);

 private:
  const AnimationHost& host_;
};

}  // namespace vantile
