#pragma once

#include <memory>
#include <string>

#include "editor/canvas/tests/CanvasFixture.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"

namespace vantile::testing {

// The editor's screen in a key window over a theme with a label, containers at two depths (one
// with a "childorder", one without) and a root "order".
class EditingTest : public CanvasTest {
 protected:
  EditingTest() {
    window->setRootViewController(platform::ui::ViewController::make());
    window->makeKeyAndVisible();
    writeTheme("time.json", editedTheme());
    canvas->setupMainView(host);
  }

  static platform::Value label(const std::string& text) {
    return {{"type", "UILabel"},
            {"text", text},
            {"frame", {{"x", "10"}, {"y", "20"}, {"width", "100"}, {"height", "40"}}},
            {"textShadow", {{"x", "1"}, {"y", "1"}, {"radius", "2"}, {"color", "rgba(1,1,1,1)"}}}};
  }

  static platform::Value editedTheme() {
    platform::Value deep = box(0, 0, 50, 50);
    deep["children"] = {{"Leaf", label("leaf")}};
    deep["childorder"] = "Leaf";
    platform::Value outer = box(0, 100, 200, 200);
    outer["children"] = {{"Inner", label("inner")}, {"Deep", deep}};
    outer["childorder"] = "Inner,Deep";
    platform::Value plain = box(0, 400, 100, 100);
    plain["children"] = {{"Solo", label("solo")}};
    return theme({{"Clock", label("12:00")}, {"Box", outer}, {"Plain", plain}}, {"Clock", "Box", "Plain"});
  }

  platform::Value element(const std::string& name) const {
    return canvas->dictHelpers.getElementDictionaryFromString(name, canvas->dictHelpers.getPresetChildren())
        .value_or(platform::Value());
  }

  static std::shared_ptr<platform::ui::AlertController> shownAlert() {
    return platform::ui::AlertController::shownInKeyWindow();
  }

  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make({0, 0, 375, 812});
  std::shared_ptr<platform::ui::View> host = platform::ui::View::make({0, 0, 375, 812});
};

}  // namespace vantile::testing
