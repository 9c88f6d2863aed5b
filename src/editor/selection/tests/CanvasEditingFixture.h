#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/CreatorView.h"
#include "editor/canvas/EditorThemeFiles.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/foundation/values/Value.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {

// A canvas drawn by the engine from a theme file, on its display over the whole screen (so screen
// points are canvas points for top-level elements), with the inspector of the selected element in
// a panel off the screen, and a finger.
class CanvasEditing : public ::testing::Test {
 protected:
  CanvasEditing() {
    platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences");
    canvas->display = canvas->setupDisplay();
    screen->addSubview(canvas->display);

    // The panel stays off the screen, so that no touch lands on the inspector.
    canvas->menu = platform::ui::View::make({0, 512, 375, 300});
    captionNamedLikeAField->layer()->setName("frame~x");
    captionNamedLikeAField->setText("X");
  }
  ~CanvasEditing() override { platform::foundation::Bundle::main().setBundleIdentifier(""); }

  static platform::Value box(const std::string& x, const std::string& y, int width, int height) {
    return {{"type", "UIView"},
            {"frame", {{"x", x}, {"y", y}, {"width", std::to_string(width)}, {"height", std::to_string(height)}}}};
  }
  static void highlightOption(bool on) {
    platform::foundation::UserDefaults::standard().setObject("highlightOption", on);
  }

  // Draws a theme whose root covers the screen and selects `selected`.
  void load(const platform::Value& children, const std::string& selected) {
    platform::Value root = {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "812"}}},
                            {"children", children}};
    device.writeFile(std::string(kEditorThemesFolder) + "Edited.json", platform::Value{{"PresetView", root}}.dump());
    canvas->loadThemeFile("Edited.json");
    canvas->setSelectedElement(selected);
    canvas->loadElementOptions(selected);
    // Only text fields are filled, whatever their layer names.
    if (canvas->elementOptions) canvas->elementOptions->addSubview(captionNamedLikeAField);
  }

  std::shared_ptr<platform::ui::View> view(const std::string& name) const { return canvas->getElementView(name); }
  const platform::Value& stored(const std::string& name) const {
    return canvas->creatorPreset.at("PresetView").at("children").at(name).at("frame");
  }
  std::string fieldText(const std::string& layerName) const {
    return canvas->elementOptions ? fieldNamed(*canvas->elementOptions, layerName) : "";
  }
  void clearFields() {
    if (canvas->elementOptions) forEachTextField(*canvas->elementOptions, [](auto& field) { field.setText("-"); });
  }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot device;
  std::shared_ptr<CreatorView> canvas = CreatorView::make();
  std::shared_ptr<platform::ui::View> screen = platform::ui::View::make({0, 0, 375, 812});
  std::shared_ptr<platform::ui::Label> captionNamedLikeAField = platform::ui::Label::make({0, 0, 40, 40});
  platform::ui::TouchInjector finger{screen};

 private:
  template <typename Visit>
  static void forEachTextField(const platform::ui::View& view, const Visit& visit) {
    for (const auto& subview : view.subviews()) {
      if (const auto textField = std::dynamic_pointer_cast<platform::ui::TextField>(subview)) visit(*textField);
      forEachTextField(*subview, visit);
    }
  }
  static std::string fieldNamed(const platform::ui::View& view, const std::string& layerName) {
    for (const auto& subview : view.subviews()) {
      const auto textField = std::dynamic_pointer_cast<platform::ui::TextField>(subview);
      if (textField && textField->layer()->name() == layerName) return textField->text();
      if (std::string found = fieldNamed(*subview, layerName); !found.empty()) return found;
    }
    return "";
  }
};

}  // namespace vantile::testing
