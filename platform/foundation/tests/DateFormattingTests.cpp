#include "platform/foundation/locale/DateFormatting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace platform::foundation {
namespace {

// 2024-02-29 15:05:09 UTC: a leap day in New York, already 1 March in Tokyo.
constexpr TimeStamp kLeapDayAfternoon = 1709219109;
// 2023-12-31 23:30:00 UTC: New Year's Eve in New York, New Year's morning in Tokyo.
constexpr TimeStamp kNewYearsEve = 1704065400;
// 2024-03-09 17:00:00 UTC: noon in New York, the day before clocks go forward.
constexpr TimeStamp kNoonBeforeSpringForward = 1710003600;

class DateFormatting : public ::testing::Test {
 protected:
  void TearDown() override {
    useHostTimeZone();
    useHostLocale();
  }
};

struct FormatCase {
  const char* zone;
  TimeStamp instant;
  const char* pattern;
  const char* expected;
};

TEST_F(DateFormatting, FormatsPatternsInEnglishInTheChosenZone) {
  const FormatCase cases[] = {
      {"America/New_York", kLeapDayAfternoon, "h:mm", "10:05"},
      {"America/New_York", kLeapDayAfternoon, "HH:mm:ss", "10:05:09"},
      {"America/New_York", kLeapDayAfternoon, "EEEE d MMMM yyyy", "Thursday 29 February 2024"},
      {"America/New_York", kLeapDayAfternoon, "EEE MMM dd yy", "Thu Feb 29 24"},
      {"Asia/Tokyo", kLeapDayAfternoon, "h:mm", "12:05"},
      {"Asia/Tokyo", kLeapDayAfternoon, "H:mm", "0:05"},
      {"Asia/Tokyo", kLeapDayAfternoon, "EEEE d MMMM yyyy", "Friday 1 March 2024"},
      {"America/New_York", kNewYearsEve, "yyyy-MM-dd hh:mm", "2023-12-31 06:30"},
      {"Asia/Tokyo", kNewYearsEve, "yyyy-MM-dd HH:mm", "2024-01-01 08:30"},
  };
  for (const auto& test : cases) {
    ASSERT_TRUE(setTimeZone(test.zone));
    EXPECT_EQ(formatDate(test.instant, test.pattern), test.expected) << test.zone << " " << test.pattern;
  }
}

TEST_F(DateFormatting, FollowsAZoneChangeWithTheSamePattern) {
  ASSERT_TRUE(setTimeZone("America/New_York"));
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "HH:mm"), "10:05");
  ASSERT_TRUE(setTimeZone("Asia/Tokyo"));
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "HH:mm"), "00:05");
}

TEST_F(DateFormatting, RefusesAnUnknownZoneAndKeepsTheCurrentOne) {
  ASSERT_TRUE(setTimeZone("Asia/Tokyo"));
  testing::internal::CaptureStderr();
  EXPECT_FALSE(setTimeZone("Mars/Olympus_Mons"));
  EXPECT_FALSE(setTimeZone(""));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Mars/Olympus_Mons"), std::string::npos);
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "HH:mm"), "00:05");
}

TEST_F(DateFormatting, HostZoneFollowsTheTZVariableWhenReadAgain) {
  const char* previous = std::getenv("TZ");
  const std::optional<std::string> savedTZ = previous ? std::optional<std::string>(previous) : std::nullopt;

  setenv("TZ", "Asia/Tokyo", 1);
  useHostTimeZone();
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "d HH"), "1 00");
  setenv("TZ", "America/New_York", 1);
  useHostTimeZone();
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "d HH"), "29 10");

  if (savedTZ) {
    setenv("TZ", savedTZ->c_str(), 1);
  } else {
    unsetenv("TZ");
  }
}

TEST_F(DateFormatting, GivesNothingForAnUnusablePatternOrInstant) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "HH:mm J"), std::nullopt);
  for (const TimeStamp instant : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::max()}) {
    EXPECT_EQ(formatDate(instant, "yyyy"), std::nullopt);
    EXPECT_FALSE(calendarDate(instant));
    EXPECT_FALSE(addingDays(instant, 1));
  }
  EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
}

