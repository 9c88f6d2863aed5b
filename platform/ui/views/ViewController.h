#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/navigation/ModalPresentation.h"
#include "platform/ui/navigation/NavigationItem.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

class NavigationController;

// Manages one root view, made the first time it is asked for. In the responder chain a
// controller's root view answers the controller as its next responder (see forRootView).
class ViewController : public std::enable_shared_from_this<ViewController> {
 protected:
  // Only factories make controllers, so a root view can find its controller weakly.
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  static std::shared_ptr<ViewController> make();

  explicit ViewController(ConstructionKey);
  virtual ~ViewController();
  ViewController(const ViewController&) = delete;
  ViewController& operator=(const ViewController&) = delete;

  // Loads the view first when it is not loaded yet.
  std::shared_ptr<View> view();
  bool isViewLoaded() const { return view_ != nullptr; }

  // Containment: a parent holds its children; adding a child takes it from its old parent.
  void addChildViewController(const std::shared_ptr<ViewController>& child);
  void removeFromParentViewController();
  const std::vector<std::shared_ptr<ViewController>>& childViewControllers() const { return children_; }
  std::shared_ptr<ViewController> parentViewController() const { return parent_.lock(); }
  // The nearest navigation controller among the parents; nothing outside a navigation stack.
  std::shared_ptr<NavigationController> navigationController() const;
  NavigationItem& navigationItem() { return navigationItem_; }
  const NavigationItem& navigationItem() const { return navigationItem_; }

  // How this controller's view shows when it is presented; full screen unless set.
  ModalPresentationStyle modalPresentationStyle() const { return modalPresentationStyle_; }
  void setModalPresentationStyle(ModalPresentationStyle style) { modalPresentationStyle_ = style; }
  // Shows `controller`'s view on top of this controller's window, placed by the controller's
  // presentation style. A controller shows one presented controller at a time: a second one
  // is refused (logged), as is one that is already presented. Animated or not, it shows at
  // once; the completion runs on the main queue.
  void presentViewController(std::shared_ptr<ViewController> controller, bool animated,
                             std::function<void()> completion = {});
  // Takes the controller this one presented off the screen (with anything it presented in
  // turn); on a controller that presents nothing, its presenter dismisses it.
  void dismissViewController(bool animated, std::function<void()> completion = {});
  std::shared_ptr<ViewController> presentedViewController() const { return presented_; }
  // The controller that presented this one; for a child, the one that presented its nearest
  // presented parent, so a controller inside a presented navigation stack dismisses the stack.
  std::shared_ptr<ViewController> presentingViewController() const;
  // This controller, followed through its presented controllers to the last.
  std::shared_ptr<ViewController> topPresentedViewController();

  // The controller whose root view `view` is; nothing for any other view.
  static std::shared_ptr<ViewController> forRootView(const View& view);

 protected:
  // Makes the root view; by default a plain view covering the main screen.
  virtual std::shared_ptr<View> loadView();

 private:
  std::shared_ptr<View> view_;
  std::vector<std::shared_ptr<ViewController>> children_;
  std::weak_ptr<ViewController> parent_;
  std::shared_ptr<ViewController> presented_;
  std::weak_ptr<ViewController> presenting_;
  NavigationItem navigationItem_;
  ModalPresentationStyle modalPresentationStyle_ = ModalPresentationStyle::fullScreen;
  // Behind this controller's view while it is presented in a style that dims the window.
  std::shared_ptr<View> presentationBackdrop_;
};

}  // namespace platform::ui
