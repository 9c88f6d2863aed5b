#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "hosts/common/testing/HostProcess.h"
#include "hosts/settings/tests/ScenarioDumps.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/ImageCodec.h"
#include "testing/ReferenceImage.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

using platform::foundation::writeFileAtomically;

std::filesystem::path sourcePath(const char* relative) {
  return std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) / relative;
}

// The example device, copied so that the host may write into it.
class SettingsScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(sourcePath("examples/device"), root.path(), std::filesystem::copy_options::recursive);
  }

  std::filesystem::path writeScenario(const std::string& text) const {
    const auto file = root.path() / "scenario.json";
    EXPECT_TRUE(writeFileAtomically(file, text));
    return file;
  }

  std::filesystem::path program() const { return SETTINGS_PROGRAM; }

  testing::TemporaryDeviceRoot root;
};

// The dumped views from the window down to the one whose identifier is `id`, searched depth
// first; empty when there is none.
// The dumped view's subviews, in the dump itself.
const platform::Value& subviewsOf(const platform::Value& entry) {
  static const platform::Value none = platform::Value::array();
  const auto subviews = entry.find("subviews");
  return subviews != entry.end() ? *subviews : none;
}

std::vector<const platform::Value*> pathToId(const platform::Value& entry, std::string_view id) {
  if (entry.value("id", "") == id) return {&entry};
  for (const platform::Value& child : subviewsOf(entry)) {
    std::vector<const platform::Value*> path = pathToId(child, id);
    if (!path.empty()) {
      path.insert(path.begin(), &entry);
      return path;
    }
  }
  return {};
}

std::vector<double> frameOf(const platform::Value& entry) { return entry.at("frame").get<std::vector<double>>(); }

bool showsLabel(const platform::Value& entry, std::string_view text) {
  if (entry.value("text", "") == text && !entry.value("hidden", true)) return true;
  for (const platform::Value& child : subviewsOf(entry)) {
    if (showsLabel(child, text)) return true;
  }
  return false;
}

// The root pane's row leads to the editor pane, whose canvas draws the starting theme; a tap on
// an element selects it (frame, handles and name tab), a pinch zooms the canvas out.
TEST_F(SettingsScenario, OpensTheEditorSelectsAnElementByATapAndPinchesTheCanvas) {
  const auto path = [this](const char* name) { return (root.path() / name).string(); };
  const auto scenario = writeScenario(R"([
    {"at": 0, "do": "snapshot", "dump": ")" + path("root.json") + R"("},
    {"at": 1, "do": "open", "path": ["Theme Editor"]},
    {"at": 2, "do": "snapshot", "dump": ")" + path("editor.json") + R"("},
    {"at": 3, "do": "tap", "x": 187, "y": 200},
    {"at": 4, "do": "snapshot", "dump": ")" + path("selected.json") + R"(", "png": ")" + path("selected.png") + R"("},
    {"at": 5, "do": "pinch", "center": [187, 300], "scale": 0.5},
    {"at": 7, "do": "snapshot", "dump": ")" + path("pinched.json") + R"("}
  ])");
  hosts::HostProcess host(program(),
                          {"--root", root.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00",
                           "--scenario", scenario.string(), "--dump", path("end.json")},
                          {"TZ=Europe/Berlin"});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  EXPECT_TRUE(hosts::hostLines(host.errors(), "settings").empty()) << host.errors();

  const platform::Value rootPane = readDump(root.path() / "root.json");
  EXPECT_NE(rootPane.dump().find("\"text\":\"Theme Editor\""), std::string::npos) << rootPane.dump(1);
  const platform::Value editor = readDump(root.path() / "editor.json");
  EXPECT_EQ(editor, readDump(sourcePath("hosts/settings/tests/fixtures/editor-expected.json")));

  // The clock label sits on the canvas root after its backdrop: background, grid, selection frame;
  // the two handles come last.
  const platform::Value selected = readDump(root.path() / "selected.json");
  const auto toClock = pathToId(selected, "clock");
  ASSERT_GE(toClock.size(), 3u);
  const std::vector<double> clockFrame = frameOf(*toClock.back());
  const platform::Value& canvasViews = subviewsOf(*toClock[toClock.size() - 2]);
  EXPECT_EQ(frameOf(canvasViews.at(2)), clockFrame);
  const double x = clockFrame[0], y = clockFrame[1], width = clockFrame[2], height = clockFrame[3];
  const double widthHandleHeight = std::max(0.2 * height, 20.0), heightHandleWidth = std::max(0.2 * width, 20.0);
  const std::size_t count = canvasViews.size();
  EXPECT_EQ(frameOf(canvasViews.at(count - 2)),
            (std::vector<double>{x + width - 6, y + height / 2 - widthHandleHeight / 2, 12, widthHandleHeight}));
  EXPECT_EQ(frameOf(canvasViews.at(count - 1)),
            (std::vector<double>{x + width / 2 - heightHandleWidth / 2, y + height - 6, heightHandleWidth, 12}));
  EXPECT_TRUE(showsLabel(selected, "clock"));
  EXPECT_TRUE(testing::matchesReference(platform::graphics::decodeImageFile(root.path() / "selected.png"),
                                        "hosts/settings/tests/reference", "editor-selected"));

  // The display that holds the canvas root shrinks to about half its size around the pinch.
  const platform::Value pinched = readDump(root.path() / "pinched.json");
  const auto pinchedToClock = pathToId(pinched, "clock");
  ASSERT_GE(pinchedToClock.size(), 3u);
  const std::vector<double> before = frameOf(*toClock[toClock.size() - 3]);
  const std::vector<double> after = frameOf(*pinchedToClock[pinchedToClock.size() - 3]);
  EXPECT_NEAR(after[2], before[2] * 0.5, before[2] * 0.05);
  EXPECT_NEAR(after[3], before[3] * 0.5, before[3] * 0.05);
  EXPECT_EQ(readDump(root.path() / "end.json"), pinched);
  EXPECT_NE(pinched, selected);
}

