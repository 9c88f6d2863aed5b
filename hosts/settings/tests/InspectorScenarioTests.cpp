#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "hosts/common/testing/HostProcess.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

using platform::Value;
using platform::foundation::readFile;

std::filesystem::path sourcePath(const char* relative) {
  return std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) / relative;
}

Value readJson(const std::filesystem::path& file) {
  return Value::parse(readFile(file).value_or("null"), nullptr, false);
}

// The member, or null when the value has none.
const Value& member(const Value& value, const std::string& key) {
  static const Value none;
  if (!value.is_object()) return none;
  const auto found = value.find(key);
  return found != value.end() ? *found : none;
}

// The string, or the JSON text of any other value.
std::string textOf(const Value& value) {
  return value.is_string() ? value.get_ref<const std::string&>() : value.dump();
}

// The ids of the dumped views from the window down to the one whose id is `id`; empty without one.
bool pathToId(const Value& entry, const std::string& id, std::vector<std::string>& ids) {
  ids.push_back(entry.value("id", ""));
  if (ids.back() == id) return true;
  if (const auto subviews = entry.find("subviews"); subviews != entry.end()) {
    for (const Value& child : *subviews) {
      if (pathToId(child, id, ids)) return true;
    }
  }
  ids.pop_back();
  return false;
}

// The example device, copied so that the host may write into it.
class InspectorScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(sourcePath("examples/device"), root.path(), std::filesystem::copy_options::recursive);
  }

  std::filesystem::path file(const char* name) const { return root.path() / name; }

  testing::TemporaryDeviceRoot root;
};

// On the example theme at 375 × 812 points, in order: a tap selects the clock; its "textColor"
// swatch opens the colour picker; a pan scrolls the panel up to "fontSize", whose field opens the
// value editor, whose clear button empties it for the new size; the list icon shows the element
// list, where the extras button of "date" leads to its rename; a tap selects the battery bar,
// whose "+ Add To UIView" row opens "Select UIView", where "box" is picked; the gear's "Creator
// Options" menu saves the theme as "Inspected".
TEST_F(InspectorScenario, EditsMadeThroughTheInspectorAndTheElementListAreInTheSavedTheme) {
  const std::string grouped = file("grouped.json").string();
  const std::string scenario = R"([
    {"at": 1, "do": "open", "path": ["Theme Editor"]},
    {"at": 2, "do": "tap", "x": 187, "y": 200},
    {"at": 3, "do": "tap", "x": 313, "y": 795},
    {"at": 4, "do": "pickColor", "color": [0.2, 0.4, 0.6, 0.75]},
    {"at": 5, "do": "pan", "from": [100, 790], "to": [100, 640], "seconds": 0.5},
    {"at": 6, "do": "tap", "x": 215, "y": 735},
    {"at": 7, "do": "tap", "x": 349, "y": 535},
    {"at": 8, "do": "type", "text": "72"},
    {"at": 9, "do": "return"},
    {"at": 10, "do": "tap", "x": 30, "y": 576},
    {"at": 12, "do": "tap", "x": 355, "y": 742},
    {"at": 13, "do": "alert", "title": "Rename Element"},
    {"at": 14, "do": "alert", "title": "Rename", "texts": ["subtitle"]},
    {"at": 15, "do": "tap", "x": 187, "y": 395},
    {"at": 16, "do": "tap", "x": 187, "y": 616},
    {"at": 17, "do": "tap", "x": 187, "y": 656},
    {"at": 18, "do": "snapshot", "dump": ")" + grouped + R"("},
    {"at": 19, "do": "tap", "x": 355, "y": 576},
    {"at": 20, "do": "tap", "x": 187, "y": 730},
    {"at": 21, "do": "alert", "title": "Save", "texts": ["Inspected"]},
    {"at": 22, "do": "alert", "title": "Ok"}
  ])";
  ASSERT_TRUE(platform::foundation::writeFileAtomically(file("scenario.json"), scenario));
  hosts::HostProcess host(SETTINGS_PROGRAM,
                          {"--root", root.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00",
                           "--scenario", file("scenario.json").string()},
                          {"TZ=Europe/Berlin"});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  // Every event found what it touches: a row, a field, the picker or the alert.
  EXPECT_TRUE(hosts::hostLines(host.errors(), "settings").empty()) << host.errors();

  // The canvas draws the battery bar inside the box.
  std::vector<std::string> ids;
  ASSERT_TRUE(pathToId(readJson(grouped), "battery", ids));
  EXPECT_NE(std::find(ids.begin(), ids.end(), "box"), ids.end());

  const std::filesystem::path themes = root.path() / "var/mobile/Library/Vantile/themes";
  const std::string text = readFile(themes / "Inspected.json").value_or("");
  const Value saved = Value::parse(text, nullptr, false);
  ASSERT_TRUE(saved.is_object()) << text;
  const Value& preset = member(saved, "PresetView");
  const Value& children = member(preset, "children");
  const Value& clock = member(children, "clock");
  EXPECT_EQ(textOf(member(clock, "fontSize")), "72");
  EXPECT_EQ(textOf(member(clock, "textColor")), "rgba(51, 102, 153, 0.75)");

  EXPECT_EQ(textOf(member(member(children, "subtitle"), "data")), "[day], [month] [date]");
  EXPECT_EQ(text.find("\"date\""), std::string::npos) << text;

  EXPECT_FALSE(children.contains("battery"));
  const Value& box = member(children, "box");
  EXPECT_EQ(textOf(member(member(member(box, "children"), "battery"), "type")), "BatteryBar");
  EXPECT_EQ(textOf(member(box, "childorder")), "boxTitle,boxDetail,battery");
  EXPECT_EQ(member(preset, "order"), Value::parse(R"(["clock", "subtitle", "box"])"));
  EXPECT_TRUE(std::filesystem::exists(themes / "Inspected.jpg"));
}

}  // namespace
}  // namespace vantile::settings_host
