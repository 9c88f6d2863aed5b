#include "platform/ui/views/ViewController.h"

#include <map>
#include <utility>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"

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

std::shared_ptr<NavigationController> ViewController::navigationController() const {
  for (auto parent = parentViewController(); parent; parent = parent->parentViewController()) {
    if (auto navigation = std::dynamic_pointer_cast<NavigationController>(parent)) return navigation;
  }
  return nullptr;
}

std::shared_ptr<ViewController> ViewController::forRootView(const View& view) {
  const auto found = controllersByRootView().find(&view);
  return found == controllersByRootView().end() ? nullptr : found->second.lock();
}

void ViewController::presentViewController(std::shared_ptr<ViewController> controller, bool /*animated*/,
                                          std::function<void()> completion) {
  if (!controller || controller.get() == this) return;
  if (presented_ || controller->presentingViewController()) {
    foundation::systemLog("ViewController: refused a presentation while one is already shown");
    return;
  }
  presented_ = controller;
  controller->presenting_ = weak_from_this();
  if (const auto window = view()->window()) {
    const ModalPresentationStyle style = controller->modalPresentationStyle_;
    controller->presentationBackdrop_ = modal_presentation::makeBackdrop(style, window->bounds());
    if (controller->presentationBackdrop_) window->addSubview(controller->presentationBackdrop_);
    const auto shown = controller->view();
    shown->setFrame(modal_presentation::presentedFrame(style, window->bounds(), window->safeAreaInsets()));
    window->addSubview(shown);
  }
  if (completion) foundation::MainQueue::shared().post(std::move(completion));
}

void ViewController::dismissViewController(bool animated, std::function<void()> completion) {
  if (!presented_) {
    if (const auto presenter = presentingViewController()) presenter->dismissViewController(animated, std::move(completion));
    return;
  }
  // Whatever the presented controller shows goes with it.
  if (presented_->presented_) presented_->dismissViewController(false);
  if (presented_->isViewLoaded()) presented_->view()->removeFromSuperview();
  if (const auto backdrop = std::exchange(presented_->presentationBackdrop_, nullptr)) backdrop->removeFromSuperview();
  presented_->presenting_.reset();
  presented_.reset();
  if (completion) foundation::MainQueue::shared().post(std::move(completion));
}

std::shared_ptr<ViewController> ViewController::presentingViewController() const {
  if (auto presenter = presenting_.lock()) return presenter;
  const auto parent = parentViewController();
  return parent ? parent->presentingViewController() : nullptr;
}

std::shared_ptr<ViewController> ViewController::topPresentedViewController() {
  auto top = shared_from_this();
  while (top->presented_) top = top->presented_;
  return top;
}

std::shared_ptr<View> ViewController::loadView() { return View::make(Screen::mainScreen().bounds()); }

}  // namespace platform::ui
