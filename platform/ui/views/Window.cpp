#include "platform/ui/views/Window.h"

#include "platform/ui/views/Application.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ViewController.h"

namespace platform::ui {

std::shared_ptr<Window> Window::make() { return make(Screen::mainScreen().bounds()); }

std::shared_ptr<Window> Window::make(const graphics::Rect& frame) {
  return std::make_shared<Window>(ConstructionKey{}, frame);
}

Window::Window(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) {}

void Window::setRootViewController(std::shared_ptr<ViewController> controller) {
  if (rootViewController_ && rootViewController_->isViewLoaded() && rootViewController_->view()->superview().get() == this) {
    rootViewController_->view()->removeFromSuperview();
  }
  rootViewController_ = std::move(controller);
  if (rootViewController_ && !rootViewController_->view()->superview()) addSubview(rootViewController_->view());
}

void Window::makeKeyAndVisible() {
  setHidden(false);
  Application::shared().setKeyWindow(std::static_pointer_cast<Window>(shared_from_this()));
}

bool Window::isKeyWindow() const { return Application::shared().keyWindow().get() == this; }

}  // namespace platform::ui
