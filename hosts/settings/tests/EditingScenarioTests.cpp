#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "hosts/common/testing/HostProcess.h"
#include "hosts/settings/tests/ScenarioDumps.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

using platform::foundation::readFile;

// A user moves, resizes and retypes the example theme's clock, adds a template from the bulk
// creator, saves the theme under a new name and applies it to the lock screen; the next SpringBoard run on the same device folder shows the edited theme.
TEST(EditingScenario, AThemeEditedByTouchesSavedAndAppliedShowsOnTheNextLockScreen) {
  testing::TemporaryDeviceRoot root;
  const std::filesystem::path source = std::getenv("VANTILE_SOURCE_DIR");
  std::filesystem::copy(source / "examples/device", root.path(), std::filesystem::copy_options::recursive);
  const auto scenario = root.path() / "scenario.json";
  ASSERT_TRUE(platform::foundation::writeFileAtomically(scenario, R"([
    {"at": 1, "do": "open", "path": ["Theme Editor"]},
    {"at": 3, "do": "tap", "x": 187, "y": 200},
    {"at": 5, "do": "pan", "from": [187, 200], "to": [210, 241], "seconds": 0.5},
    {"at": 8, "do": "pan", "from": [370, 242], "to": [337, 242], "seconds": 0.5},
    {"at": 10, "do": "tap", "x": 200, "y": 705},
    {"at": 11, "do": "type", "text": " Good morning"},
    {"at": 12, "do": "return"},
    {"at": 13, "do": "tap", "x": 30, "y": 576},
    {"at": 14, "do": "tap", "x": 80, "y": 616},
    {"at": 15, "do": "tap", "x": 187, "y": 705},
    {"at": 17, "do": "tap", "x": 295, "y": 777},
    {"at": 19, "do": "tap", "x": 355, "y": 576},
    {"at": 20, "do": "tap", "x": 100, "y": 730},
    {"at": 21, "do": "alert", "title": "Save", "texts": ["Morning"]},
    {"at": 23, "do": "alert", "title": "Apply to LS"}
  ])"));
  hosts::HostProcess editor(SETTINGS_PROGRAM,
                            {"--root", root.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00",
                             "--scenario", scenario.string()},
                            {"TZ=Europe/Berlin"});
  ASSERT_EQ(editor.wait(), 0) << editor.errors();
  EXPECT_TRUE(hosts::hostLines(editor.errors(), "settings").empty()) << editor.errors();

  const auto themes = root.path() / "var/mobile/Library/Vantile/themes";
  EXPECT_TRUE(std::filesystem::is_regular_file(themes / "Morning.jpg"));
  const platform::Value saved = readDump(themes / "Morning.json");
  const platform::Value& clock = saved["PresetView"]["children"]["clock"];
  EXPECT_EQ(clock["data"], "[time] Good morning") << saved.dump(1);
  // The "Pill" template from the bulk creator's palette, with its child.
  EXPECT_EQ(saved["PresetView"]["children"]["Pill_1"]["childorder"], "pillText") << saved.dump(1);
  const std::string settings =
      readFile(root.path() / "var/mobile/Library/Preferences/com.kestrune.vantile.plist").value_or("");
  EXPECT_NE(settings.find("<string>Morning.json</string>"), std::string::npos) << settings;

  const platform::Value dump = springboardDump(SPRINGBOARD_PROGRAM, root.path(), "views.json");
  const platform::Value* shown = findWith(dump["lockscreen"], "id", "clock");
  ASSERT_NE(shown, nullptr) << dump.dump(1);
  EXPECT_EQ(shown->at("frame"), (platform::Value{50, 150, 285, 96}));
  const std::string text = shown->value("text", "");
  EXPECT_TRUE(text.ends_with(" Good morning")) << text;
  EXPECT_NE(findWith(dump["lockscreen"], "id", "pillText"), nullptr);
}

}  // namespace
}  // namespace vantile::settings_host
