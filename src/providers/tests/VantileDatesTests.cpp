#include "providers/VantileDates.h"

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "providers/EnglishDateWords.h"
#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <string_view>

namespace vantile {
namespace {

namespace foundation = platform::foundation;

// A wall-clock time in a zone, with the zone's UTC offset at that date.
struct Moment {
  const char* zone;
  int utcOffsetHours;
  int year, month, day, hour, minute, second;

  foundation::TimeStamp instant() const {
    const std::chrono::sys_days date{std::chrono::year{year} / month / day};
    return date.time_since_epoch().count() * 86400.0 + (hour - utcOffsetHours) * 3600 + minute * 60 + second;
  }
};

// Thursday 29 February 2024, 15:05:09 in New York.
constexpr Moment kLeapDayAfternoonInNewYork = {"America/New_York", -5, 2024, 2, 29, 15, 5, 9};
// Wednesday 3 January 2024, 00:30:00 in Tokyo.
constexpr Moment kJanuaryThirdAfterMidnightInTokyo = {"Asia/Tokyo", 9, 2024, 1, 3, 0, 30, 0};

constexpr std::string_view kLanguagesFolder = "/var/mobile/Library/VantileAssets/languages/";

const char* const kGreek = R"({
  "months": ["Ιανουάριος", "Φεβρουάριος", "Μάρτιος", "Απρίλιος", "Μάιος", "Ιούνιος", "Ιούλιος",
             "Αύγουστος", "Σεπτέμβριος", "Οκτώβριος", "Νοέμβριος", "Δεκέμβριος"],
  "shortmonths": ["Ιαν", "Φεβ", "Μαρ", "Απρ", "Μαϊ", "Ιουν", "Ιουλ", "Αυγ", "Σεπ", "Οκτ", "Νοε", "Δεκ"],
  "days": ["Κυριακή", "Δευτέρα", "Τρίτη", "Τετάρτη", "Πέμπτη", "Παρασκευή", "Σάββατο"],
  "shortdays": ["Κυρ", "Δευ", "Τρί", "Τετ", "Πέμ", "Παρ", "Σάβ"],
  "tod": ["Πρωί", "Απόγευμα", "Βράδυ", "Νύχτα"],
  "charging": ["Φορτίζει", "Δεν φορτίζει"]
})";

class VantileDatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    foundation::MainQueue::shared().clear();
    // Day offsets follow the device's locale; pin one whose digits are ASCII.
    ASSERT_TRUE(foundation::setDeviceLocale("en_US"));
    dropLanguage();
  }
  void TearDown() override {
    foundation::MainQueue::shared().clear();
    foundation::MainQueue::shared().useRealClock();
    foundation::useHostTimeZone();
    foundation::useHostLocale();
    dates().setTwentyFourHour(false);
    dropLanguage();
  }

  static VantileDates& dates() { return VantileDates::sharedInstance(); }

  static void setNow(const Moment& moment) {
    ASSERT_TRUE(foundation::setTimeZone(moment.zone));
    foundation::MainQueue::shared().useManualClock(moment.instant());
  }

  std::string loadLanguage(std::string_view fileName, std::string_view contents) {
    const std::string path = std::string(kLanguagesFolder) + std::string(fileName);
    root.writeFile(path, contents);
    dates().setLanguageDict(path);
    return path;
  }

  void dropLanguage() { dates().setLanguageDict(std::string(kLanguagesFolder) + "missing.json"); }

  testing::TemporaryDeviceRoot root;
};

struct EveryTokenRow {
  const char* token;
  const char* leapDayAfternoonInNewYork;  // 12-hour clock
  const char* januaryThirdAfterMidnightInTokyo;  // 24-hour clock
};