// Dragging the selected clock by (23, 41) leaves it on the 5-point grid; its width handle
// dragged 33 points in narrows it to the grid too, and the handles follow the new size.
TEST_F(SettingsScenario, DragsTheSelectedElementOntoTheGridAndResizesItByItsHandle) {
  const auto path = [this](const char* name) { return (root.path() / name).string(); };
  const auto scenario = writeScenario(R"([
    {"at": 1, "do": "open", "path": ["Theme Editor"]},
    {"at": 3, "do": "tap", "x": 187, "y": 200},
    {"at": 4, "do": "snapshot", "dump": ")" + path("selected.json") + R"("},
    {"at": 5, "do": "pan", "from": [187, 200], "to": [210, 241], "seconds": 0.5},
    {"at": 7, "do": "snapshot", "dump": ")" + path("dragged.json") + R"("},
    {"at": 8, "do": "pan", "from": [370, 242], "to": [337, 242], "seconds": 0.5},
    {"at": 10, "do": "snapshot", "dump": ")" + path("resized.json") + R"("}
  ])");
  hosts::HostProcess host(program(),
                          {"--root", root.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00",
                           "--scenario", scenario.string()},
                          {"TZ=Europe/Berlin"});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  EXPECT_TRUE(hosts::hostLines(host.errors(), "settings").empty()) << host.errors();

  const auto clockFrame = [&](const char* file) {
    const platform::Value dump = readDump(root.path() / file);
    const auto toClock = pathToId(dump, "clock");
    return toClock.empty() ? std::vector<double>{} : frameOf(*toClock.back());
  };
  EXPECT_EQ(clockFrame("selected.json"), (std::vector<double>{27, 110, 320, 96}));
  EXPECT_EQ(clockFrame("dragged.json"), (std::vector<double>{50, 150, 320, 96}));
  EXPECT_EQ(clockFrame("resized.json"), (std::vector<double>{50, 150, 285, 96}));

  const platform::Value resized = readDump(root.path() / "resized.json");
  const auto toClock = pathToId(resized, "clock");
  ASSERT_GE(toClock.size(), 2u);
  const platform::Value& canvasViews = subviewsOf(*toClock[toClock.size() - 2]);
  EXPECT_EQ(frameOf(canvasViews.at(canvasViews.size() - 2)), (std::vector<double>{329, 188, 12, 20}));
}

TEST_F(SettingsScenario, RefusesAnEventOfTheSpringBoardHostWithOneLine) {
  const auto scenario = writeScenario(R"([{"at": 0, "do": "unlock"}])");
  hosts::HostProcess host(program(), {"--root", root.path().string(), "--scenario", scenario.string()});
  EXPECT_EQ(host.wait(), 2);
  EXPECT_EQ(hosts::hostLines(host.errors(), "settings"),
            std::vector<std::string>{"settings: " + scenario.string() +
                                     ": event 0: \"unlock\" is an event of the springboard host, not of settings"});
}

TEST_F(SettingsScenario, SaysWhatOfTheScenarioFindsNothingToTouchAndGoesOn) {
  const auto scenario = writeScenario(R"([
    {"at": 0, "do": "open", "path": ["Nowhere"]},
    {"at": 1, "do": "alert", "title": "Ok"},
    {"at": 2, "do": "type", "text": "x"}
  ])");
  hosts::HostProcess host(program(), {"--root", root.path().string(), "--scenario", scenario.string()});
  EXPECT_EQ(host.wait(), 0) << host.errors();
  EXPECT_EQ(hosts::hostLines(host.errors(), "settings"),
            (std::vector<std::string>{"settings: scenario event 0: the pane shown has no row \"Nowhere\"",
                                      "settings: scenario event 1: no alert or sheet is shown",
                                      "settings: scenario event 2: no text field is being edited"}));
}

}  // namespace
}  // namespace vantile::settings_host
