#pragma once

#include <memory>
#include <optional>

#include "platform/graphics/Geometry.h"

namespace platform::ui {

class View;

enum class TouchPhase { began, moved, ended, cancelled };

// One finger during a touch sequence. Locations are in the coordinates of the root view the
// touch was delivered through (the window, for a host).
struct Touch {
  int identifier = 0;
  TouchPhase phase = TouchPhase::began;
  graphics::Point location;
  graphics::Point previousLocation;
  double timestamp = 0;
  // The view the touch hit when it began (nothing when it hit none).
  std::weak_ptr<View> view;
  std::weak_ptr<View> root;

  // In `view`'s bounds space, or the root's for nullptr. Nothing when the root is gone or
  // `view` is collapsed by its transform.
  std::optional<graphics::Point> locationInView(const View* view) const;
  std::optional<graphics::Point> previousLocationInView(const View* view) const;
};

}  // namespace platform::ui