const EveryTokenRow kEveryToken[] = {
    {"time", "3:05", "0:30"},
    {"paddedtime", "03:05", "00:30"},
    {"hour", "3", "0"},
    {"paddedhour", "03", "00"},
    {"paddedhourpartone", "0", "0"},
    {"paddedhourparttwo", "3", "0"},
    {"minute", "05", "30"},
    {"minutepartone", "0", "3"},
    {"minuteparttwo", "5", "0"},
    {"seconds", "09", "00"},
    {"ampm", "pm", "am"},
    {"textHour", "three", "twelve"},
    {"textMinute", "o'five", "thirty"},
    {"textTime", "three o'five", "twelve thirty"},
    {"timeofday", "Afternoon", "Night"},
    {"month", "February", "January"},
    {"shortmonth", "Feb", "Jan"},
    {"firstlettermonth", "F", "J"},
    {"monthnumber", "2", "1"},
    {"paddedmonthnumber", "02", "01"},
    {"day", "Thursday", "Wednesday"},
    {"shortday", "Thu", "Wed"},
    {"firstletterday", "T", "W"},
    {"shortdaynoday", "Thurs", "Wednes"},
    {"shortdaynodayplusone", "Fri", "Thurs"},
    {"shortdayminusone", "Wed", "Tue"},
    {"shortdayminustwo", "Tue", "Mon"},
    {"shortdayminusthree", "Mon", "Sun"},
    {"shortdayminusfour", "Sun", "Sat"},
    {"shortdayplusone", "Fri", "Thu"},
    {"shortdayplustwo", "Sat", "Fri"},
    {"shortdayplusthree", "Sun", "Sat"},
    {"shortdayplusfour", "Mon", "Sun"},
    {"date", "29", "3"},
    {"paddeddate", "29", "03"},
    {"paddeddatepartone", "2", "0"},
    {"paddeddateparttwo", "9", "3"},
    {"dateordinal", "29th", "3rd"},
    {"textDate", "twentyninth", "third"},
    {"dateminusone", "28", "2"},
    {"dateminustwo", "27", "1"},
    {"dateminusthree", "26", "31"},
    {"dateminusfour", "25", "30"},
    {"dateminusfive", "24", "29"},
    {"dateminussix", "23", "28"},
    {"dateminusseven", "22", "27"},
    {"dateplusone", "1", "4"},
    {"dateplustwo", "2", "5"},
    {"dateplusthree", "3", "6"},
    {"dateplusfour", "4", "7"},
    {"dateplusfive", "5", "8"},
    {"dateplussix", "6", "9"},
    {"dateplusseven", "7", "10"},
    {"paddeddateminusone", "28", "02"},
    {"paddeddateminustwo", "27", "01"},
    {"paddeddateminusthree", "26", "31"},
    {"paddeddateminusfour", "25", "30"},
    {"paddeddateminusfive", "24", "29"},
    {"paddeddateminussix", "23", "28"},
    {"paddeddateminusseven", "22", "27"},
    {"paddeddateplusone", "01", "04"},
    {"paddeddateplustwo", "02", "05"},
    {"paddeddateplusthree", "03", "06"},
    {"paddeddateplusfour", "04", "07"},
    {"paddeddateplusfive", "05", "08"},
    {"paddeddateplussix", "06", "09"},
    {"paddeddateplusseven", "07", "10"},
    {"year", "2024", "2024"},
    {"shortyear", "24", "24"},
    {"percentYearProgress", "16", "1"},
    {"percentLeftInYear", "84", "99"},
    {"percentMonthProgress", "100", "10"},
    {"percentLeftInMonth", "0", "90"},
    {"degreeSymbol", "\u00B0", "\u00B0"},
    {"circleSymbol", "\u25CB", "\u25CB"},
    {"upSymbol", "\u2191", "\u2191"},
    {"downSymbol", "\u2193", "\u2193"},
    {"heartSymbol", "\u2665", "\u2665"},
    {"heartOutlineSymbol", "\u2661", "\u2661"},
};

TEST_F(VantileDatesTest, EveryTokenGivesItsValueAtTwoMomentsInTwoZones) {
  setNow(kLeapDayAfternoonInNewYork);
  for (const auto& row : kEveryToken) {
    EXPECT_EQ(VantileDates::token(row.token), row.leapDayAfternoonInNewYork) << row.token;
  }

  dates().setTwentyFourHour(true);
  setNow(kJanuaryThirdAfterMidnightInTokyo);
  for (const auto& row : kEveryToken) {
    EXPECT_EQ(VantileDates::token(row.token), row.januaryThirdAfterMidnightInTokyo) << row.token;
  }
}

