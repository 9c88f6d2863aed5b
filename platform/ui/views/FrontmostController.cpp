#include "platform/ui/views/FrontmostController.h"

#include "platform/ui/views/Application.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {

namespace {

// The controller's presentation, else the first found among its children, the last child first.
std::shared_ptr<ViewController> presentedWithin(const ViewController& controller) {
  if (auto presented = controller.presentedViewController()) return presented;
  const auto& children = controller.childViewControllers();
  for (auto child = children.rbegin(); child != children.rend(); ++child) {
    if (auto presented = presentedWithin(**child)) return presented;
  }
  return nullptr;
}

}  // namespace

std::shared_ptr<ViewController> frontmostPresentedController() {
  const auto window = Application::shared().keyWindow();
  if (!window) return nullptr;
  auto front = window->rootViewController();
  while (front) {
    auto next = presentedWithin(*front);
    if (!next) return front;
    front = std::move(next);
  }
  return nullptr;
}

}  // namespace platform::ui
