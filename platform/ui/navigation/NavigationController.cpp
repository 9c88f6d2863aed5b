#include "platform/ui/navigation/NavigationController.h"

#include <algorithm>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/navigation/NavigationBar.h"
#include "platform/ui/navigation/SearchBar.h"
#include "platform/ui/navigation/SearchController.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {

namespace {
constexpr const char* kBackWithoutTitle = "Back";

// How far the window's safe area reaches down into `view`.
double safeAreaOverlap(const View& view) {
  const auto window = view.window();
  if (!window) return 0;
  const auto origin = view.convertPointToView({0, 0}, nullptr);
  if (!origin) return 0;
  return std::max(0.0, window->safeAreaInsets().top - origin->y);
}
}  // namespace

// The stack's root view: it lays the stack out again when its size or its window changes.
class NavigationController::StackView : public View {
 public:
  StackView(ConstructionKey key, const graphics::Rect& frame, std::weak_ptr<const NavigationController> owner)
      : View(key, frame), owner_(std::move(owner)) {}

  static std::shared_ptr<StackView> make(const graphics::Rect& frame, std::weak_ptr<const NavigationController> owner) {
    return std::make_shared<StackView>(ConstructionKey{}, frame, std::move(owner));
  }

  std::string_view className() const override { return "NavigationStackView"; }

 protected:
  void layoutSubviews() override { arrangeByOwner(); }
  void didMoveToWindow() override { arrangeByOwner(); }

 private:
  void arrangeByOwner() {
    if (const auto owner = owner_.lock()) owner->arrange(*this);
  }

  std::weak_ptr<const NavigationController> owner_;
};

std::shared_ptr<NavigationController> NavigationController::make(std::shared_ptr<ViewController> root) {
  auto controller = std::make_shared<NavigationController>(ConstructionKey{});
  const std::weak_ptr<NavigationController> weak = controller;
  controller->bar_ = NavigationBar::make([weak] {
    if (const auto self = weak.lock()) self->popViewController(true);
  });
  if (root) {
    controller->pushViewController(std::move(root), false);
  } else {
    foundation::systemLog("NavigationController: made without a root view controller");
  }
  return controller;
}

NavigationController::NavigationController(ConstructionKey key) : ViewController(key) {}

void NavigationController::pushViewController(std::shared_ptr<ViewController> controller, bool /*animated*/) {
  if (!controller) {
    foundation::systemLog("NavigationController: refused to push nothing");
    return;
  }
  if (dynamic_cast<const NavigationController*>(controller.get())) {
    foundation::systemLog("NavigationController: refused to push a navigation controller");
    return;
  }
  if (controller->parentViewController().get() == this) {
    foundation::systemLog("NavigationController: refused to push a view controller already in the stack");
    return;
  }
  const auto previous = topViewController();
  addChildViewController(controller);
  watchItem(*controller);
  if (isViewLoaded()) {
    const auto stackView = view();
    if (previous && previous->isViewLoaded() && previous->view()->superview() == stackView) {
      previous->view()->removeFromSuperview();
    }
    stackView->insertSubviewBelow(controller->view(), *bar_);
    arrange(*stackView);
  }
  showTopItem();
}

std::shared_ptr<ViewController> NavigationController::popViewController(bool /*animated*/) {
  if (viewControllers().size() < 2) return nullptr;
  auto popped = viewControllers().back();
  popped->navigationItem().onChange_ = nullptr;
  popped->removeFromParentViewController();
  if (isViewLoaded()) {
    const auto stackView = view();
    if (popped->isViewLoaded() && popped->view()->superview() == stackView) popped->view()->removeFromSuperview();
    stackView->insertSubviewBelow(topViewController()->view(), *bar_);
    arrange(*stackView);
  }
  showTopItem();
  return popped;
}

std::shared_ptr<ViewController> NavigationController::topViewController() const {
  return viewControllers().empty() ? nullptr : viewControllers().back();
}

std::shared_ptr<ViewController> NavigationController::visibleViewController() {
  if (presentedViewController()) return topPresentedViewController();
  const auto top = topViewController();
  return top ? top->topPresentedViewController() : nullptr;
}

std::shared_ptr<View> NavigationController::loadView() {
  auto stackView = StackView::make(Screen::mainScreen().bounds(),
                                   std::static_pointer_cast<const NavigationController>(shared_from_this()));
  if (const auto top = topViewController()) stackView->addSubview(top->view());
  stackView->addSubview(bar_);
  placeSearchBar(*stackView);
  arrange(*stackView);
  return stackView;
}

void NavigationController::arrange(View& stackView) const {
  const graphics::Rect bounds = stackView.bounds();
  const double safeTop = safeAreaOverlap(stackView);
  const double barHeight = safeTop + NavigationBar::contentHeight;
  const auto search = topSearchController();
  const bool barHidden = search && search->isActive() && search->hidesNavigationBarDuringPresentation();
  bar_->setHidden(barHidden);
  bar_->setFrame({0, 0, bounds.width(), barHeight});
  double contentTop = barHidden ? safeTop : barHeight;
  if (search) {
    search->searchBar()->setFrame({0, contentTop, bounds.width(), SearchBar::height});
    contentTop += SearchBar::height;
  }
  if (const auto top = topViewController(); top && top->isViewLoaded()) {
    top->view()->setFrame({0, contentTop, bounds.width(), std::max(0.0, bounds.height() - contentTop)});
  }
}

std::shared_ptr<SearchController> NavigationController::topSearchController() const {
  const auto top = topViewController();
  return top ? top->navigationItem().searchController() : nullptr;
}

void NavigationController::placeSearchBar(View& stackView) {
  const auto search = topSearchController();
  const auto searchBar = search ? search->searchBar() : nullptr;
  if (shownSearchBar_ && shownSearchBar_ != searchBar && shownSearchBar_->superview().get() == &stackView) {
    shownSearchBar_->removeFromSuperview();
  }
  shownSearchBar_ = searchBar;
  if (!search) return;
  if (searchBar->superview().get() != &stackView) stackView.insertSubviewBelow(searchBar, *bar_);
  const std::weak_ptr<NavigationController> weak = std::static_pointer_cast<NavigationController>(shared_from_this());
  search->onChange_ = [weak] {
    const auto self = weak.lock();
    if (self && self->isViewLoaded()) self->arrange(*self->view());
  };
}

void NavigationController::showTopItem() {
  const auto& stack = viewControllers();
  if (stack.empty()) {
    bar_->show(NavigationItem{}, std::nullopt);
    return;
  }
  std::optional<std::string> backTitle;
  if (stack.size() > 1) backTitle = stack[stack.size() - 2]->navigationItem().title().value_or(kBackWithoutTitle);
  bar_->show(stack.back()->navigationItem(), std::move(backTitle));
  if (isViewLoaded()) {
    const auto stackView = view();
    placeSearchBar(*stackView);
    arrange(*stackView);
  }
}

void NavigationController::watchItem(ViewController& controller) {
  const std::weak_ptr<NavigationController> weak = std::static_pointer_cast<NavigationController>(shared_from_this());
  controller.navigationItem().onChange_ = [weak] {
    if (const auto self = weak.lock()) self->showTopItem();
  };
}

}  // namespace platform::ui
