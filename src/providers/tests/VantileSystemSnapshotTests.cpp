#include <gtest/gtest.h>

#include <filesystem>

#include "ProviderFixture.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "providers/system/VantileSystem.h"

namespace vantile {
namespace {

using platform::Value;
using platform::springboard::DeviceState;

class SnapshotTest : public testing::ProviderFixture {
 protected:
  std::optional<Value> snapshot(const std::string& name) const {
    const auto text = read("/var/mobile/Media/Downloads/" + name);
    if (!text) return std::nullopt;
    return Value::parse(*text);
  }
};

TEST_F(SnapshotTest, AnEmptyCalendarReadWritesBatterySignalAndAnEmptyEventList) {
  DeviceState state;
  state.battery = {57, true, false};
  state.wifi = {true, "Home", 3, "lo"};
  state.cellular = {"Telco", 2};
  start(state);
  VantileSystem::sharedInstance().saveSystemJSON();
  EXPECT_EQ(read("/var/mobile/Media/Downloads/battery.json"), R"({"batteryPercent":"57","batteryCharging":"true"})");
  EXPECT_EQ(snapshot("signal.json"),
            (Value{{"signalBars", "2"}, {"wifiBars", "3"}, {"signalName", "LTE"}, {"wifiName", "Home"}}));
  EXPECT_EQ(read("/var/mobile/Media/Downloads/events.json"), "[]");
  EXPECT_FALSE(read("/var/mobile/Media/Downloads/steps.json"));
}

TEST_F(SnapshotTest, EventsKeepNumbersAsNumbersAndAnEmptiedCalendarIsWrittenEmpty) {
  DeviceState state;
  state.calendar.calendars = {{"Work", "rgba(255, 0, 0, 1)"}};
  state.calendar.events = {{"Tom's R&D", std::nullopt, "2026-12-09T13:00:00", "2026-12-09T14:30:00", true, "Work"}};
  start(state);
  VantileSystem::sharedInstance().saveSystemJSON();
  const auto events = snapshot("events.json");
  ASSERT_TRUE(events && events->is_array() && events->size() == 1);
  const Value& record = (*events)[0];
  EXPECT_TRUE(record["startTime"].is_number());
  EXPECT_EQ(record["startTime"], 1796821200);
  EXPECT_EQ(record["title"], "Tom&#39;s R&#38;D");
  EXPECT_EQ(record["location"], "(null)");
  EXPECT_EQ(record["allDay"], "1");
  EXPECT_EQ(record["calendarTitle"], "Work");
  EXPECT_EQ(record["calendarColor"], "rgba(255, 0, 0, 1)");

  set("calendar.access", false);
  advance(5);
  VantileSystem::sharedInstance().saveSystemJSON();
  EXPECT_EQ(read("/var/mobile/Media/Downloads/events.json"), "[]");
}

TEST_F(SnapshotTest, StepsAreWrittenOnceATokenHasReadThem) {
  DeviceState state;
  state.steps.samples = {{"2026-12-09", 5234}};
  start(state);
  VantileSystem::steps();
  runUntil([] { return !VantileSystem::sharedInstance().stepArray.empty(); });
  VantileSystem::sharedInstance().saveSystemJSON();
  const auto steps = snapshot("steps.json");
  ASSERT_TRUE(steps && steps->size() == 1);
  EXPECT_TRUE((*steps)[0]["steps"].is_number_integer());
  EXPECT_EQ((*steps)[0]["date"], "12-09-2026");
}

TEST_F(SnapshotTest, AnUnchangedSnapshotStaysAndARemovedOneComesBackWithinASecond) {
  start();
  VantileSystem& system = VantileSystem::sharedInstance();
  system.saveSystemJSON();
  const auto battery = platform::foundation::devicePath("/var/mobile/Media/Downloads/battery.json");
  std::filesystem::remove(battery);
  advance(1);
  system.saveSystemJSON();
  EXPECT_TRUE(read("/var/mobile/Media/Downloads/battery.json"));
  set("battery.level", 12);
  system.saveSystemJSON();
  EXPECT_EQ(snapshot("battery.json").value_or(Value())["batteryPercent"], "12");
}

TEST_F(SnapshotTest, AnUnwritableFolderIsSilent) {
  // The downloads folder is a file: every write fails.
  root.writeFile("/var/mobile/Media/Downloads", "not a folder");
  start();
  VantileSystem::sharedInstance().saveSystemJSON();
  EXPECT_EQ(read("/var/mobile/Media/Downloads"), "not a folder");
  EXPECT_FALSE(read("/var/mobile/Media/Downloads/vantile.log"));
}

}  // namespace
}  // namespace vantile
