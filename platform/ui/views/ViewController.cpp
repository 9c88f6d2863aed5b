#include "platform/ui/views/ViewController.h"

#include <map>

#include "platform/ui/views/Screen.h"

namespace platform::ui {

namespace {

// Root views to their controllers; a controller owns its root view, so an entry lives
// exactly as long as its controller. Made while the platform loads, so it outlives the
// controllers that plug-ins loaded later keep until the process ends.
std::map<const View*, std::weak_ptr<ViewController>> rootViewControllers;

std::map<const View*, std::weak_ptr<ViewController>>& controllersByRootView() { return rootViewControllers; }

}  // namespace

std::shared_ptr<ViewController> ViewController::make() {
  return std::make_shared<ViewController>(ConstructionKey{});
}

ViewController::ViewController(ConstructionKey) {}

ViewController::~ViewController() {
  if (view_) {
    controllersByRootView().erase(view_.get());
  }
}

std::shared_ptr<View> ViewController::view() {
  if (!view_) {
    view_ = loadView();
    if (!view_) {
      view_ = View::make(Screen::mainScreen().bounds());
    }
    controllersByRootView()[view_.get()] = weak_from_this();
  }
  return view_;
}

void ViewController::addChildViewController(const std::shared_ptr<ViewController>& child) {
  if (!child || child.get() == this) return;
  child->removeFromParentViewController();
  child->parent_ = weak_from_this();
  children_.push_back(child);
}

void ViewController::removeFromParentViewController() {
  const std::shared_ptr<ViewController> parent = parent_.lock();
  parent_.reset();
  if (!parent) return;
  std::erase_if(parent->children_, [this](const std::shared_ptr<ViewController>& child) { return child.get() == this; });
}

std::shared_ptr<ViewController> ViewController::forRootView(const View& view) {
  const auto found = controllersByRootView().find(&view);
  return found == controllersByRootView().end() ? nullptr : found->second.lock();
}

std::shared_ptr<View> ViewController::loadView() { return View::make(Screen::mainScreen().bounds()); }

}  // namespace platform::ui
