#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DumpSearch.h"
#include "HostProcess.h"
#include "ScenarioDevice.h"
#include "platform/foundation/files/Files.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::springboard {
namespace {

using platform::foundation::readFile;
using platform::foundation::writeFileAtomically;

std::filesystem::path sourcePath(const char* relative) {
  return std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) / relative;
}

// Both themes attached by the tweak inside SpringBoard's own views, from the fixture's settings
// and themes, at 21:45 on a Saturday in Tokyo with the 24-hour switch on, after two seconds.
TEST(SpringBoardScenario, AttachesBothThemesInsideSpringBoardsViewsAndRunsTheirClock) {
  ScenarioDevice device("hosts/springboard/tests/fixtures/scenario-device");
  const auto dumpFile = device.path() / "views.json";
  HostProcess host(springboardProgram(),
                   {"--root", device.path().string(), "--at", "2026-03-14T21:45:00", "--seconds", "2", "--dump",
                    dumpFile.string()},
                   {"TZ=Asia/Tokyo"});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  EXPECT_EQ(host.output(), dumpFile.string() + "\n");

  const platform::Value dump = readDump(dumpFile);
  const auto expected = readDump(sourcePath("hosts/springboard/tests/fixtures/scenario-expected.json"));
  const auto lockTheme = findViewWithTag(dump["lockscreen"], 8945);
  const auto homeTheme = findViewWithTag(dump["homescreen"], 8955);
  ASSERT_TRUE(lockTheme && homeTheme) << dump.dump(1);
  EXPECT_EQ(dump["lockscreen"]["class"], "Window");
  EXPECT_EQ(lockTheme->ancestorClasses.back(), "CSMainPageView");
  EXPECT_EQ(homeTheme->ancestorClasses.back(), "SBHomeScreenView");
  EXPECT_EQ(lockTheme->view, expected["lockscreen"]) << lockTheme->view.dump(2);
  EXPECT_EQ(homeTheme->view, expected["homescreen"]) << homeTheme->view.dump(2);
}

// The first view of the dump with the element name, depth first.
const platform::Value* findElement(const platform::Value& tree, const std::string& name) {
  if (tree.is_object() && tree.value("id", "") == name) return &tree;
  if (!tree.is_object() || !tree.contains("subviews")) return nullptr;
  for (const auto& subview : tree["subviews"]) {
    if (const auto* found = findElement(subview, name)) return found;
  }
  return nullptr;
}

// The date view's minute change asks for a refresh, whose data pass shows the new minute.
TEST(SpringBoardScenario, TheMinuteChangeReachesTheThemesClock) {
  ScenarioDevice device("hosts/springboard/tests/fixtures/scenario-device");
  const auto dumpFile = device.path() / "views.json";
  HostProcess host(springboardProgram(),
                   {"--root", device.path().string(), "--at", "2026-03-14T08:59:50", "--seconds", "20", "--dump",
                    dumpFile.string()},
                   {"TZ=Asia/Tokyo"});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  const platform::Value dump = readDump(dumpFile);
  const auto* clock = findElement(dump["lockscreen"], "clock");
  ASSERT_TRUE(clock) << dump.dump(1);
  EXPECT_EQ((*clock)["text"], "9:00");
}

struct ThemeProblemCase {
  std::string settings;
  std::vector<std::string> flags;
  std::string expectedLine;
  std::string expectedPlaceholder;
};

