#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"

namespace platform::ui {
class View;
}  // namespace platform::ui

namespace vantile {

// What the animation engine needs of the screen it animates: the theme controller's running
// screen, or the editor canvas's drawn theme. The steps are the same; only the lookups differ.
class AnimationHost {
 public:
  virtual ~AnimationHost() = default;

  // A tapped or queued run: the element whose view has the tag (decimal text) plays its animation.
  virtual void runAnimationOfTag(const std::string& senderTag) = 0;
  // The element's view; nothing for a name that has no view.
  virtual std::shared_ptr<platform::ui::View> animationElementView(std::string_view name) const = 0;
  // The root's "children" of the animated theme, where element descriptions are looked up.
  virtual const platform::Value* animationPresetChildren() const = 0;
  // "PresetView" for a top-level element.
  virtual std::string animationParentName(std::string_view name) const = 0;
  // What top-level frames are resolved against.
  virtual platform::graphics::Rect animationRootBounds() const = 0;
  // The state kept between runs ("AnimationDetails").
  virtual platform::Value& animationState() = 0;
  // Queued steps and triggers hold the host weakly.
  virtual std::weak_ptr<AnimationHost> weakAnimationHost() = 0;
};

}  // namespace vantile