TEST_F(VantileDatesTest, TokenNamesAreExactlyTheSeventyNineTokens) {
  std::set<std::string_view> expected;
  for (const auto& row : kEveryToken) {
    expected.insert(row.token);
  }
  const auto& names = VantileDates::tokenNames();
  EXPECT_EQ(names.size(), 79u);
  EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()), expected);
  for (const auto name : names) {
    EXPECT_TRUE(VantileDates::isToken(name)) << name;
  }

  for (const char* notAToken : {"sharedInstance", "getTwentyFour", "languageDict", "getDateStringWithFormat",
                                "setTwentyFourHour", "setLanguageDict", "languageWord", "twentyfour", "Time",
                                "TIME", "time ", "", "battery", "na"}) {
    EXPECT_FALSE(VantileDates::isToken(notAToken)) << notAToken;
    EXPECT_EQ(VantileDates::token(notAToken), std::nullopt) << notAToken;
  }
}

TEST_F(VantileDatesTest, TokensFollowTheMainQueueClock) {
  setNow(kLeapDayAfternoonInNewYork);
  EXPECT_EQ(VantileDates::seconds(), "09");
  foundation::MainQueue::shared().advance(61);
  EXPECT_EQ(VantileDates::seconds(), "10");
  EXPECT_EQ(VantileDates::time(), "3:06");
  foundation::MainQueue::shared().advance(9 * 3600);
  EXPECT_EQ(VantileDates::day(), "Friday");
  EXPECT_EQ(VantileDates::dateordinal(), "1st");
  EXPECT_EQ(VantileDates::month(), "March");
}

struct ClockCase {
  Moment moment;
  bool twentyfour;
  const char* time;
  const char* paddedtime;
  const char* hour;
  const char* paddedhour;
  const char* textTime;
  const char* ampm;
  const char* timeofday;
};

TEST_F(VantileDatesTest, ClockTokensFollowTheTwentyFourHourSwitch) {
  const ClockCase cases[] = {
      {{"Asia/Tokyo", 9, 2024, 3, 1, 0, 30, 0}, true, "0:30", "00:30", "0", "00", "twelve thirty", "am", "Night"},
      {{"Asia/Tokyo", 9, 2024, 3, 1, 0, 30, 0}, false, "12:30", "12:30", "12", "12", "twelve thirty", "am", "Night"},
      {{"America/New_York", -5, 2024, 1, 1, 0, 0, 0}, false, "12:00", "12:00", "12", "12", "twelve o'clock", "am",
       "Night"},
      {{"America/New_York", -5, 2024, 1, 1, 1, 0, 0}, true, "1:00", "01:00", "1", "01", "one o'clock", "am",
       "Morning"},
      {{"America/New_York", -4, 2023, 6, 15, 11, 59, 0}, false, "11:59", "11:59", "11", "11", "eleven fifty nine",
       "am", "Morning"},
      {{"America/New_York", -5, 2023, 12, 31, 12, 5, 0}, false, "12:05", "12:05", "12", "12", "twelve o'five", "pm",
       "Afternoon"},
      {{"America/New_York", -5, 2023, 12, 31, 12, 5, 0}, true, "12:05", "12:05", "12", "12", "twelve o'five", "pm",
       "Afternoon"},
      {{"Asia/Tokyo", 9, 2023, 12, 31, 15, 5, 0}, true, "15:05", "15:05", "15", "15", "fifteen o'five", "pm",
       "Afternoon"},
      {{"Asia/Tokyo", 9, 2023, 12, 31, 15, 5, 0}, false, "3:05", "03:05", "3", "03", "three o'five", "pm",
       "Afternoon"},
      {{"Asia/Tokyo", 9, 2023, 12, 31, 17, 59, 0}, true, "17:59", "17:59", "17", "17", "seventeen fifty nine", "pm",
       "Afternoon"},
      {{"Asia/Tokyo", 9, 2023, 12, 31, 18, 0, 0}, false, "6:00", "06:00", "6", "06", "six o'clock", "pm", "Evening"},
      {{"America/New_York", -4, 2023, 7, 4, 20, 59, 0}, true, "20:59", "20:59", "20", "20", "twenty fifty nine", "pm",
       "Evening"},
      {{"America/New_York", -4, 2023, 7, 4, 21, 0, 0}, false, "9:00", "09:00", "9", "09", "nine o'clock", "pm",
       "Night"},
      {{"Asia/Tokyo", 9, 2023, 12, 31, 23, 45, 0}, true, "23:45", "23:45", "23", "23", "twenty three forty five", "pm",
       "Night"},
  };
  for (const auto& test : cases) {
    setNow(test.moment);
    dates().setTwentyFourHour(test.twentyfour);
    const auto where = ::testing::Message() << test.moment.zone << " " << test.moment.hour << ":"
                                            << test.moment.minute << (test.twentyfour ? " 24h" : " 12h");
    EXPECT_EQ(VantileDates::time(), test.time) << where;
    EXPECT_EQ(VantileDates::paddedtime(), test.paddedtime) << where;
    EXPECT_EQ(VantileDates::hour(), test.hour) << where;
    EXPECT_EQ(VantileDates::paddedhour(), test.paddedhour) << where;
    EXPECT_EQ(VantileDates::textTime(), test.textTime) << where;
    EXPECT_EQ(VantileDates::ampm(), test.ampm) << where;
    EXPECT_EQ(VantileDates::timeofday(), test.timeofday) << where;
    EXPECT_EQ(VantileDates::getTwentyFour(), test.twentyfour);
  }
}

