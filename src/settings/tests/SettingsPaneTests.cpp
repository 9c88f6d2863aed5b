#include <gtest/gtest.h>

#include "editor/CreatorView.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/preferences/PaneRegistry.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "settings/editing/CreateTheme.h"
#include "settings/SettingsPanes.h"
#include "settings/panes/VTPRootListController.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

constexpr const char* kBundle = "/Library/PreferenceBundles/vantileprefs.bundle";

class SettingsPanes : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;

  void SetUp() override {
    root.writeFile(std::string(kBundle) + "/Root.plist", R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>title</key><string>Vantile</string><key>items</key><array>
  <dict><key>cell</key><string>PSGroupCell</string><key>label</key><string>Themes</string></dict>
  <dict><key>cell</key><string>PSLinkCell</string><key>label</key><string>Theme Editor</string>
        <key>detail</key><string>CreateTheme</string></dict>
</array></dict></plist>)");
    platform::foundation::Bundle::main().setResourceFolder(kBundle);
    registerPanes();
  }
  void TearDown() override { platform::foundation::Bundle::main().setResourceFolder(""); }
};

TEST_F(SettingsPanes, TheRootPaneShowsTheRowsOfTheFileRootUnderItsTitle) {
  auto pane = platform::preferences::PaneRegistry::shared().makePane(VTPRootListController::className);
  auto root = std::dynamic_pointer_cast<VTPRootListController>(pane);
  ASSERT_TRUE(root);
  const auto& rows = root->specifiers();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].label, "Theme Editor");
  EXPECT_EQ(rows[1].detail, "CreateTheme");
  EXPECT_EQ(&root->specifiers(), &rows) << "loaded once, then kept";
  EXPECT_EQ(root->navigationItem().title(), "Vantile");
}

TEST_F(SettingsPanes, TheEditorRowOpensTheEditorPaneOnTheStartingThemeOfTheSharedCanvas) {
  auto root = VTPRootListController::make();
  auto navigation = platform::ui::NavigationController::make(root);
  auto window = platform::ui::Window::make(platform::ui::Screen::mainScreen().bounds());
  window->setRootViewController(navigation);
  window->makeKeyAndVisible();
  CreatorView::sharedInstance().selectedTheme = "Other.json";

  ASSERT_TRUE(root->selectRowWithLabel("Theme Editor"));

  const auto editor = std::dynamic_pointer_cast<CreateTheme>(navigation->topViewController());
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->navigationItem().title(), "Theme Editor");
  EXPECT_EQ(CreatorView::sharedInstance().selectedTheme, "time.json");
  if (const auto& canvasView = editor->loadedCreatorView()) {
    EXPECT_EQ(canvasView->superview(), editor->view());
  }
}

}  // namespace
}  // namespace vantile::settings
