#include "providers/EnglishDateWords.h"

#include <array>
#include <cstddef>

namespace vantile::english {

namespace {

template <std::size_t count>
std::string_view entry(const std::array<std::string_view, count>& table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= count) {
    return {};
  }
  return table[static_cast<std::size_t>(index)];
}

constexpr std::array<std::string_view, 24> kHourWords = {
    "twelve",   "one",     "two",       "three",    "four",     "five",       "six",        "seven",
    "eight",    "nine",    "ten",       "eleven",   "twelve",   "thirteen",   "fourteen",   "fifteen",
    "sixteen",  "seventeen", "eighteen", "nineteen", "twenty",   "twenty one", "twenty two", "twenty three",
};

constexpr std::array<std::string_view, 10> kUnitWords = {
    "", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
};

constexpr std::array<std::string_view, 10> kTeenWords = {
    "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen",
};

constexpr std::array<std::string_view, 6> kTensWords = {"", "", "twenty", "thirty", "forty", "fifty"};

// "eight", "nineth", "thelfth", "twentyith" and the like are what themes have always shown.
constexpr std::array<std::string_view, 31> kOrdinalWords = {
    "first",        "second",       "third",       "fourth",      "fifth",       "sixth",      "seventh",
    "eight",        "nineth",       "tenth",       "eleventh",    "thelfth",     "thirteenth", "fourteenth",
    "fifteenth",    "sixteenth",    "seventeenth", "eighteenth",  "nineteenth",  "twentyith",  "twentyfirst",
    "twentysecond", "twentythird",  "twentyfourth", "twentyfifth", "twentysixth", "twentyseventh",
    "twentyeight",  "twentyninth",  "thirtyith",   "thirtyfirst",
};

constexpr std::array<std::string_view, 4> kOrdinalSuffixes = {"th", "st", "nd", "rd"};

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};

constexpr std::array<std::string_view, 4> kTimesOfDay = {"Morning", "Afternoon", "Evening", "Night"};

}  // namespace

std::string_view hourWord(int hour, bool twentyFourHour) {
  if (!twentyFourHour && (hour < 1 || hour > 12)) {
    return {};
  }
  return entry(kHourWords, hour);
}

std::string minuteWord(int minute) {
  if (minute == 0) {
    return "o'clock";
  }
  if (minute < 0 || minute > 59) {
    return {};
  }
  if (minute < 10) {
    return "o'" + std::string(kUnitWords[static_cast<std::size_t>(minute)]);
  }
  if (minute < 20) {
    return std::string(kTeenWords[static_cast<std::size_t>(minute - 10)]);
  }
  std::string word(kTensWords[static_cast<std::size_t>(minute / 10)]);
  if (minute % 10 != 0) {
    word.append(" ").append(kUnitWords[static_cast<std::size_t>(minute % 10)]);
  }
  return word;
}

std::string_view ordinalWord(int day) { return entry(kOrdinalWords, day - 1); }

std::string_view ordinalSuffix(int day) {
  const int lastTwoDigits = day % 100;
  // The remainder keeps the dividend's sign, so days 1 to 19 fall through to the second rule.
  const int afterTwenty = (lastTwoDigits - 20) % 10;
  if (afterTwenty >= 0 && afterTwenty <= 3) {
    return kOrdinalSuffixes[static_cast<std::size_t>(afterTwenty)];
  }
  return entry(kOrdinalSuffixes, lastTwoDigits >= 0 && lastTwoDigits <= 3 ? lastTwoDigits : 0);
}

std::string_view weekdayName(int weekday) { return entry(kWeekdayNames, weekday - 1); }

std::string_view timeOfDayWord(int index) { return entry(kTimesOfDay, index); }

}  // namespace vantile::english
