#include "integration/links/AppDrawerLink.h"

#include "controller/VantileController.h"
#include "drawer/AppDrawerViewController.h"

namespace vantile::integration {

namespace {

AppDrawerViewController* drawerOf(platform::ui::View& view) { return dynamic_cast<AppDrawerViewController*>(&view); }

const AppDrawerViewController* drawerOf(const platform::ui::View& view) {
  return dynamic_cast<const AppDrawerViewController*>(&view);
}

}  // namespace

void connectAppDrawer() {
  ControllerHooks::AppDrawer& drawer = VantileController::sharedInstance()->hooks.drawer;
  drawer.initAppDrawerWithFrame = [](const platform::graphics::Rect& frame) -> std::shared_ptr<platform::ui::View> {
    return AppDrawerViewController::make(frame);
  };
  drawer.setCompletionBlock = [](platform::ui::View& view, AppDrawerViewController::CompletionBlock completion) {
    if (auto* appDrawer = drawerOf(view)) appDrawer->completionBlock = std::move(completion);
  };
  drawer.isDrawerOpen = [](const platform::ui::View& view) {
    const auto* appDrawer = drawerOf(view);
    return appDrawer != nullptr && appDrawer->isDrawerOpen();
  };
  drawer.setDrawerOpen = [](platform::ui::View& view, bool open) {
    if (auto* appDrawer = drawerOf(view)) appDrawer->setDrawerOpen(open);
  };
}

}  // namespace vantile::integration