struct ProgressCase {
  Moment moment;
  const char* yearProgress;
  const char* leftInYear;
  const char* monthProgress;
  const char* leftInMonth;
};

TEST_F(VantileDatesTest, ProgressTokensCountWholeDaysInTheLocalCalendar) {
  const ProgressCase cases[] = {
      {{"Asia/Tokyo", 9, 2023, 1, 1, 0, 0, 0}, "0", "100", "3", "97"},
      {{"Asia/Tokyo", 9, 2024, 1, 1, 23, 0, 0}, "0", "100", "3", "97"},
      {{"America/New_York", -5, 2023, 12, 31, 23, 59, 59}, "100", "0", "100", "0"},
      {{"America/New_York", -5, 2024, 12, 31, 0, 0, 0}, "100", "0", "100", "0"},
      {{"America/New_York", -4, 2023, 7, 2, 12, 0, 0}, "50", "50", "6", "94"},
      {{"Asia/Tokyo", 9, 2023, 4, 1, 8, 0, 0}, "25", "75", "3", "97"},
      {{"Asia/Tokyo", 9, 2023, 4, 30, 8, 0, 0}, "33", "67", "100", "0"},
      {{"America/New_York", -5, 2023, 2, 28, 8, 0, 0}, "16", "84", "100", "0"},
  };
  for (const auto& test : cases) {
    setNow(test.moment);
    const auto where = ::testing::Message() << test.moment.zone << " " << test.moment.year << "-"
                                            << test.moment.month << "-" << test.moment.day;
    EXPECT_EQ(VantileDates::percentYearProgress(), test.yearProgress) << where;
    EXPECT_EQ(VantileDates::percentLeftInYear(), test.leftInYear) << where;
    EXPECT_EQ(VantileDates::percentMonthProgress(), test.monthProgress) << where;
    EXPECT_EQ(VantileDates::percentLeftInMonth(), test.leftInMonth) << where;
  }
}

TEST_F(VantileDatesTest, DayOffsetsRollOverMonthAndYearEnds) {
  setNow({"America/New_York", -5, 2023, 12, 31, 22, 0, 0});
  EXPECT_EQ(VantileDates::dateplusone(), "1");
  EXPECT_EQ(VantileDates::paddeddateplusone(), "01");
  EXPECT_EQ(VantileDates::shortdayplusone(), "Mon");
  EXPECT_EQ(VantileDates::shortdaynodayplusone(), "Mon");

  setNow({"Asia/Tokyo", 9, 2023, 3, 3, 9, 0, 0});
  EXPECT_EQ(VantileDates::dateminusseven(), "24");
  EXPECT_EQ(VantileDates::paddeddateminusthree(), "28");
  EXPECT_EQ(VantileDates::paddeddateminustwo(), "01");
}

TEST_F(VantileDatesTest, OnlyDayOfMonthOffsetsFollowTheDeviceLocale) {
  setNow(kLeapDayAfternoonInNewYork);
  ASSERT_TRUE(foundation::setDeviceLocale("ar_EG"));
  EXPECT_EQ(VantileDates::dateminusone(), "\u0662\u0668");
  EXPECT_EQ(VantileDates::paddeddateplusone(), "\u0660\u0661");
  EXPECT_EQ(VantileDates::date(), "29");
  EXPECT_EQ(VantileDates::shortdayplusone(), "Fri");
  EXPECT_EQ(VantileDates::month(), "February");
}

