#include "editor/data/CreatorData.h"

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "providers/VantileDates.h"
#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace vantile {
namespace {

namespace foundation = platform::foundation;

// Tuesday 12 March 2024, 15:05:09 UTC.
constexpr foundation::TimeStamp kTuesdayAfternoon = 1710255909;

constexpr std::string_view kLanguage = "/var/mobile/Library/VantileAssets/languages/greek.json";

class CreatorDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(foundation::setTimeZone("UTC"));
    ASSERT_TRUE(foundation::setDeviceLocale("en_US"));
    foundation::MainQueue::shared().clear();
    foundation::MainQueue::shared().useManualClock(kTuesdayAfternoon);
  }
  void TearDown() override {
    foundation::MainQueue::shared().clear();
    foundation::MainQueue::shared().useRealClock();
    foundation::useHostTimeZone();
    foundation::useHostLocale();
    VantileDates::sharedInstance().setTwentyFourHour(false);
    VantileDates::sharedInstance().setLanguageDict(std::string(kLanguage) + ".missing");
  }

  testing::TemporaryDeviceRoot root;
};

TEST_F(CreatorDataTest, ThereAreExactlyTheDataKeysSortedCaseInsensitivelyAndNoHelper) {
  const auto& keys = CreatorData::dataKeys();
  EXPECT_EQ(keys.size(), 201u);
  EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 201u);
  const auto lower = [](std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
  };
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end(),
                             [&](const std::string& a, const std::string& b) { return lower(a) < lower(b); }));
  for (const auto& key : keys) EXPECT_TRUE(CreatorData::value(key).has_value()) << key;
  for (const char* helper :
       {"sharedInstance", "getTwentyFour", "getDateStringWithFormat", "languageDict", "batteryAsInt", "Time", ""}) {
    EXPECT_FALSE(CreatorData::isDataKey(helper)) << helper;
    EXPECT_EQ(CreatorData::value(helper), std::nullopt) << helper;
  }
  EXPECT_FALSE(CreatorData::getTwentyFour());
  EXPECT_EQ(CreatorData::languageDict(), std::nullopt);
  EXPECT_EQ(CreatorData::batteryAsInt(), 50);
  EXPECT_EQ(CreatorData::getDateStringWithFormat("yyyy-MM-dd EEE"), "2024-03-12 Tue");
}

TEST_F(CreatorDataTest, KeysReadTheirSampleOrTheTwelveHourEnglishDateEvenWhenTheTweakSaysOtherwise) {
  root.writeFile(kLanguage, R"({"days": ["Κυριακή", "Δευτέρα", "Τρίτη", "Τετάρτη", "Πέμπτη", "Παρασκευή", "Σάββατο"],
                                "shortdays": ["Κυρ", "Δευ", "Τρί", "Τετ", "Πέμ", "Παρ", "Σάβ"]})");
  VantileDates::sharedInstance().setLanguageDict(kLanguage);
  VantileDates::sharedInstance().setTwentyFourHour(true);

  const struct {
    const char* key;
    const char* value;
  } cases[] = {
      // Fixed samples.
      {"batterypercent", "50"}, {"btbatterynonamedisconnected", "50 or disconnected"}, {"devicefirmware", "16.1.2"},
      {"moonPhaseString", "Full Moon"}, {"lastupdate", "5/5/23, 10:53"}, {"conditionCode", "32"},
      {"hour6time", "06:00"}, {"hour3temp", "72"}, {"day4precip", "34"}, {"day3icon", "24"},
      {"day5shortday", "fri"}, {"musicNowPlayingApp", "Music"}, {"calEvent2WDate", "03/12 Birthday Party"},
      {"calEvent3Time", "2:00 - 3:00"}, {"percentYearProgress", "50"}, {"percentLeftInMonth", "50"},
      // Live dates.
      {"time", "3:05"}, {"paddedtime", "03:05"}, {"hour", "3"}, {"ampm", "pm"}, {"textHour", "three"},
      {"seconds", "09"}, {"day", "Tuesday"}, {"shortday", "Tue"}, {"shortdaynoday", "Tues"}, {"month", "March"},
      {"timeofday", "Afternoon"}, {"dateplusseven", "19"}, {"paddeddateminusseven", "05"}, {"year", "2024"},
      {"shortdayminusone", "Mon"}, {"shortdayplusfour", "Sat"}, {"shortdaynodayplusone", "Wednes"},
      {"degreeSymbol", "\u00B0"},
  };
  for (const auto& c : cases) EXPECT_EQ(CreatorData::value(c.key), c.value) << c.key;

  // The tweak's own reading stays as it set it.
  EXPECT_EQ(VantileDates::time(), "15:05");
  EXPECT_EQ(VantileDates::shortday(), "Τρί");
}

TEST_F(CreatorDataTest, TokensBecomePreviewValuesOrNaAndTheRestOfTheTextStays) {
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"Battery [batterypercent]% left", "Battery 50% left"},
      {"[time] and again [time]", "3:05 and again 3:05"},
      {"[nosuchkey] [] [batteryAsInt] [sharedInstance]", "na na na na"},
      {"[[city]]", "na]"},
      {"[city\n] stays", "[city\n] stays"},
      {"no brackets at all", "no brackets at all"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(handleData(c.text), c.shown) << c.text;
}

}  // namespace
}  // namespace vantile
