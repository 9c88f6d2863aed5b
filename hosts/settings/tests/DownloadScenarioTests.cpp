#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "hosts/common/testing/HostProcess.h"
#include "hosts/settings/tests/ScenarioDumps.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "testing/LoopbackRepositoryServer.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

namespace fs = std::filesystem;
using platform::foundation::readFile;
using platform::foundation::writeFileAtomically;

// The theme's label, not SpringBoard's own clock of the same id.
const platform::Value* findLabel(const platform::Value& entry, const std::string& id) {
  if (entry.is_object() && entry.value("id", "") == id && entry.contains("text")) return &entry;
  if (!entry.is_object() || !entry.contains("subviews")) return nullptr;
  for (const platform::Value& child : entry.at("subviews")) {
    if (const platform::Value* found = findLabel(child, id)) return found;
  }
  return nullptr;
}

// A user opens "Download Themes", opens the first repository, taps a theme, applies it to the
// lock screen when it has arrived; the next SpringBoard run on the same device folder shows it.
TEST(DownloadScenario, AThemeDownloadedFromARepositoryAndAppliedShowsOnTheNextLockScreen) {
  testing::TemporaryDeviceRoot root;
  const fs::path source = std::getenv("VANTILE_SOURCE_DIR");
  fs::copy(source / "examples/device", root.path(), fs::copy_options::recursive);
  testing::LoopbackRepositoryServer server(source / "testing/repository");
  platform::Value device = readDump(root.path() / "device.json");
  ASSERT_TRUE(device.is_object());
  device["repositories"] = {{"host", server.url("/")}};
  ASSERT_TRUE(writeFileAtomically(root.path() / "device.json", device.dump(1)));

  const auto scenario = root.path() / "scenario.json";
  ASSERT_TRUE(writeFileAtomically(scenario, R"([
    {"at": 1, "do": "open", "path": ["Download Themes"]},
    {"at": 3, "do": "tap", "x": 150, "y": 214},
    {"at": 5, "do": "tap", "x": 76, "y": 214},
    {"at": 8, "do": "alert", "title": "Apply To LS"},
    {"at": 9, "do": "alert", "title": "Ok"}
  ])"));
  hosts::HostProcess settings(SETTINGS_PROGRAM,
                              {"--root", root.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00",
                               "--scenario", scenario.string()},
                              {"TZ=Europe/Berlin"});
  ASSERT_EQ(settings.wait(), 0) << settings.errors();
  EXPECT_TRUE(hosts::hostLines(settings.errors(), "settings").empty()) << settings.errors();

  const fs::path themes = root.path() / "var/mobile/Library/Vantile/themes";
  const fs::path assets = root.path() / "var/mobile/Library/VantileAssets";
  EXPECT_TRUE(fs::is_regular_file(themes / "Aurora.json"));
  EXPECT_TRUE(fs::is_regular_file(themes / "Aurora.jpg"));
  EXPECT_TRUE(fs::is_regular_file(assets / "weatherIcons/Storm/47.png"));
  EXPECT_TRUE(fs::is_regular_file(assets / "signalImages/Bars/5.png"));
  EXPECT_TRUE(fs::is_regular_file(assets / "html/AuroraClock/index.html"));
  const std::string settingsFile =
      readFile(root.path() / "var/mobile/Library/Preferences/com.kestrune.vantile.plist").value_or("");
  EXPECT_NE(settingsFile.find("<string>Aurora.json</string>"), std::string::npos) << settingsFile;

  const platform::Value dump = springboardDump(SPRINGBOARD_PROGRAM, root.path(), "views.json");
  const platform::Value* clock = findLabel(dump["lockscreen"], "clock");
  ASSERT_NE(clock, nullptr) << dump["lockscreen"].dump(1);
  EXPECT_EQ(clock->value("frame", platform::Value()), platform::Value({37, 120, 300, 90})) << clock->dump(1);
}

}  // namespace
}  // namespace vantile::settings_host
