#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "hosts/common/testing/HostProcess.h"
#include "hosts/settings/tests/ScenarioDumps.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/JPEGCodec.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

using platform::foundation::readFile;
using platform::foundation::writeFileAtomically;

constexpr const char* kTinyTheme = R"json({"PresetView": {
  "frame": {"x": "0", "y": "0", "width": "math(screen_width)", "height": "math(screen_height)"},
  "children": {"tinyLabel": {"type": "UILabel", "frame": {"x": "20", "y": "300", "width": "300", "height": "40"},
                             "data": "Tiny theme", "fontSize": "24", "textColor": "rgba(255,255,255,1)"}}}})json";

// A user opens the lock-screen themes from the root pane, searches, taps a theme and confirms
// "Theme Applied"; the next SpringBoard run on the same device folder shows that theme.
TEST(LibraryScenario, AThemeFoundBySearchAndTappedInTheLockScreenGridShowsOnTheNextLockScreen) {
  testing::TemporaryDeviceRoot root;
  const std::filesystem::path source = std::getenv("VANTILE_SOURCE_DIR");
  std::filesystem::copy(source / "examples/device", root.path(), std::filesystem::copy_options::recursive);
  const auto themes = root.path() / "var/mobile/Library/Vantile/themes";
  ASSERT_TRUE(writeFileAtomically(themes / "Tiny.json", kTinyTheme));
  const auto preview = platform::graphics::Image::blank(20, 40);
  ASSERT_TRUE(preview);
  ASSERT_TRUE(writeFileAtomically(themes / "Tiny.jpg", platform::graphics::encodeJPEG(*preview, 0.8).value_or("")));

  const auto dumpFile = root.path() / "grid.json";
  const auto scenario = root.path() / "scenario.json";
  ASSERT_TRUE(writeFileAtomically(scenario, R"([
    {"at": 1, "do": "open", "path": ["Lock Screen Themes"]},
    {"at": 2, "do": "tap", "x": 187, "y": 139},
    {"at": 3, "do": "type", "text": "TIN"},
    {"at": 4, "do": "snapshot", "dump": ")" + dumpFile.string() +
                                                R"("},
    {"at": 5, "do": "tap", "x": 76, "y": 264},
    {"at": 7, "do": "alert", "title": "Ok"}
  ])"));
  hosts::HostProcess settings(SETTINGS_PROGRAM,
                              {"--root", root.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00",
                               "--scenario", scenario.string()},
                              {"TZ=Europe/Berlin"});
  ASSERT_EQ(settings.wait(), 0) << settings.errors();
  EXPECT_TRUE(hosts::hostLines(settings.errors(), "settings").empty()) << settings.errors();

  const platform::Value grid = readDump(dumpFile);
  const platform::Value* shown = findWith(grid, "class", "CreatorCell");
  ASSERT_NE(shown, nullptr) << grid.dump(1);
  EXPECT_NE(findWith(*shown, "text", "Tiny"), nullptr) << shown->dump(1);
  const std::string settingsFile =
      readFile(root.path() / "var/mobile/Library/Preferences/com.kestrune.vantile.plist").value_or("");
  EXPECT_NE(settingsFile.find("<key>VantileTheme</key>"), std::string::npos) << settingsFile;
  EXPECT_NE(settingsFile.find("<string>Tiny.json</string>"), std::string::npos) << settingsFile;

  const platform::Value dump = springboardDump(SPRINGBOARD_PROGRAM, root.path(), "views.json");
  const platform::Value* label = findWith(dump["lockscreen"], "id", "tinyLabel");
  ASSERT_NE(label, nullptr) << dump["lockscreen"].dump(1);
  EXPECT_EQ(label->value("text", ""), "Tiny theme");
}

}  // namespace
}  // namespace vantile::settings_host
