#include <gtest/gtest.h>

#include "ProviderFixture.h"
#include "platform/services/EventStore.h"
#include "providers/VantileDates.h"
#include "providers/system/VantileSystem.h"

namespace vantile {
namespace {

using platform::springboard::CalendarEventState;
using platform::springboard::DeviceState;

class VantileSystemCalendarTest : public testing::ProviderFixture {
 protected:
  static CalendarEventState event(const char* title, const char* start, const char* end,
                                  std::optional<std::string> location = "Office") {
    return {title, std::move(location), start, end, false, "Work"};
  }

  void startWithEvents(std::vector<CalendarEventState> events, const char* locale = "en_US") {
    DeviceState state;
    state.locale = locale;
    state.calendar.calendars = {{"Work", "rgba(255, 0, 0, 1)"}};
    state.calendar.events = std::move(events);
    start(state);
  }

  static int reads() { return VantileSystem::sharedInstance().eventStore->readCount(); }
};

TEST_F(VantileSystemCalendarTest, TheCalendarIsReadAtMostEveryFiveSeconds) {
  startWithEvents({event("Stand-up", "2026-12-09T13:00:00", "2026-12-09T14:30:00")});
  EXPECT_EQ(VantileSystem::token("calEvent1"), "Stand-up");
  EXPECT_EQ(VantileSystem::token("calEvent1Location"), "Office");
  EXPECT_EQ(reads(), 1);
  advance(4);
  VantileSystem::token("calEvent1Time");
  EXPECT_EQ(reads(), 1);
  advance(1);
  VantileSystem::token("calEvent1Time");
  EXPECT_EQ(reads(), 2);
}

TEST_F(VantileSystemCalendarTest, ObservedHolidaysAreSkippedAndTwentyEventsAreKept) {
  std::vector<CalendarEventState> events{event("Christmas (observed)", "2026-12-10T00:00:00", "2026-12-11T00:00:00")};
  for (int day = 11; day < 36; ++day) {
    const std::string date = "2027-01-" + std::string(day - 10 < 10 ? "0" : "") + std::to_string(day - 10);
    events.push_back(event(("Day " + std::to_string(day)).c_str(), (date + "T09:00:00").c_str(), (date + "T10:00:00").c_str()));
  }
  startWithEvents(std::move(events));
  VantileSystem::saveEvents();
  const auto& records = VantileSystem::sharedInstance().eventArray;
  ASSERT_EQ(records.size(), 20U);
  EXPECT_EQ(records.front()["title"], "Day 11");
  EXPECT_EQ(records.back()["title"], "Day 30");
}

TEST_F(VantileSystemCalendarTest, TokensOfMissingRecordsAreEmpty) {
  startWithEvents({event("Only", "2026-12-09T13:00:00", "2026-12-09T14:30:00", std::nullopt)});
  EXPECT_EQ(VantileSystem::token("calEvent2"), "");
  EXPECT_EQ(VantileSystem::token("calEvent2Time"), "");
  EXPECT_EQ(VantileSystem::token("calEvent3Location"), "");
  EXPECT_EQ(VantileSystem::token("calEvent1Location"), "(null)");
}

TEST_F(VantileSystemCalendarTest, EventTimesFollowTheTwentyFourHourSwitch) {
  startWithEvents({event("Lunch", "2026-12-09T13:00:00", "2026-12-09T14:30:00")});
  EXPECT_EQ(VantileSystem::token("calEvent1Time"), "01:00PM - 02:30PM");
  VantileDates::sharedInstance().setTwentyFourHour(true);
  advance(5);
  EXPECT_EQ(VantileSystem::token("calEvent1Time"), "13:00 - 14:30");
  VantileDates::sharedInstance().setTwentyFourHour(false);
  EXPECT_EQ(VantileSystem::getTime(kStart - 8 * 3600 - 15 * 60), "12:15AM");
}

TEST_F(VantileSystemCalendarTest, DatesUseTheCalendarYearAndWeekdayNamesTheGregorianWeekday) {
  // Monday 28 December 2026: in the US its week-based year is 2027; in Germany its local weekday is 1.
  startWithEvents({event("Review", "2026-12-28T10:00:00", "2026-12-28T11:00:00")}, "de_DE");
  useLanguage(R"({"shortdays": ["So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"], "days": ["Sonntag", "Montag"]})");
  EXPECT_EQ(VantileSystem::token("calEvent1Date"), "12/28");
  const auto& record = VantileSystem::sharedInstance().eventArray.front();
  EXPECT_EQ(record["date"], "12-28-2026");
  EXPECT_EQ(record["daynum"], "1");
  EXPECT_EQ(record["weekday"], "Montag");
  EXPECT_EQ(VantileSystem::token("calEvent1Day"), "Mo");
  EXPECT_EQ(VantileSystem::token("calEvent1WDay"), "Mo: Review");
  EXPECT_EQ(VantileSystem::token("calEvent1FullDay"), "Montag");
  EXPECT_EQ(VantileSystem::token("calEvent1WDate"), "12/28 Review");
}

TEST_F(VantileSystemCalendarTest, StepsShowThePreviousReadsMostRecentDay) {
  DeviceState state;
  state.steps.samples = {{"2026-12-07", 8000}, {"2026-12-09", 5000}, {"2026-12-09", 234}, {"2026-11-01", 99}};
  start(state);
  EXPECT_EQ(VantileSystem::token("steps"), "");
  runUntil([] { return !VantileSystem::sharedInstance().stepArray.empty(); });
  const auto& records = VantileSystem::sharedInstance().stepArray;
  ASSERT_EQ(records.size(), 2U);
  EXPECT_EQ(records[0]["steps"], 8000);
  EXPECT_EQ(records[0]["date"], "12-07-2026");
  EXPECT_EQ(records[0]["dateday"], "07");
  EXPECT_EQ(records[0]["day"], "Monday");
  EXPECT_EQ(VantileSystem::token("steps"), "5234");
}

TEST_F(VantileSystemCalendarTest, AWeekWithoutSamplesOrWithoutAccessGivesNoSteps) {
  DeviceState state;
  state.steps.samples = {{"2026-11-01", 99}};
  start(state);
  VantileSystem::saveSteps();
  advance(1);
  int rounds = 0;
  runUntil([&rounds] { return ++rounds > 20; });
  EXPECT_TRUE(VantileSystem::sharedInstance().stepArray.empty());
  EXPECT_EQ(VantileSystem::token("steps"), "");
}

}  // namespace
}  // namespace vantile
