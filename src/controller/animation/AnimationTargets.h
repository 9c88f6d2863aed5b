#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace platform::ui {
class GestureRecognizer;
class View;
}  // namespace platform::ui

namespace vantile {

class VantileController;

// Finds the elements an animation names, in the theme and the root view of the screen whose
// animation is running (the controller's vantileAnimatingPreset and vantileAnimatingView).
class AnimationTargets {
 public:
  explicit AnimationTargets(const VantileController& controller) : controller_(controller) {}

  // The element's view in the running screen; nothing for a name without an index entry.
  std::shared_ptr<platform::ui::View> getAnimatingElementView(std::string_view name) const;
  // Appends the first view with the tag below `view`, depth first in subview order.
  static void loopViews(std::int64_t tag, std::vector<std::shared_ptr<platform::ui::View>>& found,
                        const platform::ui::View& view);
  // The parent element's name in the running theme, or "PresetView".
  std::string getAnimatingParentName(std::string_view name) const;
  // The same over the home-screen theme.
  std::string getParentName(std::string_view name) const;
  static std::optional<platform::Value> getElementObjectFromString(std::string_view name, std::string_view key,
                                                                   const platform::Value* children);
  // The tag of the deepest view under the recogniser's touch, as decimal text.
  static std::string getViewTag(const platform::ui::GestureRecognizer& recognizer);
  static std::string getViewTag(const platform::ui::View* view);

 private:
  const VantileController& controller_;
};

}  // namespace vantile
