#pragma once

#include <memory>

#include "platform/ui/views/View.h"

namespace platform::ui {

// The root of a view tree on screen. Views inside it know they are in a window (and hear
// didMoveToWindow when they enter or leave one); a window is its own window.
class Window : public View {
 public:
  // Covering the main screen.
  static std::shared_ptr<Window> make();
  static std::shared_ptr<Window> make(const graphics::Rect& frame);

  Window(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "Window"; }
};

}  // namespace platform::ui
