#pragma once

#include <memory>
#include <string>

#include "editor/canvas/tests/CanvasFixture.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"

namespace vantile::testing {

// A canvas in the Settings process, with a key window on which its alerts show.
class FilesTest : public CanvasTest {
 protected:
  FilesTest() {
    platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences");
    window->setRootViewController(platform::ui::ViewController::make());
    window->makeKeyAndVisible();
  }
  ~FilesTest() override { platform::foundation::Bundle::main().setBundleIdentifier(""); }

  static std::shared_ptr<platform::ui::AlertController> alert() {
    return platform::ui::AlertController::shownInKeyWindow();
  }
  static std::string alertMessage() {
    const auto shown = alert();
    return shown ? shown->message().value_or("") : "(no alert)";
  }

  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make({0, 0, 375, 812});
};

}  // namespace vantile::testing
