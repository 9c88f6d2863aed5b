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
                                    "s.json");
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
                                    "s.json");
  ASSERT_TRUE(reading.events) << reading.error;
  const auto& events = *reading.events;
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].action, ScenarioAction::tapLetter);
  EXPECT_EQ(std::get<LetterTap>(events[0].payload).letter, "M");
  EXPECT_EQ(events[1].action, ScenarioAction::longPressApp);
  EXPECT_EQ(std::get<AppPress>(events[1].payload).bundle, "com.apple.Maps");
  EXPECT_EQ(events[2].action, ScenarioAction::chooseAction);
  EXPECT_EQ(std::get<ActionChoice>(events[2].payload).title, "Add to favorites");

  const auto refused = readScenario(R"([{"at": 1, "do": "tapLetter"}])", "s.json");
  EXPECT_EQ(refused.error, "springboard: s.json: event 0: \"tapLetter\" needs \"letter\"");
}

TEST(ScenarioReader, TakesAnEmptyScenario) {
  const auto reading = readScenario("[]", "s.json");
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
    const auto reading = readScenario(refused.text, "s.json");
    EXPECT_FALSE(reading.events);
    EXPECT_EQ(reading.error.substr(0, refused.error.size()), refused.error) << reading.error;
    EXPECT_EQ(reading.error.find('\n'), std::string::npos);
  }
}

TEST(ScenarioReader, NamesAFileThatCannotBeRead) {
  testing::TemporaryDeviceRoot root;
  const auto missing = root.path() / "missing.json";
  EXPECT_EQ(readScenarioFile(missing).error, "springboard: " + missing.string() + ": cannot be read");
}

}  // namespace
}  // namespace vantile::hosts
