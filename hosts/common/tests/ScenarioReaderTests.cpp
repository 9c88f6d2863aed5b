#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hosts/common/scenario/ScenarioReader.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::hosts {
namespace {

TEST(ScenarioReader, ReadsEveryEventWithItsFieldsSortedByTimeKeepingTheFileOrderOfTies) {
  const auto reading = readScenario(R"([
    {"at": 5, "do": "snapshot", "lockPng": "late.png", "dump": "late.json"},
    {"at": 1, "do": "unlock"},
    {"at": 2, "do": "device", "path": "battery.level", "value": 15},
    {"at": 1, "do": "setting", "key": "VantileTheme", "value": "Night.json"},
    {"at": 1.5, "do": "notify", "name": "com.kestrune.vantile/preferences.changed"},
    {"at": 3, "do": "tap", "x": 10, "y": 20.5},
    {"at": 3, "do": "longPress", "x": 1, "y": 2},
    {"at": 4, "do": "swipe", "x": 187, "y": 700, "direction": "up"},
    {"at": 4, "do": "rotate", "orientation": "landscapeLeft"},
    {"at": 0, "do": "plug"},
    {"at": 6, "do": "device", "path": "apps.com.apple.MobileSMS.badge", "value": null}
  ])",
                                    "s.json", ScenarioHost::springboard);
  ASSERT_TRUE(reading.events) << reading.error;
  const auto& events = *reading.events;
  ASSERT_EQ(events.size(), 11u);
  std::vector<std::size_t> order;
  for (const ScenarioEvent& event : events) order.push_back(event.index);
  EXPECT_EQ(order, (std::vector<std::size_t>{9, 1, 3, 4, 2, 5, 6, 7, 8, 0, 10}));

  EXPECT_EQ(events[0].action, ScenarioAction::plug);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(events[0].payload));
  const auto& setting = std::get<SettingWrite>(events[2].payload);
  EXPECT_EQ(setting.key, "VantileTheme");
  EXPECT_EQ(setting.value, "Night.json");
  EXPECT_EQ(std::get<DarwinPost>(events[3].payload).name, "com.kestrune.vantile/preferences.changed");
  const auto& change = std::get<DeviceValueChange>(events[4].payload);
  EXPECT_EQ(change.path, "battery.level");
  EXPECT_EQ(change.value, 15);
  EXPECT_EQ(events[5].action, ScenarioAction::tap);
  EXPECT_EQ(std::get<TouchAt>(events[5].payload).point, (platform::graphics::Point{10, 20.5}));
  EXPECT_EQ(events[6].action, ScenarioAction::longPress);
  const auto& swipe = std::get<SwipeFrom>(events[7].payload);
  EXPECT_EQ(swipe.point, (platform::graphics::Point{187, 700}));
  EXPECT_EQ(swipe.direction, SwipeDirection::up);
  EXPECT_EQ(std::get<Rotation>(events[8].payload).orientation, platform::ui::DeviceOrientation::landscapeLeft);
  const auto& snapshot = std::get<Snapshot>(events[9].payload);
  EXPECT_EQ(snapshot.lockPng, "late.png");
  EXPECT_FALSE(snapshot.homePng);
  EXPECT_EQ(snapshot.dump, "late.json");
  EXPECT_TRUE(std::get<DeviceValueChange>(events[10].payload).value.is_null()) << "a badge taken away";
  EXPECT_EQ(scenarioLength(events), 6);
}

TEST(ScenarioReader, ReadsTheAppDrawerEvents) {
  const auto reading = readScenario(R"([
    {"at": 1, "do": "tapLetter", "letter": "M"},
    {"at": 2, "do": "longPressApp", "bundle": "com.apple.Maps"},
    {"at": 3, "do": "chooseAction", "title": "Add to favorites"}
  ])",
                                    "s.json", ScenarioHost::springboard);
  ASSERT_TRUE(reading.events) << reading.error;
  const auto& events = *reading.events;
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].action, ScenarioAction::tapLetter);
  EXPECT_EQ(std::get<LetterTap>(events[0].payload).letter, "M");
  EXPECT_EQ(events[1].action, ScenarioAction::longPressApp);
  EXPECT_EQ(std::get<AppPress>(events[1].payload).bundle, "com.apple.Maps");
  EXPECT_EQ(events[2].action, ScenarioAction::chooseAction);
  EXPECT_EQ(std::get<ActionChoice>(events[2].payload).title, "Add to favorites");

  const auto refused = readScenario(R"([{"at": 1, "do": "tapLetter"}])", "s.json", ScenarioHost::springboard);
  EXPECT_EQ(refused.error, "springboard: s.json: event 0: \"tapLetter\" needs \"letter\"");
}

