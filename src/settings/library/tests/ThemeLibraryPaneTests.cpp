#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/queues/WorkerQueue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "settings/library/ThemeLibraryPanes.h"
#include "testing/LoopbackServer.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

namespace ui = platform::ui;

class ThemeLibraryPanes : public ::testing::Test {
 protected:
  ThemeLibraryPanes() {
    root.writeFile("/var/mobile/Library/Vantile/themes/Harbour.json", R"({"PresetView": {}})");
    window->makeKeyAndVisible();
  }

  // Shows the pane and taps its only theme; the key the tap wrote.
  std::string keyWrittenByATapIn(const std::shared_ptr<ui::ViewController>& pane) {
    window->setRootViewController(ui::NavigationController::make(pane));
    std::filesystem::remove(root.path() / "var/mobile/Library/Preferences/com.kestrune.vantile.plist");
    auto& library = CreatorThemeDownloader::sharedInstance();
    library.collectionView->layoutIfNeeded();
    library.didSelectItemAtIndexPath(*library.collectionView, ui::IndexPath{0, 0});
    if (const auto alert = std::dynamic_pointer_cast<ui::AlertController>(pane->presentedViewController())) {
      alert->chooseAction("Ok");
    }
    platform::foundation::MainQueue::shared().advance(1);
    const platform::Value settings =
        platform::foundation::PreferenceDomain("com.kestrune.vantile").read().value_or(platform::Value::object());
    return settings.empty() ? "" : settings.begin().key();
  }

  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
};

TEST_F(ThemeLibraryPanes, EachThemePaneAppliesToItsOwnScreenWhicheverOpenedBefore) {
  const auto lockScreen = LSTheme::make();
  ASSERT_TRUE(lockScreen->themeDownloader());
  EXPECT_EQ(lockScreen->themeDownloader()->superview(), lockScreen->view());
  EXPECT_EQ(keyWrittenByATapIn(lockScreen), "VantileTheme");

  const auto homeScreen = SBTheme::make();
  ASSERT_TRUE(homeScreen->navigationItem().rightBarButtonItem());
  EXPECT_EQ(homeScreen->navigationItem().rightBarButtonItem()->title(), "Respring");
  EXPECT_EQ(keyWrittenByATapIn(homeScreen), "SB_VantileTheme");

  EXPECT_EQ(keyWrittenByATapIn(LSTheme::make()), "VantileTheme");
}

TEST_F(ThemeLibraryPanes, DownloadThemeWithoutACatalogueStaysEmptyAndOpensTheWallpapersPage) {
  const vantile::testing::LoopbackHTTPServer nothingThere(vantile::testing::LoopbackHTTPServer::response(404, ""));
  root.writeFile("/device.json", platform::Value{{"repositories", {{"host", nothingThere.url("/")}}}}.dump());
  const auto pane = DownloadTheme::make();
  ASSERT_TRUE(platform::foundation::WorkerQueue::shared().waitUntilIdle(20));
  platform::foundation::MainQueue::shared().runPending();
  EXPECT_FALSE(pane->themeDownloader());

  const auto& button = pane->navigationItem().rightBarButtonItem();
  ASSERT_TRUE(button);
  EXPECT_EQ(button->title(), "Wallpapers");
  button->performAction();
  EXPECT_EQ(ui::Application::shared().openedURLs().back(), DownloadTheme::kWallpapersAddress);
}

}  // namespace
}  // namespace vantile::settings
