#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/JPEGCodec.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/controls/ImagePickerController.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "settings/export/ExportItems.h"
#include "settings/export/ThemeExport.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

namespace fs = std::filesystem;
using platform::ui::AlertController;

constexpr const char* kAssets = "/var/mobile/Library/VantileAssets/";
constexpr const char* kThemes = "/var/mobile/Library/Vantile/themes/";

// One element of each asset kind, nested three deep, with photo.png named twice.
constexpr const char* kFixtureTheme = R"({"PresetView": {"children": {
  "picture": {"imageURL": "photo.png", "fontName": "Font.ttf", "iconSet": "Set2"},
  "group": {"imageFolder": "none", "children": {
    "bars": {"imageFolder": "signalImages/Bars", "children": {
      "again": {"backgroundImage": "photo.png",
                "webviewURL": "/var/mobile/Library/VantileAssets/html/Clockwork/index.html"}}},
    "stock": {"webviewURL": "/var/mobile/Library/VantileAssets/html/clock/index.html"}}}}}})";

// Every regular file below the folder, as paths relative to it.
std::set<std::string> filesBelow(const fs::path& folder) {
  std::set<std::string> files;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::end(it); it.increment(error)) {
    if (it->is_regular_file()) files.insert(fs::relative(it->path(), folder).string());
  }
  return files;
}

class ThemeExport : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;
  std::shared_ptr<platform::ui::ViewController> screen = platform::ui::ViewController::make();
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make(platform::ui::Screen::mainScreen().bounds());
  TopViewControllerSource top = [this] { return screen->topPresentedViewController(); };

  void SetUp() override {
    window->setRootViewController(screen);
    window->makeKeyAndVisible();
    for (const char* asset : {"photo.png", "Font.ttf", "weatherIcons/Set2/0.png", "weatherIcons/Set2/47.png",
                              "weatherIcons/Set2/48.png", "signalImages/Bars/0.png", "signalImages/Bars/5.png",
                              "signalImages/Bars/6.png", "html/Clockwork/index.html", "html/Clockwork/js/app.js",
                              "html/clock/index.html"}) {
      root.writeFile(std::string(kAssets) + asset, asset);
    }
    root.writeFile(std::string(kThemes) + "Fixture.json", kFixtureTheme);
  }

  fs::path exported(const std::string& name) const {
    return root.path() / "var/mobile/Library/Vantile/exportedthemes" / name;
  }
  std::string alertMessage() const {
    const auto alert = AlertController::shownInKeyWindow();
    return alert && alert->message() ? *alert->message() : "no alert";
  }
};

TEST_F(ThemeExport, TheItemsOfANestedTreeComeInKeyOrderEachOnce) {
  const auto theme = JSONFromFile(std::string(kThemes) + "Fixture.json");
  ASSERT_TRUE(theme);
  std::vector<std::string> items;
  getItems((*theme)["PresetView"]["children"], items);
  EXPECT_EQ(items, (std::vector<std::string>{"Font.ttf", "photo.png", "Set2", "signalImages/Bars",
                                             "/var/mobile/Library/VantileAssets/html/Clockwork/index.html",
                                             "/var/mobile/Library/VantileAssets/html/clock/index.html"}));
  EXPECT_FALSE(JSONFromFile("/var/mobile/missing.json"));
  root.writeFile("/var/mobile/broken.json", "{\"PresetView\": ");
  EXPECT_FALSE(JSONFromFile("/var/mobile/broken.json"));
}

TEST_F(ThemeExport, ItemKindsFollowTheirRulesInOrder) {
  const struct {
    const char* item;
    ExportItemKind kind;
  } cases[] = {
      {"/var/mobile/Library/VantileAssets/html/Mine/index.html", ExportItemKind::htmlWidget},
      {"/var/mobile/Library/VantileAssets/html/weather/index.html", ExportItemKind::singleFile},
      {"photo.png", ExportItemKind::singleFile},
      {"Set2", ExportItemKind::weatherIconSet},
      {"none", ExportItemKind::weatherIconSet},
      {"signalImages/Bars", ExportItemKind::signalOrWifiSet},
      {"wifiImages/Arcs", ExportItemKind::signalOrWifiSet},
  };
  for (const auto& c : cases) EXPECT_EQ(exportItemKind(c.item), c.kind) << c.item;
}

TEST_F(ThemeExport, ExportThemeCopiesTheDocumentAndEveryNamedAssetIntoItsOwnFolder) {
  exportTheme("Fixture", top);

  EXPECT_EQ(filesBelow(exported("Fixture")),
            (std::set<std::string>{"Fixture.json", "Font.ttf", "photo.png", "Set2/0.png", "Set2/47.png",
                                   "signalImages/Bars/0.png", "signalImages/Bars/5.png", "html/Clockwork/index.html",
                                   "html/Clockwork/js/app.js"}));
  EXPECT_EQ(platform::foundation::readFile(exported("Fixture") / "Fixture.json"), kFixtureTheme);
  EXPECT_EQ(alertMessage(), "Theme exported to /var/mobile/Library/Vantile/exportedthemes/Fixture");
}

