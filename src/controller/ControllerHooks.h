#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Value.h"
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
};

}  // namespace vantile
