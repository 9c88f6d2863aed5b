#include "editor/data/CreatorData.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "controller/data/DataTokenNames.h"
#include "platform/foundation/values/Strings.h"
#include "providers/VantileDates.h"

namespace vantile {

namespace {

// Computed as the tweak's date tokens are, which also covers the editor's own clock and weekday
// keys: under the 12-hour clock and without a language file these read exactly as the editor's.
constexpr std::string_view kLiveKeys[] = {
    "textTime", "textHour", "textMinute", "paddedhourpartone", "paddedhourparttwo", "minutepartone",
    "minuteparttwo", "hour", "ampm", "paddedhour", "minute", "seconds", "paddedtime", "month",
    "firstlettermonth", "paddedmonthnumber", "monthnumber", "shortmonth", "shortday", "shortdaynoday", "day",
    "firstletterday", "paddeddate", "paddeddatepartone", "paddeddateparttwo", "paddeddateminusone",
    "paddeddateminustwo", "paddeddateminusthree", "paddeddateminusfour", "paddeddateminusfive",
    "paddeddateminussix", "paddeddateminusseven", "paddeddateplusone", "paddeddateplustwo",
    "paddeddateplusthree", "paddeddateplusfour", "paddeddateplusfive", "paddeddateplussix",
    "paddeddateplusseven", "dateminusone", "dateminustwo", "dateminusthree", "dateminusfour", "dateminusfive",
    "dateminussix", "dateminusseven", "dateplusone", "dateplustwo", "dateplusthree", "dateplusfour",
    "dateplusfive", "dateplussix", "dateplusseven", "textDate", "date", "shortyear", "year", "dateordinal",
    "timeofday", "degreeSymbol", "circleSymbol", "upSymbol", "downSymbol", "heartSymbol", "heartOutlineSymbol",
    // The editor's own.
    "time", "shortdaynodayplusone", "shortdayminusone", "shortdayminustwo", "shortdayminusthree",
    "shortdayminusfour", "shortdayplusone", "shortdayplustwo", "shortdayplusthree", "shortdayplusfour",
};

struct Sample {
  std::string_view key;
  std::string_view value;
};

constexpr Sample kSamples[] = {
    {"bluetoothConnected", "connected"}, {"batterypercent", "50"}, {"btbattery", "AirPods:50"},
    {"btbatterynoname", "50"}, {"btbatterynonamedisconnected", "50 or disconnected"}, {"ischarging", "charging"},
    {"charging", "charging"}, {"wifipercent", "50"}, {"wifiname", "mywifi"}, {"signalpercent", "50"},
    {"devicename", "mydevice"}, {"devicefirmware", "16.1.2"}, {"ipaddress", "0.0.0.0"}, {"alarm", "6:10AM"},
    {"paddedalarm", "06:10AM"}, {"steps", "1000"},
    {"moonBrightness", "75"}, {"moonPhaseString", "Full Moon"},
    {"windspeed", "5"}, {"humidity", "40"}, {"uvindex", "5"}, {"lastupdate", "5/5/23, 10:53"}, {"city", "nashville"},
    {"conditionCode", "32"}, {"condition", "thunderstorms"}, {"temptype", "F"}, {"windunit", "MPH"},
    {"temperature", "70"}, {"feelslike", "69"}, {"winddirection", "NNW"}, {"sunset", "8:00"}, {"sunrise", "5:00"},
    {"precip", "30"}, {"low", "50"}, {"high", "60"},
    {"hour1time", "01:00"}, {"hour2time", "02:00"}, {"hour3time", "03:00"}, {"hour4time", "04:00"},
    {"hour5time", "05:00"}, {"hour6time", "06:00"},
    {"hour1temp", "70"}, {"hour2temp", "71"}, {"hour3temp", "72"}, {"hour4temp", "73"}, {"hour5temp", "74"},
    {"hour6temp", "75"},
    {"hour1precip", "0"}, {"hour2precip", "0"}, {"hour3precip", "0"}, {"hour4precip", "0"}, {"hour5precip", "0"},
    {"hour6precip", "0"},
    {"day1day", "monday"}, {"day2day", "tuesday"}, {"day3day", "wednesday"}, {"day4day", "thursday"},
    {"day5day", "friday"},
    {"day1low", "50"}, {"day2low", "51"}, {"day3low", "52"}, {"day4low", "53"}, {"day5low", "54"},
    {"day1high", "70"}, {"day2high", "71"}, {"day3high", "72"}, {"day4high", "73"}, {"day5high", "74"},
    {"day1icon", "3"}, {"day2icon", "7"}, {"day3icon", "24"}, {"day4icon", "36"}, {"day5icon", "34"},
    {"day1condition", "cloudy"}, {"day2condition", "cloudy"}, {"day3condition", "cloudy"},
    {"day4condition", "cloudy"}, {"day5condition", "cloudy"},
    {"day1shortday", "mon"}, {"day2shortday", "tue"}, {"day3shortday", "wed"}, {"day4shortday", "thu"},
    {"day5shortday", "fri"},
    {"day1precip", "31"}, {"day2precip", "31"}, {"day3precip", "31"}, {"day4precip", "34"}, {"day5precip", "31"},
    {"musicTitle", "music title"}, {"musicArtist", "music artist"}, {"musicAlbum", "music album"},
    {"musicElapsed", "0:00"}, {"musicDurationLeft", "0:00"}, {"musicDuration", "0:00"},
    {"musicNowPlayingApp", "Music"},
    {"phoneBadge", "0"}, {"mailBadge", "0"}, {"messageBadge", "0"},
    {"calEvent1", "Do laundry"}, {"calEvent1WDay", "Wed: Do laundry"}, {"calEvent1WDate", "03/11 Do laundry"},
    {"calEvent1Day", "Wed"}, {"calEvent1FullDay", "Wednesday"}, {"calEvent1Date", "03/11"},
    {"calEvent1Time", "1:00 - 2:00"}, {"calEvent1Location", "Location1"},
    {"calEvent2", "Birthday Party"}, {"calEvent2WDay", "Thu: Birthday Party"},
    {"calEvent2WDate", "03/12 Birthday Party"}, {"calEvent2Day", "Thu"}, {"calEvent2FullDay", "Thursday"},
    {"calEvent2Date", "03/12"}, {"calEvent2Time", "1:30 - 2:30"}, {"calEvent2Location", "Location2"},
    {"calEvent3", "Doctors appointment"}, {"calEvent3WDay", "Fri: Doctors appointment"},
    {"calEvent3WDate", "03/13 Doctors appointment"}, {"calEvent3Day", "Fri"}, {"calEvent3FullDay", "Friday"},
    {"calEvent3Date", "03/13"}, {"calEvent3Time", "2:00 - 3:00"}, {"calEvent3Location", "Location3"},
    {"percentLeftInYear", "50"}, {"percentYearProgress", "50"}, {"percentLeftInMonth", "50"},
    {"percentMonthProgress", "50"},
};

bool isLiveKey(std::string_view name) {
  return std::find(std::begin(kLiveKeys), std::end(kLiveKeys), name) != std::end(kLiveKeys);
}

const Sample* findSample(std::string_view name) {
  const auto found = std::find_if(std::begin(kSamples), std::end(kSamples),
                                  [name](const Sample& sample) { return sample.key == name; });
  return found == std::end(kSamples) ? nullptr : found;
}

}  // namespace

bool CreatorData::isDataKey(std::string_view name) { return isLiveKey(name) || findSample(name) != nullptr; }

std::optional<std::string> CreatorData::value(std::string_view name) {
  if (isLiveKey(name)) {
    static const VantileDates::Settings twelveHourEnglish{.twentyFourHour = false, .language = nullptr};
    return VantileDates::token(name, twelveHourEnglish);
  }
  if (const Sample* sample = findSample(name)) return std::string(sample->value);
  return std::nullopt;
}

const std::vector<std::string>& CreatorData::dataKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all(std::begin(kLiveKeys), std::end(kLiveKeys));
    for (const Sample& sample : kSamples) all.emplace_back(sample.key);
    std::sort(all.begin(), all.end(), [](const std::string& left, const std::string& right) {
      return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                          [](unsigned char a, unsigned char b) {
                                            return std::tolower(a) < std::tolower(b);
                                          });
    });
    return all;
  }();
  return keys;
}

std::string CreatorData::getDateStringWithFormat(std::string_view pattern) {
  return VantileDates::getDateStringWithFormat(pattern);
}

std::string handleData(std::string_view text) {
  std::string result(text);
  for (const std::string_view name : dataTokenNames(text)) {
    std::string placeholder(1, '[');
    placeholder.append(name).push_back(']');
    const auto value = CreatorData::isDataKey(name) ? CreatorData::value(name) : std::optional<std::string>("na");
    if (value) result = platform::foundation::replacingOccurrences(result, placeholder, *value);
  }
  return result;
}

}  // namespace vantile
