#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/springboard/device/DeviceStateReader.h"
#include "testing/TemporaryDeviceRoot.h"

namespace platform::springboard {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

TEST(DeviceStateReaderTest, AnEmptyObjectGivesTheDefaultsWithoutProblems) {
  const auto reading = parseDeviceState("{}", "device.json");
  EXPECT_THAT(reading.problems, IsEmpty());
  EXPECT_EQ(reading.state, DeviceState{});
  EXPECT_EQ(reading.state.ios, 16);
  EXPECT_TRUE(reading.state.locked);
  EXPECT_EQ(reading.state.locale, "en_US");
  EXPECT_EQ(reading.state.systemVersion(), "16.0");
}

TEST(DeviceStateReaderTest, EveryKeyIsRead) {
  const auto reading = parseDeviceState(R"({
    "ios": 14, "locked": false,
    "battery": {"level": 42, "charging": true, "externalPower": true},
    "wifi": {"on": false, "network": "Cafe", "bars": 1},
    "cellular": {"carrier": "Telco", "bars": 2},
    "bluetooth": {"on": true, "accessories": [{"name": "Buds", "battery": 55}]},
    "alarm": {"time": "06:30", "enabled": true},
    "nowPlaying": {"title": "Song", "artist": "Band", "album": "Record", "duration": 200, "elapsed": 20,
                   "playing": true, "artwork": "/var/mobile/art.png", "app": "com.apple.Music"},
    "apps": [{"bundleID": "com.apple.MobileSMS", "name": "Messages", "badge": "3", "icon": "/icons/sms.png",
              "system": true, "internal": false, "hidden": false},
             {"bundleID": "com.example.tool", "badge": 7, "internal": true, "hidden": true}],
    "dock": ["com.apple.MobileSMS"],
    "flashlight": 0.5, "deviceName": "Kim's iPhone", "locale": "de_DE", "timeZone": "Europe/Berlin",
    "weather": {"temperature": 71, "condition": 32, "city": "Berlin"},
    "timer": {"running": true, "remaining": 90}
  })",
                                        "device.json");
  EXPECT_THAT(reading.problems, IsEmpty());
  const DeviceState& state = reading.state;
  EXPECT_EQ(state.ios, 14);
  EXPECT_FALSE(state.locked);
  EXPECT_EQ(state.battery, (BatteryState{42, true, true}));
  EXPECT_EQ(state.wifi, (WifiState{false, "Cafe", 1}));
  EXPECT_EQ(state.cellular, (CellularState{"Telco", 2}));
  EXPECT_THAT(state.bluetooth.accessories, ElementsAre(BluetoothAccessory{"Buds", 55}));
  EXPECT_EQ(state.alarm, (AlarmState{"06:30", true}));
  EXPECT_EQ(state.nowPlaying,
            (NowPlayingState{"Song", "Band", "Record", 200, 20, true, "/var/mobile/art.png", "com.apple.Music"}));
  ASSERT_THAT(state.apps, SizeIs(2));
  EXPECT_EQ(state.apps[0], (AppState{"com.apple.MobileSMS", "Messages", "3", "/icons/sms.png", true, false, false}));
  // A missing name comes from the bundle id; a whole-number badge reads as its text.
  EXPECT_EQ(state.apps[1], (AppState{"com.example.tool", "tool", "7", "", false, true, true}));
  EXPECT_THAT(state.dock, ElementsAre("com.apple.MobileSMS"));
  EXPECT_EQ(state.flashlight, 0.5);
  EXPECT_EQ(state.deviceName, "Kim's iPhone");
  EXPECT_EQ(state.locale, "de_DE");
  EXPECT_EQ(state.timeZone, "Europe/Berlin");
  EXPECT_EQ(state.weather.temperature, 71);
  // Without its own value the feels-like temperature is the temperature.
  EXPECT_EQ(state.weather.feelsLike, 71);
  EXPECT_EQ(state.weather.condition, 32);
  EXPECT_EQ(state.weather.city, "Berlin");
  EXPECT_EQ(state.timer, (TimerState{true, 90}));
}

TEST(DeviceStateReaderTest, WhatWasReadIsWrittenBackUnchanged) {
  DeviceState state;
  state.apps = {{"com.apple.Music", "Music", "1", "/i.png", true, false, false}};
  state.battery.level = 12;
  state.nowPlaying.title = "Song";
  state.weather.place = PlaceState{.locality = "Berlin", .country = "Germany"};
  state.weather.daily = {{40, 50, 32, 20}, {41, 52, 11, std::nullopt}};
  state.weather.hourly = {{"9:00", 45, 30, 5}};
  state.calendar.calendars = {{"Work", "rgba(1, 2, 3, 1)"}};
  state.calendar.events = {{"Stand-up", std::nullopt, "2026-12-09T09:00:00", "2026-12-09T09:15:00", false, "Work"}};
  state.steps = {false, {{"2026-12-08", 1234}}};
  const auto reading = readDeviceState(deviceStateToJson(state), "round trip");
  EXPECT_THAT(reading.problems, IsEmpty());
  EXPECT_EQ(reading.state, state);
}