TEST_F(ThemeExport, AnIconSetOfNoneBecomesAnEmptyFolder) {
  root.writeFile(std::string(kThemes) + "Plain.json", R"({"PresetView": {"children": {"w": {"iconSet": "none"}}}})");
  exportTheme("Plain", top);
  EXPECT_TRUE(fs::is_directory(exported("Plain") / "none"));
  EXPECT_EQ(filesBelow(exported("Plain")), (std::set<std::string>{"Plain.json"}));
}

TEST_F(ThemeExport, ExportingAgainReplacesTheEarlierExportWhole) {
  exportTheme("Fixture", top);
  root.writeFile("/var/mobile/Library/Vantile/exportedthemes/Fixture/stale.txt", "old");
  root.writeFile(std::string(kThemes) + "Fixture.json", R"({"PresetView": {"children": {"p": {"imageURL": "photo.png"}}}})");
  screen->dismissViewController(false);

  exportTheme("Fixture", top);

  EXPECT_EQ(filesBelow(exported("Fixture")), (std::set<std::string>{"Fixture.json", "photo.png"}));
}

TEST_F(ThemeExport, HostileNamesAndItemsChangeNothingOutsideTheExportFolder) {
  root.writeFile(std::string(kThemes) + "Hostile.json", R"({"PresetView": {"children": {
    "a": {"imageURL": "../../Vantile/themes/Fixture.json", "maskURL": "/var/mobile/Library/VantileAssets/photo.png",
          "iconSet": "../../../Vantile/themes"},
    "b": {"imageFolder": "signalImages/../../Preferences", "webviewURL": "/x/html/../index.html"},
    "c": {"imageURL": "leak.png", "webviewURL": "/var/mobile/Library/VantileAssets/html/Linked/index.html"}}}})");
  // Links in the assets folder that lead out of the device folder.
  const fs::path outside = root.path().string() + "-outside.txt";
  ASSERT_TRUE(platform::foundation::writeFileAtomically(outside, "secret"));
  root.writeFile(std::string(kAssets) + "html/Linked/index.html", "page");
  fs::create_symlink(outside, root.path() / "var/mobile/Library/VantileAssets/leak.png");
  fs::create_symlink(outside, root.path() / "var/mobile/Library/VantileAssets/html/Linked/secret.txt");
  const std::set<std::string> before = filesBelow(root.path());

  for (const char* name : {"..", "../x", "/abs", "", ".hidden", "a/b"}) {
    exportTheme(name, top);
    EXPECT_EQ(filesBelow(root.path()), before) << name;
    EXPECT_TRUE(alertMessage().starts_with("Theme export failed: ")) << name << ": " << alertMessage();
    screen->dismissViewController(false);
  }

  exportTheme("Hostile", top);
  std::set<std::string> added;
  for (const std::string& file : filesBelow(root.path())) {
    if (!before.contains(file)) added.insert(file);
  }
  EXPECT_EQ(added, (std::set<std::string>{"var/mobile/Library/Vantile/exportedthemes/Hostile/Hostile.json",
                                          "var/mobile/Library/Vantile/exportedthemes/Hostile/html/Linked/index.html"}));
  fs::remove(outside);
}

TEST_F(ThemeExport, AMissingThemeIsReportedAndLeavesTheEarlierExport) {
  exportTheme("Fixture", top);
  screen->dismissViewController(false);
  fs::remove(root.path() / "var/mobile/Library/Vantile/themes/Fixture.json");

  exportTheme("Fixture", top);

  EXPECT_EQ(alertMessage(), "Theme export failed: the theme file Fixture.json is missing or unreadable.");
  EXPECT_TRUE(fs::exists(exported("Fixture") / "photo.png"));
}

TEST_F(ThemeExport, TheRepositoryExportWritesThePickedPhotoShrunkAsItsPreviewThenConfirms) {
  exportThemeToRepo("Fixture", top);
  const fs::path folder = root.path() / "var/mobile/Documents/VantileRepo/themes/Fixture";
  EXPECT_TRUE(fs::exists(folder / "Fixture.json"));
  const auto picker = platform::ui::ImagePickerController::shownInKeyWindow();
  ASSERT_TRUE(picker);

  picker->pickImage(*platform::graphics::Image::blank(40, 20));

  const auto preview = platform::foundation::readFile(folder / "Fixture.jpg");
  ASSERT_TRUE(preview);
  const auto decoded = platform::graphics::decodeJPEG(*preview);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width(), 40);
  EXPECT_FALSE(AlertController::shownInKeyWindow());
  platform::foundation::MainQueue::shared().advance(0.5);
  EXPECT_EQ(alertMessage(), "Theme exported to var/mobile/Documents/VantileRepo/themes/");
}

TEST_F(ThemeExport, ARepositoryExportWhosePickIsCancelledHasNoPreviewAndNoMessage) {
  exportThemeToRepo("Fixture", top);
  const auto picker = platform::ui::ImagePickerController::shownInKeyWindow();
  ASSERT_TRUE(picker);
  picker->dismissViewController(false);
  platform::foundation::MainQueue::shared().advance(1);

  EXPECT_FALSE(fs::exists(root.path() / "var/mobile/Documents/VantileRepo/themes/Fixture/Fixture.jpg"));
  EXPECT_FALSE(AlertController::shownInKeyWindow());
}

}  // namespace
}  // namespace vantile::settings