TEST(ScenarioReader, TakesAnEmptyScenario) {
  const auto reading = readScenario("[]", "s.json", ScenarioHost::springboard);
  ASSERT_TRUE(reading.events);
  EXPECT_TRUE(reading.events->empty());
  EXPECT_EQ(scenarioLength(*reading.events), 0);
}

struct RefusedScenario {
  std::string text;
  std::string error;
};

// The whole line, so that the file, the event's index and the reason all show.
TEST(ScenarioReader, RefusesABadFileWithOneLineNamingTheFileAndTheEvent) {
  const std::string ok = R"({"at": 0, "do": "lock"}, )";
  const std::vector<RefusedScenario> cases{
      {"", "springboard: s.json: not JSON: "},
      {"[{\"at\": 1, \"do\": \"lock\"", "springboard: s.json: not JSON: "},
      {R"({"at": 1, "do": "lock"})", "springboard: s.json: a scenario is a JSON array of events"},
      {"[" + ok + "3]", "springboard: s.json: event 1: an event is an object such as {\"at\": 1, \"do\": \"unlock\"}"},
      {"[" + ok + R"({"at": 1, "do": "jump"}])", "springboard: s.json: event 1: unknown event \"jump\""},
      {"[" + ok + R"({"do": "lock"}])", "springboard: s.json: event 1: needs \"at\""},
      {"[" + ok + R"({"at": "1", "do": "lock"}])", "springboard: s.json: event 1: \"at\" must be a number"},
      {"[" + ok + R"({"at": -1, "do": "lock"}])", "springboard: s.json: event 1: \"at\" must be from 0 to 86400 seconds"},
      {"[" + ok + R"({"at": 1}])", "springboard: s.json: event 1: needs \"do\""},
      {"[" + ok + R"({"at": 1, "do": 7}])", "springboard: s.json: event 1: \"do\" must be a non-empty string"},
      {"[" + ok + ok + R"({"at": 1, "do": "tap", "x": 3}])", "springboard: s.json: event 2: \"tap\" needs \"y\""},
      {"[" + ok + R"({"at": 1, "do": "longPress", "x": "3", "y": 4}])",
       "springboard: s.json: event 1: \"longPress\" \"x\" must be a number"},
      {"[" + ok + R"({"at": 1, "do": "swipe", "x": 3, "y": 4}])",
       "springboard: s.json: event 1: \"swipe\" needs \"direction\""},
      {"[" + ok + R"({"at": 1, "do": "swipe", "x": 3, "y": 4, "direction": "sideways"}])",
       "springboard: s.json: event 1: \"swipe\" \"direction\" must be one of up, down, left, right, not \"sideways\""},
      {"[" + ok + R"({"at": 1, "do": "rotate", "orientation": "faceUp"}])",
       "springboard: s.json: event 1: \"rotate\" \"orientation\" must be one of portrait, portraitUpsideDown, "
       "landscapeLeft, landscapeRight, not \"faceUp\""},
      {"[" + ok + R"({"at": 1, "do": "device", "value": 3}])", "springboard: s.json: event 1: \"device\" needs \"path\""},
      {"[" + ok + R"({"at": 1, "do": "device", "path": "battery.level"}])",
       "springboard: s.json: event 1: \"device\" needs \"value\""},
      {"[" + ok + R"({"at": 1, "do": "device", "path": "battery..level", "value": 3}])",
       "springboard: s.json: event 1: \"device\" \"path\" must be keys joined by dots, such as \"battery.level\", not "
       "\"battery..level\""},
      {"[" + ok + R"({"at": 1, "do": "setting", "key": "enabled", "value": null}])",
       "springboard: s.json: event 1: \"setting\" \"value\" must not be null"},
      {"[" + ok + R"({"at": 1, "do": "setting", "value": true}])", "springboard: s.json: event 1: \"setting\" needs \"key\""},
      {"[" + ok + R"({"at": 1, "do": "notify", "name": ""}])",
       "springboard: s.json: event 1: \"notify\" \"name\" must be a non-empty string"},
      {"[" + ok + R"({"at": 1, "do": "snapshot"}])",
       "springboard: s.json: event 1: \"snapshot\" needs at least one of \"lockPng\", \"homePng\", \"dump\""},
      {"[" + ok + R"({"at": 1, "do": "snapshot", "lockpng": "a.png"}])",
       "springboard: s.json: event 1: \"snapshot\" needs at least one of \"lockPng\", \"homePng\", \"dump\""},
      {"[" + ok + R"({"at": 1, "do": "snapshot", "lockPng": "a.png", "homepng": "b.png"}])",
       "springboard: s.json: event 1: \"snapshot\" unknown field \"homepng\""},
      {"[" + ok + R"({"at": 1, "do": "unlock", "x": 3}])", "springboard: s.json: event 1: \"unlock\" unknown field \"x\""},
  };
  for (const RefusedScenario& refused : cases) {
    SCOPED_TRACE(refused.text);
    const auto reading = readScenario(refused.text, "s.json", ScenarioHost::springboard);
    EXPECT_FALSE(reading.events);
    EXPECT_EQ(reading.error.substr(0, refused.error.size()), refused.error) << reading.error;
    EXPECT_EQ(reading.error.find('\n'), std::string::npos);
  }
}

