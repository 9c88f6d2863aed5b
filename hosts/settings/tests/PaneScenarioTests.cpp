#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "hosts/common/testing/HostProcess.h"
#include "hosts/settings/tests/ScenarioDumps.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/values/Value.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

using platform::Value;

std::filesystem::path sourcePath(const char* relative) {
  return std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) / relative;
}

// The dumped views from the window down to the first one (depth first) that matches.
std::vector<const Value*> pathTo(const Value& entry, const std::function<bool(const Value&)>& matches) {
  if (matches(entry)) return {&entry};
  const auto subviews = entry.find("subviews");
  if (subviews == entry.end()) return {};
  for (const Value& child : *subviews) {
    auto path = pathTo(child, matches);
    if (!path.empty()) {
      path.insert(path.begin(), &entry);
      return path;
    }
  }
  return {};
}

double cellHeightShowing(const Value& dump, const std::string& text) {
  const auto path = pathTo(dump, [&](const Value& entry) { return entry.value("text", "") == text; });
  for (auto step = path.rbegin(); step != path.rend(); ++step) {
    if ((*step)->value("class", "") == "TableViewCell") return (*step)->at("frame").at(3).get<double>();
  }
  ADD_FAILURE() << "no cell shows " << text;
  return -1;
}

class PaneScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(sourcePath("examples/device"), root.path(), std::filesystem::copy_options::recursive);
    std::filesystem::remove(root.path() / "var/mobile/Library/Preferences/com.kestrune.vantile.plist");
  }

  void run(const std::string& events) {
    const auto scenario = root.path() / "scenario.json";
    ASSERT_TRUE(platform::foundation::writeFileAtomically(scenario, "[" + events + "]"));
    hosts::HostProcess host(SETTINGS_PROGRAM, {"--root", root.path().string(), "--screen", "375x812@1", "--scenario",
                                               scenario.string()});
    ASSERT_EQ(host.wait(), 0) << host.errors();
    EXPECT_TRUE(hosts::hostLines(host.errors(), "settings").empty()) << host.errors();
  }
  std::string path(const char* name) const { return (root.path() / name).string(); }

  testing::TemporaryDeviceRoot root;
};

// The hide-items pane opened from the root pane folds its item rows until its switch is turned
// on; the tap stores the switch in the settings file, made by that first write.
TEST_F(PaneScenario, TurningOnTheHideItemsSwitchStoresItAndUnfoldsTheItemRows) {
  const std::string open = R"({"at": 0, "do": "open", "path": ["Hide Lock Screen Items"]})";
  run(open + R"(, {"at": 1, "do": "snapshot", "dump": ")" + path("before.json") + R"("})");
  const Value before = readDump(path("before.json"));
  const auto toSwitch = pathTo(before, [](const Value& entry) { return entry.value("class", "") == "Switch"; });
  ASSERT_FALSE(toSwitch.empty()) << before.dump(1);
  double x = 0, y = 0;
  for (const Value* step : toSwitch) {
    x += step->at("frame").at(0).get<double>();
    y += step->at("frame").at(1).get<double>();
  }
  x += toSwitch.back()->at("frame").at(2).get<double>() / 2;
  y += toSwitch.back()->at("frame").at(3).get<double>() / 2;
  EXPECT_EQ(cellHeightShowing(before, "Status Bar"), 0);

  run(open + R"(, {"at": 1, "do": "tap", "x": )" + std::to_string(x) + R"(, "y": )" + std::to_string(y) +
      R"(}, {"at": 2, "do": "snapshot", "dump": ")" + path("after.json") + R"("})");
  const auto stored = platform::foundation::readFile(root.path() / "var/mobile/Library/Preferences/com.kestrune.vantile.plist");
  ASSERT_TRUE(stored);
  const auto settings = platform::foundation::valueFromPropertyList(*stored);
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->value("hidelsitems", false), true) << settings->dump();
  EXPECT_GT(cellHeightShowing(readDump(path("after.json")), "Status Bar"), 0);
}

}  // namespace
}  // namespace vantile::settings_host
