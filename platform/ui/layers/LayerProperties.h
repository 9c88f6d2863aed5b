#pragma once

#include <optional>

#include "platform/graphics/AffineTransform.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

namespace platform::ui {

// The animatable state of a layer, kept in one plain value so an animation can hold a
// "presentation" copy and the renderer can draw from either. Defaults are the platform's.
struct LayerProperties {
  graphics::Point position;
  graphics::Rect bounds;
  graphics::Point anchorPoint{0.5, 0.5};
  graphics::AffineTransform transform;
  double opacity = 1;
  bool hidden = false;
  bool masksToBounds = false;
  std::optional<graphics::Color> backgroundColor;
  double cornerRadius = 0;
  double borderWidth = 0;
  std::optional<graphics::Color> borderColor = graphics::Color{0, 0, 0, 1};
  std::optional<graphics::Color> shadowColor = graphics::Color{0, 0, 0, 1};
  double shadowOpacity = 0;
  graphics::Size shadowOffset{0, -3};
  double shadowRadius = 3;

  friend bool operator==(const LayerProperties&, const LayerProperties&) = default;
};

}  // namespace platform::ui