TEST_F(DateFormatting, EmptyPatternGivesEmptyText) { EXPECT_EQ(formatDate(kLeapDayAfternoon, ""), ""); }

TEST_F(DateFormatting, OnlyTheDeviceLocaleFollowsTheUsersLanguageAndDigits) {
  ASSERT_TRUE(setTimeZone("America/New_York"));
  ASSERT_TRUE(setDeviceLocale("ar_EG"));
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "d", DateLocale::device), "\u0662\u0669");
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "d MMMM"), "29 February");
  ASSERT_TRUE(setDeviceLocale("de_DE"));
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "EEEE dd", DateLocale::device), "Donnerstag 29");
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "EEEE dd"), "Thursday 29");

  testing::internal::CaptureStderr();
  EXPECT_FALSE(setDeviceLocale(""));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(formatDate(kLeapDayAfternoon, "EEEE", DateLocale::device), "Donnerstag");
}

struct CalendarCase {
  const char* zone;
  TimeStamp instant;
  CalendarDate expected;
};

TEST_F(DateFormatting, ReadsGregorianFieldsInTheChosenZone) {
  const CalendarCase cases[] = {
      {"America/New_York", kLeapDayAfternoon, {2024, 2, 29, 5, 10, 5, 9, 60, 29, 366}},
      {"Asia/Tokyo", kLeapDayAfternoon, {2024, 3, 1, 6, 0, 5, 9, 61, 31, 366}},
      {"America/New_York", kNewYearsEve, {2023, 12, 31, 1, 18, 30, 0, 365, 31, 365}},
      {"Asia/Tokyo", kNewYearsEve, {2024, 1, 1, 2, 8, 30, 0, 1, 31, 366}},
  };
  for (const auto& test : cases) {
    ASSERT_TRUE(setTimeZone(test.zone));
    const auto date = calendarDate(test.instant);
    ASSERT_TRUE(date) << test.zone;
    const auto& expected = test.expected;
    EXPECT_EQ(date->year, expected.year) << test.zone;
    EXPECT_EQ(date->month, expected.month) << test.zone;
    EXPECT_EQ(date->day, expected.day) << test.zone;
    EXPECT_EQ(date->weekday, expected.weekday) << test.zone;
    EXPECT_EQ(date->hour, expected.hour) << test.zone;
    EXPECT_EQ(date->minute, expected.minute) << test.zone;
    EXPECT_EQ(date->second, expected.second) << test.zone;
    EXPECT_EQ(date->dayOfYear, expected.dayOfYear) << test.zone;
    EXPECT_EQ(date->daysInMonth, expected.daysInMonth) << test.zone;
    EXPECT_EQ(date->daysInYear, expected.daysInYear) << test.zone;
  }
}

TEST_F(DateFormatting, AddingDaysRollsOverMonthAndYearEnds) {
  ASSERT_TRUE(setTimeZone("America/New_York"));
  const auto check = [](TimeStamp instant, int days, const char* expected) {
    const auto shifted = addingDays(instant, days);
    ASSERT_TRUE(shifted);
    EXPECT_EQ(formatDate(*shifted, "yyyy-MM-dd HH:mm"), expected) << days;
  };
  check(kLeapDayAfternoon, 1, "2024-03-01 10:05");
  check(kLeapDayAfternoon, -29, "2024-01-31 10:05");
  check(kLeapDayAfternoon, 366, "2025-03-01 10:05");
  check(kNewYearsEve, 1, "2024-01-01 18:30");
  check(kNewYearsEve, -7, "2023-12-24 18:30");
  check(kNewYearsEve, 0, "2023-12-31 18:30");
}

TEST_F(DateFormatting, AddingADayKeepsTheWallClockAcrossADaylightSavingChange) {
  ASSERT_TRUE(setTimeZone("America/New_York"));
  const auto nextDay = addingDays(kNoonBeforeSpringForward, 1);
  ASSERT_TRUE(nextDay);
  EXPECT_EQ(*nextDay - kNoonBeforeSpringForward, 23 * 3600);
  EXPECT_EQ(formatDate(*nextDay, "d HH:mm"), "10 12:00");
}

}  // namespace
}  // namespace platform::foundation
