#include "platform/ui/animation/ViewTransitionAnimations.h"

#include <string>

#include "platform/ui/layers/LayerKeyPaths.h"

namespace platform::ui {

namespace {

// A keyframe animation of `keyPath` through `values`, evenly spaced.
KeyframeAnimation keyframes(const std::string& keyPath, std::vector<AnimationValue> values, double duration,
                            const TimingFunction& curve) {
  KeyframeAnimation animation(keyPath);
  animation.setValues(std::move(values));
  animation.setDuration(duration);
  animation.setTimingFunction(curve);
  return animation;
}

double modelNumber(const LayerProperties& model, const std::string& keyPath) {
  LayerProperties copy = model;
  const std::optional<AnimationValue> value = LayerKeyPaths(copy).value(keyPath);
  const double* number = value ? std::get_if<double>(&*value) : nullptr;
  return number != nullptr ? *number : 0;
}

}  // namespace

std::vector<KeyframeAnimation> ViewTransitionAnimations::make(ViewTransition transition, const LayerProperties& model,
                                                              double duration, const TimingFunction& curve) {
  const auto fadeIn = [&] { return keyframes("opacity", {0.0, model.opacity}, duration, curve); };
  const auto flip = [&](const std::string& keyPath) {
    const double scale = modelNumber(model, keyPath);
    return keyframes(keyPath, {scale, 0.0, scale}, duration, curve);
  };
  const auto slideIn = [&](double fromOffset) {
    const double rest = modelNumber(model, "transform.translation.y");
    return keyframes("transform.translation.y", {rest + fromOffset, rest}, duration, curve);
  };
  const double quarter = model.bounds.height() / 4;
  switch (transition) {
    case ViewTransition::crossDissolve:
      return {fadeIn()};
    case ViewTransition::flipFromLeft:
    case ViewTransition::flipFromRight:
      return {flip("transform.scale.x")};
    case ViewTransition::flipFromTop:
    case ViewTransition::flipFromBottom:
      return {flip("transform.scale.y")};
    case ViewTransition::curlUp:
      return {fadeIn(), slideIn(quarter)};
    case ViewTransition::curlDown:
      return {fadeIn(), slideIn(-quarter)};
  }
  return {};
}

}  // namespace platform::ui