struct ProblemCase {
  const char* json;
  const char* line;
};

class DeviceStateProblemTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(DeviceStateProblemTest, IsReportedOnceWithTheFileAndTheKey) {
  const auto reading = parseDeviceState(GetParam().json, "device.json");
  ASSERT_THAT(reading.problems, SizeIs(1));
  EXPECT_EQ(reading.problems.front(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceStateProblemTest,
    ::testing::Values(
        ProblemCase{R"({"battery": {"levle": 3}})", "device.json: battery.levle is not a known key, ignored"},
        ProblemCase{R"({"colour": "red"})", "device.json: colour is not a known key, ignored"},
        ProblemCase{R"({"battery": {"level": 140}})", "device.json: battery.level 140 is above 100, using 100"},
        ProblemCase{R"({"wifi": {"bars": -2}})", "device.json: wifi.bars -2 is below 0, using 0"},
        ProblemCase{R"({"flashlight": 3})", "device.json: flashlight 3 is above 1, using 1"},
        ProblemCase{R"({"locked": "yes"})", "device.json: locked should be true or false, not \"yes\", using the default"},
        ProblemCase{R"({"apps": {}})", "device.json: apps should be an array, not {}, using the default"},
        ProblemCase{R"({"apps": [{"name": "Nameless"}]})", "device.json: apps.0 has no bundleID, ignored"},
        ProblemCase{R"({"alarm": {"time": "25:00"}})", "device.json: alarm.time \"25:00\" is not HH:mm, no alarm"},
        ProblemCase{R"({"nowPlaying": {"duration": 10, "elapsed": 30}})",
                    "device.json: nowPlaying.elapsed is past the duration, using the duration"},
        ProblemCase{R"({"calendar": {"events": [{"title": "Lunch", "start": "noon"}]}})",
                    "device.json: calendar.events.0 needs \"start\" and \"end\" as YYYY-MM-DDTHH:MM:SS, ignored"},
        ProblemCase{R"({"steps": {"samples": [{"date": "12/09/2026", "count": 5}]}})",
                    "device.json: steps.samples.0 needs \"date\" as YYYY-MM-DD, ignored"},
        ProblemCase{R"({"weather": {"sunrise": "7.15"}})",
                    "device.json: weather.sunrise \"7.15\" is not HH:mm, using 07:00"},
        ProblemCase{R"({"battery": {"level": 5)", "device.json: not valid JSON, using the defaults"},
        ProblemCase{R"([1, 2])", "device.json: should hold a JSON object, using the defaults"}),
    [](const ::testing::TestParamInfo<ProblemCase>& info) { return "Case" + std::to_string(info.index); });

TEST(DeviceStateReaderTest, TheSettingsHostsRepositoriesAreNoProblem) {
  const auto reading = parseDeviceState(R"({"repositories": {"host": "http://127.0.0.1/", "builtIn": []}})", "device.json");
  EXPECT_THAT(reading.problems, IsEmpty());
}

TEST(DeviceStateReaderTest, ABadValueKeepsTheDefaultAndTheRestIsRead) {
  const auto reading = parseDeviceState(R"({"battery": {"level": "full", "charging": true}})", "device.json");
  EXPECT_THAT(reading.problems, SizeIs(1));
  EXPECT_EQ(reading.state.battery.level, BatteryState{}.level);
  EXPECT_TRUE(reading.state.battery.charging);
}

TEST(DeviceStateReaderTest, AMissingFileIsNoProblemAndAMalformedOneNamesItself) {
  vantile::testing::TemporaryDeviceRoot root;
  EXPECT_THAT(readDeviceStateFile(root.path() / "device.json").problems, IsEmpty());
  root.writeFile("/device.json", "{ nope");
  const auto reading = readDeviceStateFile(root.path() / "device.json");
  ASSERT_THAT(reading.problems, SizeIs(1));
  EXPECT_THAT(reading.problems.front(), HasSubstr((root.path() / "device.json").string() + ": not valid JSON"));
  EXPECT_EQ(reading.state, DeviceState{});
}

}  // namespace
}  // namespace platform::springboard
