#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "hosts/common/testing/HostProcess.h"
#include "hosts/settings/tests/ScenarioDumps.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

using platform::foundation::readFile;

// The view holding the element with that id: the theme's root view.
const platform::Value* parentOf(const platform::Value& entry, const std::string& id) {
  if (!entry.is_object() || !entry.contains("subviews")) return nullptr;
  for (const platform::Value& child : entry.at("subviews")) {
    if (child.is_object() && child.value("id", "") == id) return &entry;
    if (const platform::Value* found = parentOf(child, id)) return found;
  }
  return nullptr;
}

// A user opens the lock-screen move pane from the root pane, drags the theme 40 points up and
// applies; the next SpringBoard run on the same device shows the lock-screen theme moved.
TEST(MoveThemeScenario, ALockScreenThemeMovedInSettingsShowsMovedOnTheNextLockScreen) {
  testing::TemporaryDeviceRoot root;
  const std::filesystem::path source = std::getenv("VANTILE_SOURCE_DIR");
  std::filesystem::copy(source / "examples/device", root.path(), std::filesystem::copy_options::recursive);
  const platform::Value before = springboardDump(SPRINGBOARD_PROGRAM, root.path(), "before.json");

  const auto scenario = root.path() / "scenario.json";
  ASSERT_TRUE(platform::foundation::writeFileAtomically(scenario, R"([
    {"at": 1, "do": "open", "path": ["Move Lock Screen Theme"]},
    {"at": 2, "do": "pan", "from": [187, 400], "to": [217, 360], "seconds": 0.5},
    {"at": 4, "do": "tap", "x": 262, "y": 783},
    {"at": 5, "do": "alert", "title": "Ok"}
  ])"));
  hosts::HostProcess settings(SETTINGS_PROGRAM, {"--root", root.path().string(), "--screen", "375x812@1",
                                                 "--scenario", scenario.string()},
                              {"TZ=Europe/Berlin"});
  ASSERT_EQ(settings.wait(), 0) << settings.errors();
  EXPECT_TRUE(hosts::hostLines(settings.errors(), "settings").empty()) << settings.errors();

  const std::string stored =
      readFile(root.path() / "var/mobile/Library/Preferences/com.kestrune.vantile.plist").value_or("");
  EXPECT_NE(stored.find("<key>lsthemexaxis</key>\n\t<real>0"), std::string::npos) << stored;
  EXPECT_NE(stored.find("<key>lsthemeyaxis</key>\n\t<real>-40"), std::string::npos) << stored;

  const platform::Value after = springboardDump(SPRINGBOARD_PROGRAM, root.path(), "after.json");
  const platform::Value* themeBefore = parentOf(before["lockscreen"], "time");
  const platform::Value* themeAfter = parentOf(after["lockscreen"], "time");
  ASSERT_TRUE(themeBefore && themeAfter) << after.dump(1);
  EXPECT_EQ(themeBefore->at("frame"), (platform::Value{0, 0, 375, 812}));
  EXPECT_EQ(themeAfter->at("frame"), (platform::Value{0, -40, 375, 812}));
}

}  // namespace
}  // namespace vantile::settings_host
