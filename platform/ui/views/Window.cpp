#include "platform/ui/views/Window.h"

#include "platform/ui/views/Screen.h"

namespace platform::ui {

std::shared_ptr<Window> Window::make() { return make(Screen::mainScreen().bounds()); }

std::shared_ptr<Window> Window::make(const graphics::Rect& frame) {
  return std::make_shared<Window>(ConstructionKey{}, frame);
}

Window::Window(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) {}

}  // namespace platform::ui
