#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"

namespace platform::ui {
class View;
}

namespace vantile {

// Operations of the controller that other parts of the tweak provide: element animations, the
// home-screen gestures, the installed apps and their icon pictures. An empty one is an operation
// the controller does not answer, and the step that would call it does nothing.
struct ControllerHooks {
  std::function<void(const std::shared_ptr<platform::ui::View>& view)> handleAnimation;
  std::function<void()> addGestures;
  std::function<void()> swipeHappened;
  // The platform's icon picture of the app; nothing when it has none.
  std::function<std::optional<platform::graphics::Image>(const std::string& bundleID)> applicationIconImage;
  // The installed apps as app records ("bundle", "name", "badge"); empty: no app is known.
  std::function<std::vector<platform::Value>()> appRecords;

  // The app drawer: made filling a frame and open; told what to do with the app tapped in it
  // (it then closes and removes itself). Empty: there is no drawer to open.
  struct AppDrawer {
    std::function<std::shared_ptr<platform::ui::View>(const platform::graphics::Rect& frame)> initAppDrawerWithFrame;
    std::function<void(platform::ui::View& drawer, std::function<void(const std::string& bundleID)> completion)>
        setCompletionBlock;
    std::function<bool(const platform::ui::View& drawer)> isDrawerOpen;
    std::function<void(platform::ui::View& drawer, bool open)> setDrawerOpen;
  };
  AppDrawer drawer;
};

}  // namespace vantile
