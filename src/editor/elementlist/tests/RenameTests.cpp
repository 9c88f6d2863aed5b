#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/CreatorView.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::ui::AlertController;
using platform::ui::View;

Value label() {
  return {{"type", "UILabel"}, {"frame", {{"x", "10"}, {"y", "10"}, {"width", "50"}, {"height", "20"}}}};
}

// A drawn theme with its element list, renamed through the list's extras sheet.
class CanvasRename : public ::testing::Test {
 protected:
  CanvasRename() {
    platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences");
    window->setRootViewController(platform::ui::ViewController::make());
    window->makeKeyAndVisible();
    screen->addSubview(menu);
    menu->addSubview(hintLabel);
    canvas->menu = menu;
    canvas->styleHintLabel = hintLabel;
  }
  ~CanvasRename() override { platform::foundation::Bundle::main().setBundleIdentifier(""); }

  void setTheme(Value children, Value order) {
    canvas->creatorPreset = Value{{"PresetView", {{"children", std::move(children)}, {"order", std::move(order)}}}};
    canvas->reloadTheme();
    canvas->reloadScrollview();
    advance(0.3);
  }
  Value& root() { return canvas->creatorPreset["PresetView"]; }
  std::shared_ptr<View> button(const std::string& layerName) const {
    if (!canvas->elementStackView) return nullptr;
    for (const auto& row : canvas->elementStackView->arrangedSubviews()) {
      for (const auto& subview : row->subviews()) {
        if (subview->layer()->name() == layerName) return subview;
      }
    }
    return nullptr;
  }
  // The extras sheet of the element's row, "Rename Element", the typed name, "Rename".
  void rename(const std::string& name, const std::string& typed) {
    const auto extras = button(name + "~lockhide");
    ASSERT_NE(extras, nullptr) << name;
    platform::ui::TouchInjector(screen).tap(*extras->convertPointToView({20, 20}, screen.get()));
    advance(0.3);
    ASSERT_NE(alert(), nullptr);
    ASSERT_TRUE(alert()->chooseAction("Rename Element"));
    const auto prompt = alert();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->title(), "Rename Element");
    ASSERT_EQ(prompt->textFields().size(), 1U);
    EXPECT_EQ(prompt->textFields().front()->text(), name);
    prompt->textFields().front()->setText(typed);
    ASSERT_TRUE(prompt->chooseAction("Rename"));
    advance(0.3);
  }
  static std::shared_ptr<AlertController> alert() { return AlertController::shownInKeyWindow(); }
  static void advance(double seconds) { platform::foundation::MainQueue::shared().advance(seconds); }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot temporaryRoot;
  std::shared_ptr<CreatorView> canvas = CreatorView::make();
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make({0, 0, 375, 812});
  std::shared_ptr<View> screen = View::make({0, 0, 800, 600});
  std::shared_ptr<View> menu = View::make({500, 0, 300, 600});
  std::shared_ptr<platform::ui::Label> hintLabel = platform::ui::Label::make();
};

TEST_F(CanvasRename, RenamingFromTheExtrasSheetShowsTheNewNameInTheThemeTheCanvasAndTheList) {
  setTheme({{"a", label()}, {"b", label()}}, Value{"a", "b"});
  const Value element = root()["children"]["a"];

  rename("a", "big clock");

  EXPECT_EQ(alert(), nullptr);
  EXPECT_FALSE(root()["children"].contains("a"));
  EXPECT_EQ(root()["children"]["big_clock"], element);
  EXPECT_EQ(root()["order"], (Value{"big_clock", "b"}));
  EXPECT_EQ(canvas->getSelectedElement(), "big_clock");
  EXPECT_NE(canvas->getElementView("big_clock"), nullptr);
  EXPECT_NE(button("big_clock~remove"), nullptr);
  EXPECT_EQ(button("a~remove"), nullptr);
}

TEST_F(CanvasRename, TheLockHideAndExpansionMarksFollowTheNewName) {
  Value box{{"type", "UIView"},
            {"frame", {{"x", "0"}, {"y", "0"}, {"width", "200"}, {"height", "100"}}},
            {"childorder", "inner"},
            {"children", {{"inner", label()}}}};
  setTheme({{"box", box}, {"b", label()}}, Value{"box", "b"});
  canvas->hiddenElements = {"b", "box"};
  canvas->lockedElements = {"box"};
  canvas->openedStackElements = {"box"};
  canvas->reloadTheme();
  canvas->reloadScrollview();
  advance(0.3);

  rename("box", "panel");

  EXPECT_EQ(canvas->hiddenElements, (std::vector<std::string>{"b", "panel"}));
  EXPECT_EQ(canvas->lockedElements, std::vector<std::string>{"panel"});
  EXPECT_EQ(canvas->openedStackElements, std::vector<std::string>{"panel"});
  ASSERT_NE(canvas->getElementView("panel"), nullptr);
  EXPECT_TRUE(canvas->getElementView("panel")->isHidden()) << "still hidden on the redrawn canvas";
  EXPECT_EQ(root()["children"]["panel"]["childorder"], "inner");
}

}  // namespace
}  // namespace vantile::testing
