#pragma once

#include <memory>

#include "platform/objc/Object.h"
#include "platform/springboard/homescreen/SBIconContentView.h"
#include "platform/springboard/views/StatusBar.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// The home screen's view. It is made as SpringBoard makes it: allocated empty, then sent
// initWithFrame: through the runtime, whose stock implementation builds the icon content, the
// status bar and the (hidden) today, app library and search overlays, and answers the view.
class SBHomeScreenView : public ui::View, public objc::Object {
 public:
  static std::shared_ptr<SBHomeScreenView> alloc();

  explicit SBHomeScreenView(ConstructionKey key);

  std::string_view className() const override { return "SBHomeScreenView"; }

  const std::shared_ptr<SBIconContentView>& iconContentView() const { return iconContentView_; }
  const std::shared_ptr<StatusBar>& statusBar() const { return statusBar_; }
  const std::shared_ptr<ui::View>& todayView() const { return todayView_; }
  const std::shared_ptr<ui::View>& libraryView() const { return libraryView_; }
  const std::shared_ptr<ui::View>& searchView() const { return searchView_; }
  int windowMoves() const { return windowMoves_; }

  static void declareClass(objc::Class& cls);

 protected:
  void didMoveToWindow() override;

 private:
  void build(const graphics::Rect& frame);

  std::shared_ptr<SBIconContentView> iconContentView_;
  std::shared_ptr<StatusBar> statusBar_;
  std::shared_ptr<ui::View> todayView_;
  std::shared_ptr<ui::View> libraryView_;
  std::shared_ptr<ui::View> searchView_;
  int windowMoves_ = 0;
};

}  // namespace platform::springboard