TEST(ScenarioReader, ReadsTheSettingsHostsEvents) {
  const auto reading = readScenario(R"([
    {"at": 0, "do": "open", "path": ["Theme Editor"]},
    {"at": 1, "do": "tap", "x": 10, "y": 20},
    {"at": 1, "do": "pan", "from": [10, 20], "to": [110, 20.5], "seconds": 0.5},
    {"at": 2, "do": "pinch", "center": [187, 300], "scale": 1.5},
    {"at": 3, "do": "type", "text": "my theme"},
    {"at": 3, "do": "return"},
    {"at": 4, "do": "alert", "title": "Save", "texts": ["Night", ""]},
    {"at": 4, "do": "alert", "title": "Ok"},
    {"at": 5, "do": "pickPhoto", "file": "photo.png"},
    {"at": 5, "do": "pickColor", "color": [1, 0.5, 0]},
    {"at": 6, "do": "keyboard", "state": "show", "height": 300},
    {"at": 6, "do": "keyboard", "state": "hide"},
    {"at": 7, "do": "snapshot", "png": "editor.png"}
  ])",
                                    "s.json", ScenarioHost::settings);
  ASSERT_TRUE(reading.events) << reading.error;
  const auto& events = *reading.events;
  ASSERT_EQ(events.size(), 13u);
  EXPECT_EQ(std::get<PaneOpening>(events[0].payload).titles, std::vector<std::string>{"Theme Editor"});
  EXPECT_EQ(std::get<TouchAt>(events[1].payload).point, (platform::graphics::Point{10, 20}));
  const auto& pan = std::get<Pan>(events[2].payload);
  EXPECT_EQ(pan.from, (platform::graphics::Point{10, 20}));
  EXPECT_EQ(pan.to, (platform::graphics::Point{110, 20.5}));
  EXPECT_EQ(pan.seconds, 0.5);
  EXPECT_EQ(std::get<Pinch>(events[3].payload).center, (platform::graphics::Point{187, 300}));
  EXPECT_EQ(std::get<Pinch>(events[3].payload).scale, 1.5);
  EXPECT_EQ(std::get<TextInput>(events[4].payload).text, "my theme");
  EXPECT_EQ(events[5].action, ScenarioAction::returnKey);
  EXPECT_EQ(std::get<AlertAnswer>(events[6].payload).title, "Save");
  EXPECT_EQ(std::get<AlertAnswer>(events[6].payload).texts, (std::vector<std::string>{"Night", ""}));
  EXPECT_TRUE(std::get<AlertAnswer>(events[7].payload).texts.empty());
  EXPECT_EQ(std::get<PhotoPick>(events[8].payload).file, "photo.png");
  EXPECT_EQ(std::get<ColorPick>(events[9].payload).color, (platform::graphics::Color{1, 0.5, 0, 1}));
  EXPECT_TRUE(std::get<KeyboardChange>(events[10].payload).show);
  EXPECT_EQ(std::get<KeyboardChange>(events[10].payload).height, 300);
  EXPECT_FALSE(std::get<KeyboardChange>(events[11].payload).show);
  const auto& snapshot = std::get<WindowSnapshot>(events[12].payload);
  EXPECT_EQ(snapshot.png, "editor.png");
  EXPECT_FALSE(snapshot.dump);
}

