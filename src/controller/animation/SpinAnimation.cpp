#include "controller/animation/SpinAnimation.h"

#include <limits>
#include <numbers>

#include "controller/animation/AnimationHost.h"
#include "controller/animation/AnimationSteps.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/animation/BasicAnimation.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;
namespace foundation = platform::foundation;

void SpinAnimation::handleSpinElement(const Value& animation) {
  if (!animation.is_object() || animation.empty()) return;
  const bool on = foundation::contains(AnimationSteps::getValueString(animation), "YES");
  const auto first = animation.begin();
  const std::string target = first.key();
  const Value& step = first.value();
  float duration = kDefaultTurnDuration;
  const std::string cleaned = AnimationSteps::cleanAnimationString(AnimationSteps::getValueString(step));
  for (const std::string_view piece : foundation::components(cleaned, ",")) {
    if (!foundation::contains(piece, "spinSpeed")) continue;
    const auto parts = foundation::components(piece, ":");
    duration = parts.size() > 1 ? foundation::floatValue(parts[1]) : 0.0F;
    break;
  }
  spinElement(target, on, duration);
}

void SpinAnimation::spinElement(std::string_view name, bool shouldSpin, float duration) {
  const auto view = host_.animationElementView(name);
  if (!view) return;
  auto& layer = *view->layer();
  const bool animating = layerHasAnimation(layer);
  if (shouldSpin && !animating) {
    layer.addAnimation(spinAnimationWithDuration(duration, true, true), std::string(kAnimationKey));
  } else if (!shouldSpin && animating) {
    layer.removeAllAnimations();
  }
}

platform::ui::BasicAnimation SpinAnimation::spinAnimationWithDuration(double duration, bool clockwise, bool repeat) {
  platform::ui::BasicAnimation spin("transform.rotation.z");
  // No start value: each turn starts from the layer's current rotation.
  spin.setToValue(clockwise ? 2 * std::numbers::pi : -2 * std::numbers::pi);
  spin.setDuration(duration);
  spin.setRepeatCount(repeat ? std::numeric_limits<float>::infinity() : 0.0F);
  return spin;
}

bool SpinAnimation::layerHasAnimation(const platform::ui::Layer& layer) { return !layer.animationKeys().empty(); }

}  // namespace vantile
