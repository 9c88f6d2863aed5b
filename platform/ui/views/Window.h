#pragma once

#include <memory>

#include "platform/ui/views/EdgeInsets.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

class ViewController;

// The root of a view tree on screen. Views inside it know they are in a window (and hear
// didMoveToWindow when they enter or leave one); a window is its own window.
class Window : public View {
 public:
  // Covering the main screen.
  static std::shared_ptr<Window> make();
  static std::shared_ptr<Window> make(const graphics::Rect& frame);

  Window(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "Window"; }

  // The controller whose view fills the window; presented controllers show above it.
  const std::shared_ptr<ViewController>& rootViewController() const { return rootViewController_; }
  void setRootViewController(std::shared_ptr<ViewController> controller);

  // Where the screen's rounded corners, notch and home indicator leave content room.
  EdgeInsets safeAreaInsets() const { return safeAreaInsets_; }
  void setSafeAreaInsets(EdgeInsets insets) { safeAreaInsets_ = insets; }

  // Makes this the application's key window (the one alerts and sheets present over).
  void makeKeyAndVisible();
  bool isKeyWindow() const;

 private:
  std::shared_ptr<ViewController> rootViewController_;
  EdgeInsets safeAreaInsets_;
};

}  // namespace platform::ui