TEST_F(VantileDatesTest, EnglishWordTablesCoverTheirWholeRange) {
  for (int day = 1; day <= 31; ++day) {
    const std::string_view expected = (day == 1 || day == 21 || day == 31) ? "st"
                                      : (day == 2 || day == 22)            ? "nd"
                                      : (day == 3 || day == 23)            ? "rd"
                                                                           : "th";
    EXPECT_EQ(english::ordinalSuffix(day), expected) << day;
    EXPECT_FALSE(english::ordinalWord(day).empty()) << day;
  }
  EXPECT_EQ(english::ordinalWord(8), "eight");
  EXPECT_EQ(english::ordinalWord(12), "thelfth");
  EXPECT_EQ(english::ordinalWord(31), "thirtyfirst");

  const std::pair<int, const char*> minutes[] = {{0, "o'clock"}, {1, "o'one"},      {9, "o'nine"},
                                                  {10, "ten"},    {19, "nineteen"},  {20, "twenty"},
                                                  {21, "twenty one"}, {40, "forty"}, {59, "fifty nine"}};
  for (const auto& [minute, word] : minutes) {
    EXPECT_EQ(english::minuteWord(minute), word) << minute;
  }
  for (int hour = 0; hour < 24; ++hour) {
    EXPECT_FALSE(english::hourWord(hour, true).empty()) << hour;
    EXPECT_EQ(english::hourWord(hour, false).empty(), hour == 0 || hour > 12) << hour;
  }
  EXPECT_EQ(english::hourWord(0, true), "twelve");
  EXPECT_EQ(english::hourWord(21, true), "twenty one");

  for (const int outOfRange : {-1, 0, 32}) {
    EXPECT_TRUE(english::ordinalWord(outOfRange).empty()) << outOfRange;
  }
  for (const int outOfRange : {-1, 60}) {
    EXPECT_TRUE(english::minuteWord(outOfRange).empty()) << outOfRange;
  }
  EXPECT_TRUE(english::hourWord(24, true).empty());
  EXPECT_TRUE(english::hourWord(-1, true).empty());
  EXPECT_TRUE(english::weekdayName(0).empty());
  EXPECT_TRUE(english::weekdayName(8).empty());
  EXPECT_TRUE(english::timeOfDayWord(4).empty());
}

TEST_F(VantileDatesTest, LanguageFileNamesMonthsWeekdaysAndTimesOfDay) {
  setNow(kLeapDayAfternoonInNewYork);
  loadLanguage("el.json", kGreek);
  ASSERT_TRUE(VantileDates::languageDict());
  EXPECT_EQ((*VantileDates::languageDict())["charging"][0], "Φορτίζει");

  const std::pair<const char*, const char*> named[] = {
      {"month", "Φεβρουάριος"},
      {"shortmonth", "Φεβ"},
      {"firstlettermonth", "Φ"},
      {"day", "Πέμπτη"},
      {"shortday", "Πέμ"},
      {"firstletterday", "Π"},
      {"shortdaynoday", "Πέμπτη"},
      {"shortdaynodayplusone", "Παρασκευή"},
      {"shortdayminusfour", "Κυρ"},
      {"shortdayplusone", "Παρ"},
      {"shortdayplusfour", "Δευ"},
      {"timeofday", "Απόγευμα"},
      // Numbers and English word tables stay as they are.
      {"time", "3:05"},
      {"textTime", "three o'five"},
      {"ampm", "pm"},
      {"dateordinal", "29th"},
      {"textDate", "twentyninth"},
  };
  for (const auto& [token, value] : named) {
    EXPECT_EQ(VantileDates::token(token), value) << token;
  }
}

TEST_F(VantileDatesTest, LanguageFileWithoutAKeyLeavesThatTokenInEnglish) {
  setNow(kLeapDayAfternoonInNewYork);
  loadLanguage("months-only.json", R"({"months": ["jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep",
                                                   "oct", "nov", "dec"]})");
  EXPECT_EQ(VantileDates::month(), "feb");
  EXPECT_EQ(VantileDates::shortmonth(), "Feb");
  EXPECT_EQ(VantileDates::day(), "Thursday");
  EXPECT_EQ(VantileDates::timeofday(), "Afternoon");
}