TEST(ScenarioReader, RefusesASettingsEventWithAMissingOrBadField) {
  const std::string ok = R"({"at": 0, "do": "return"}, )";
  const std::vector<RefusedScenario> cases{
      {R"({"at": 1, "do": "open"}])", "event 1: \"open\" needs \"path\""},
      {R"({"at": 1, "do": "open", "path": []}])", "event 1: \"open\" \"path\" must be an array of non-empty strings"},
      {R"({"at": 1, "do": "open", "path": "Theme Editor"}])",
       "event 1: \"open\" \"path\" must be an array of non-empty strings"},
      {R"({"at": 1, "do": "pan", "to": [1, 2], "seconds": 1}])", "event 1: \"pan\" needs \"from\""},
      {R"({"at": 1, "do": "pan", "from": [1, 2], "to": [1, 2]}])", "event 1: \"pan\" needs \"seconds\""},
      {R"({"at": 1, "do": "pan", "from": [1], "to": [1, 2], "seconds": 1}])",
       "event 1: \"pan\" \"from\" must be a point [x, y]"},
      {R"({"at": 1, "do": "pan", "from": [1, 2], "to": [1, "2"], "seconds": 1}])",
       "event 1: \"pan\" \"to\" must be a point [x, y]"},
      {R"({"at": 1, "do": "pan", "from": [1, 2], "to": [1, 2], "seconds": 0}])",
       "event 1: \"pan\" \"seconds\" must be more than 0 and at most 60"},
      {R"({"at": 1, "do": "pinch", "scale": 2}])", "event 1: \"pinch\" needs \"center\""},
      {R"({"at": 1, "do": "pinch", "center": [1, 2]}])", "event 1: \"pinch\" needs \"scale\""},
      {R"({"at": 1, "do": "pinch", "center": [1, 2], "scale": -1}])",
       "event 1: \"pinch\" \"scale\" must be more than 0 and at most 20"},
      {R"({"at": 1, "do": "type"}])", "event 1: \"type\" needs \"text\""},
      {R"({"at": 1, "do": "alert", "texts": ["a"]}])", "event 1: \"alert\" needs \"title\""},
      {R"({"at": 1, "do": "alert", "title": "Save", "texts": [3]}])",
       "event 1: \"alert\" \"texts\" must be an array of strings"},
      {R"({"at": 1, "do": "pickPhoto"}])", "event 1: \"pickPhoto\" needs \"file\""},
      {R"({"at": 1, "do": "pickColor"}])", "event 1: \"pickColor\" needs \"color\""},
      {R"({"at": 1, "do": "pickColor", "color": [1, 2, 0]}])",
       "event 1: \"pickColor\" \"color\" must be [red, green, blue] or [red, green, blue, alpha], each from 0 to 1"},
      {R"({"at": 1, "do": "keyboard"}])", "event 1: \"keyboard\" needs \"state\""},
      {R"({"at": 1, "do": "keyboard", "state": "up"}])",
       "event 1: \"keyboard\" \"state\" must be one of show, hide, not \"up\""},
      {R"({"at": 1, "do": "keyboard", "state": "hide", "height": 300}])",
       "event 1: \"keyboard\" \"height\" goes only with \"show\""},
      {R"({"at": 1, "do": "keyboard", "state": "show", "height": 0}])",
       "event 1: \"keyboard\" \"height\" must be more than 0 and at most 1000 points"},
      {R"({"at": 1, "do": "snapshot", "lockPng": "a.png"}])",
       "event 1: \"snapshot\" needs at least one of \"png\", \"dump\""},
      {R"({"at": 1, "do": "return", "text": "x"}])", "event 1: \"return\" unknown field \"text\""},
  };
  for (const RefusedScenario& refused : cases) {
    SCOPED_TRACE(refused.text);
    const auto reading = readScenario("[" + ok + refused.text, "s.json", ScenarioHost::settings);
    EXPECT_FALSE(reading.events);
    EXPECT_EQ(reading.error, "settings: s.json: " + refused.error);
  }
}

TEST(ScenarioReader, NamesTheHostOfAnEventTheOtherHostDoesNotTake) {
  EXPECT_EQ(readScenario(R"([{"at": 1, "do": "pinch", "center": [1, 2], "scale": 2}])", "s.json",
                         ScenarioHost::springboard)
                .error,
            "springboard: s.json: event 0: \"pinch\" is an event of the settings host, not of springboard");
  EXPECT_EQ(readScenario(R"([{"at": 1, "do": "unlock"}])", "s.json", ScenarioHost::settings).error,
            "settings: s.json: event 0: \"unlock\" is an event of the springboard host, not of settings");
}

TEST(ScenarioReader, NamesAFileThatCannotBeRead) {
  testing::TemporaryDeviceRoot root;
  const auto missing = root.path() / "missing.json";
  EXPECT_EQ(readScenarioFile(missing, ScenarioHost::springboard).error, "springboard: " + missing.string() + ": cannot be read");
}

}  // namespace
}  // namespace vantile::hosts
