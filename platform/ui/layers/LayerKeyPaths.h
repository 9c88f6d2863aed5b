#pragma once

#include "platform/ui/layers/KeyPathValues.h"
#include "platform/ui/layers/LayerProperties.h"

namespace platform::ui {

// The animatable key paths of a layer, over a LayerProperties value: position(.x/.y),
// bounds, bounds.origin(.x/.y), bounds.size(.width/.height), anchorPoint, transform and its
// parts (transform.rotation(.z), transform.scale(.x/.y), transform.translation(.x/.y)),
// opacity, backgroundColor, cornerRadius, borderWidth, borderColor, shadowColor,
// shadowOpacity, shadowOffset, shadowRadius. Writing a part of the transform rebuilds it from
// scale, rotation and translation, so a shear in it is lost. A missing colour reads as
// transparent black, so colours can fade in from nothing.
class LayerKeyPaths : public KeyPathValues {
 public:
  explicit LayerKeyPaths(LayerProperties& properties) : properties_(properties) {}

  std::optional<AnimationValue> value(std::string_view keyPath) const override;
  bool setValue(std::string_view keyPath, const AnimationValue& value) override;

  // What the key path reads on a default layer; nothing when the path is not animatable.
  static std::optional<AnimationValue> defaultValue(std::string_view keyPath);

 private:
  LayerProperties& properties_;
};

}  // namespace platform::ui