// A theme that cannot show is said on standard error, once, and the placeholder shows; the run
// still succeeds, as SpringBoard keeps running.
TEST(SpringBoardScenario, SaysWhatIsWrongWithAThemeFileAndShowsThePlaceholder) {
  const std::string themes = "/var/mobile/Library/Vantile/themes/";
  const std::string enabled = "<key>enabled</key><true/><key>enabled_sb</key><false/>";
  const auto settings = [&](const std::string& theme) {
    return "<plist version=\"1.0\"><dict>" + enabled + "<key>VantileTheme</key><string>" + theme +
           "</string></dict></plist>";
  };
  const std::vector<ThemeProblemCase> cases{
      {settings("Gone.json"), {}, "the lock-screen theme " + themes + "Gone.json does not exist (no file ",
       "No Theme file://" + themes + "Gone.json"},
      {settings("Broken.json"), {}, "the lock-screen theme " + themes + "Broken.json is not JSON (parse error at line 1",
       "No Theme " + themes + "Broken.json"},
      {settings("Bare.json"), {}, "the lock-screen theme " + themes + "Bare.json has no \"PresetView\" object",
       "No Theme " + themes + "Bare.json"},
      {settings("Bare.json"), {"--lock-theme", "Flagged.json"},
       "the lock-screen theme " + themes + "Flagged.json does not exist (no file ", "No Theme file://" + themes + "Flagged.json"},
  };
  for (const ThemeProblemCase& problem : cases) {
    SCOPED_TRACE(problem.expectedLine);
    testing::TemporaryDeviceRoot root;
    root.writeFile("/var/mobile/Library/Preferences/com.kestrune.vantile.plist", problem.settings);
    root.writeFile(themes + "Broken.json", "{\"PresetView\": ");
    root.writeFile(themes + "Bare.json", "{\"name\": \"no preset\"}");
    const auto dumpFile = root.path() / "views.json";
    std::vector<std::string> arguments{"--root", root.path().string(), "--dump", dumpFile.string()};
    arguments.insert(arguments.end(), problem.flags.begin(), problem.flags.end());
    HostProcess host(springboardProgram(), arguments);
    ASSERT_EQ(host.wait(), 0) << host.errors();

    // Other layers may log on their own; the host's word on the theme is one line.
    const std::vector<std::string> lines = hostLines(host.errors());
    ASSERT_EQ(lines.size(), 1u) << host.errors();
    EXPECT_TRUE(lines[0].starts_with("springboard: " + problem.expectedLine)) << lines[0];
    EXPECT_TRUE(lines[0].ends_with("; showing the placeholder")) << lines[0];
    EXPECT_EQ(host.output().find("built in"), std::string::npos);
    const auto lockTheme = findViewWithTag(readDump(dumpFile)["lockscreen"], 8945);
    ASSERT_TRUE(lockTheme);
    EXPECT_EQ(lockTheme->view["subviews"][0]["text"], problem.expectedPlaceholder);
    EXPECT_EQ(readFile(root.path() / "var/mobile/Library/Preferences/com.kestrune.vantile.plist"), problem.settings)
        << "a flag is never written into the user's settings";
  }
}

// Plugged in on the example device, the charging sequence plays on the lock screen (a dump
// mid-play shows it) and is gone after the unplug; SpringBoard's looks at its wallpapers have
// left both snapshots in the assets folder.
TEST(SpringBoardScenario, TheChargingAnimationPlaysWhilePluggedInAndTheWallpapersAreWritten) {
  ScenarioDevice device("examples/device");
  const auto out = [&device](const char* name) { return (device.path() / name).string(); };
  const platform::Value scenario = {
      {{"at", 1}, {"do", "plug"}},
      {{"at", 1.6}, {"do", "snapshot"}, {"dump", out("plugged.json")}},
      {{"at", 6}, {"do", "unplug"}},
      {{"at", 7}, {"do", "snapshot"}, {"dump", out("unplugged.json")}},
  };
  ASSERT_TRUE(writeFileAtomically(device.path() / "charging.json", scenario.dump()));
  HostProcess host(springboardProgram(),
                   {"--root", device.path().string(), "--at", "2026-12-09T08:30:00", "--scenario", out("charging.json")},
                   {"TZ=Europe/Berlin"});
  ASSERT_EQ(host.wait(), 0) << host.errors();

  const platform::Value plugged = readDump(device.path() / "plugged.json");
  const auto container = findViewWithTag(plugged["lockscreen"], 8966);
  ASSERT_TRUE(container) << plugged.dump(1);
  EXPECT_EQ(container->view["alpha"], 1);
  const auto sequence = findViewWithTag(container->view, 321);
  ASSERT_TRUE(sequence);
  EXPECT_EQ(sequence->view["frame"][2], 150);
  const auto unplugged = findViewWithTag(readDump(device.path() / "unplugged.json")["lockscreen"], 8966);
  ASSERT_TRUE(unplugged);
  EXPECT_EQ(unplugged->view["alpha"], 0);
  for (const char* file : {"var/mobile/Library/VantileAssets/lockwall.png", "var/mobile/Library/VantileAssets/homewall.png"}) {
    EXPECT_TRUE(std::filesystem::exists(device.path() / file)) << file;
  }
}

}  // namespace
}  // namespace vantile::springboard