TEST_F(VantileDatesTest, ShortOrWronglyTypedLanguageArraysFallBackToEnglish) {
  setNow(kLeapDayAfternoonInNewYork);
  loadLanguage("broken-arrays.json", R"({
    "months": ["only January"],
    "shortmonths": "Feb",
    "days": [1, 2, 3, 4, 5, 6, 7],
    "shortdays": {"Thu": "Πέμ"},
    "tod": ["only morning"]
  })");
  EXPECT_EQ(VantileDates::month(), "February");
  EXPECT_EQ(VantileDates::firstlettermonth(), "F");
  EXPECT_EQ(VantileDates::shortmonth(), "Feb");
  EXPECT_EQ(VantileDates::day(), "Thursday");
  EXPECT_EQ(VantileDates::shortdaynoday(), "Thurs");
  EXPECT_EQ(VantileDates::shortdaynodayplusone(), "Fri");
  EXPECT_EQ(VantileDates::shortday(), "Thu");
  EXPECT_EQ(VantileDates::shortdayplusone(), "Fri");
  EXPECT_EQ(VantileDates::timeofday(), "Afternoon");

  loadLanguage("empty-names.json", R"({"days": ["", "", "", "", "", "", ""], "months": [null, null, null]})");
  EXPECT_EQ(VantileDates::day(), "");
  EXPECT_EQ(VantileDates::firstletterday(), "");
  EXPECT_EQ(VantileDates::shortdaynoday(), "");
  EXPECT_EQ(VantileDates::month(), "February");
}

TEST_F(VantileDatesTest, LanguageWordGivesNothingUnlessAStringIsThere) {
  loadLanguage("mixed.json", R"({"words": ["zero", 1, null, ["x"]], "text": "abc", "empty": []})");
  EXPECT_EQ(VantileDates::languageWord("words", 0), "zero");
  const std::pair<const char*, int> nothingThere[] = {{"words", 1}, {"words", 2},  {"words", 3}, {"words", 4},
                                                      {"words", -1}, {"text", 0}, {"empty", 0}, {"missing", 0}};
  for (const auto& [key, index] : nothingThere) {
    EXPECT_EQ(VantileDates::languageWord(key, index), std::nullopt) << key << " " << index;
  }
}

TEST_F(VantileDatesTest, MissingOrInvalidLanguageFileDropsThePreviousLanguage) {
  setNow(kLeapDayAfternoonInNewYork);
  const std::pair<const char*, const char*> replacements[] = {
      {"missing.json", nullptr},
      {"broken.json", R"({"months": ["a", )"},
      {"list.json", R"(["Ιανουάριος", "Φεβρουάριος"])"},
      {"latin1.json", "{\"months\": [\"f\xE9vrier\"]}"},
  };
  ::testing::internal::CaptureStderr();
  for (const auto& [fileName, contents] : replacements) {
    loadLanguage("el.json", kGreek);
    ASSERT_EQ(VantileDates::month(), "Φεβρουάριος");
    if (contents) {
      loadLanguage(fileName, contents);
    } else {
      dates().setLanguageDict(std::string(kLanguagesFolder) + fileName);
    }
    EXPECT_EQ(VantileDates::languageDict(), std::nullopt) << fileName;
    EXPECT_EQ(VantileDates::month(), "February") << fileName;
    EXPECT_EQ(VantileDates::day(), "Thursday") << fileName;
  }
  ::testing::internal::GetCapturedStderr();
}

TEST_F(VantileDatesTest, DateStringsUseTheEnglishPosixLocale) {
  setNow(kLeapDayAfternoonInNewYork);
  EXPECT_EQ(VantileDates::getDateStringWithFormat("EEEE, MMMM d, yyyy h:mm:ss a"),
            "Thursday, February 29, 2024 3:05:09 PM");
  loadLanguage("el.json", kGreek);
  EXPECT_EQ(VantileDates::getDateStringWithFormat("MMM"), "Feb");
}

}  // namespace
}  // namespace vantile
