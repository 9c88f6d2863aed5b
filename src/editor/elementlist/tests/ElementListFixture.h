#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "editor/CreatorView.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {

// A drawn theme with its element list in the side panel, a finger on its buttons and a key
// window for the alerts the buttons open.
class ElementListTest : public ::testing::Test {
 protected:
  ElementListTest() {
    platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences");
    window->setRootViewController(platform::ui::ViewController::make());
    window->makeKeyAndVisible();
    screen->addSubview(menu);
    menu->addSubview(hintLabel);
    canvas->menu = menu;
    canvas->styleHintLabel = hintLabel;
  }
  ~ElementListTest() override { platform::foundation::Bundle::main().setBundleIdentifier(""); }

  static platform::Value label() {
    return {{"type", "UILabel"}, {"frame", {{"x", "10"}, {"y", "10"}, {"width", "50"}, {"height", "20"}}}};
  }

  void setTheme(platform::Value children, std::optional<platform::Value> order = std::nullopt) {
    platform::Value root{{"children", std::move(children)}};
    if (order) root["order"] = *order;
    canvas->creatorPreset = platform::Value{{"PresetView", std::move(root)}};
    canvas->openedStackElements.clear();
    canvas->reloadTheme();
    canvas->reloadScrollview();
    advance(0.3);
  }
  platform::Value& root() { return canvas->creatorPreset["PresetView"]; }
  platform::Value& children() { return root()["children"]; }

  // The list button whose layer has the name ("a~copy", "a~lockhide"…).
  std::shared_ptr<platform::ui::View> button(const std::string& layerName) const {
    if (!canvas->elementStackView) return nullptr;
    for (const auto& row : canvas->elementStackView->arrangedSubviews()) {
      for (const auto& subview : row->subviews()) {
        if (subview->layer()->name() == layerName) return subview;
      }
    }
    return nullptr;
  }
  void tap(const platform::ui::View& view) {
    platform::ui::TouchInjector(screen).tap(*view.convertPointToView({20, 20}, screen.get()));
    advance(0.3);
  }
  void tapButton(const std::string& layerName) {
    const auto found = button(layerName);
    ASSERT_NE(found, nullptr) << layerName;
    tap(*found);
  }

  static std::shared_ptr<platform::ui::AlertController> alert() {
    return platform::ui::AlertController::shownInKeyWindow();
  }
  static std::string alertMessage() {
    const auto shown = alert();
    return shown ? shown->message().value_or("") : "(no alert)";
  }
  static void advance(double seconds) { platform::foundation::MainQueue::shared().advance(seconds); }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot temporaryRoot;
  std::shared_ptr<CreatorView> canvas = CreatorView::make();
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make({0, 0, 375, 812});
  std::shared_ptr<platform::ui::View> screen = platform::ui::View::make({0, 0, 800, 600});
  std::shared_ptr<platform::ui::View> menu = platform::ui::View::make({500, 0, 300, 600});
  std::shared_ptr<platform::ui::Label> hintLabel = platform::ui::Label::make();
};

}  // namespace vantile::testing
