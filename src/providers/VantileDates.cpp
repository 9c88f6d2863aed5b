#include "providers/VantileDates.h"

#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "providers/EnglishDateWords.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace vantile {

namespace {

namespace foundation = platform::foundation;
using foundation::CalendarDate;
using foundation::DateLocale;
using foundation::TimeStamp;

TimeStamp now() { return foundation::MainQueue::shared().now(); }

std::string formatted(TimeStamp instant, std::string_view pattern, DateLocale locale = DateLocale::posix) {
  return foundation::formatDate(instant, pattern, locale).value_or(std::string());
}

// Empty when the clock's instant has no calendar date (the platform has logged why).
template <typename Read>
std::string fromDate(std::optional<TimeStamp> instant, Read read) {
  const auto date = instant ? foundation::calendarDate(*instant) : std::nullopt;
  return date ? std::string(read(*date)) : std::string();
}

template <typename Read>
std::string fromToday(Read read) {
  return fromDate(now(), read);
}

// Code points rather than bytes: language files hold names in any script.
std::string character(std::string_view text, std::size_t index) {
  const auto length = [](unsigned char lead) -> std::size_t {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  };
  std::size_t start = 0;
  for (; index > 0 && start < text.size(); --index) {
    start += length(static_cast<unsigned char>(text[start]));
  }
  if (start >= text.size()) {
    return {};
  }
  return std::string(text.substr(start, length(static_cast<unsigned char>(text[start]))));
}

std::string withoutFinalDay(std::string name) {
  constexpr std::string_view suffix = "day";
  if (name.ends_with(suffix)) {
    name.resize(name.size() - suffix.size());
  }
  return name;
}

// The language's name of a calendar value (a month, a weekday), else the English one.
std::string nameAt(TimeStamp instant, std::string_view languageKey, int CalendarDate::*field,
                   std::string_view englishPattern) {
  const auto date = foundation::calendarDate(instant);
  if (date) {
    if (auto word = VantileDates::languageWord(languageKey, (*date).*field - 1)) {
      return *std::move(word);
    }
  }
  return formatted(instant, englishPattern);
}

std::string_view hourWord(const CalendarDate& today) {
  if (VantileDates::getTwentyFour()) {
    return english::hourWord(today.hour, true);
  }
  const int twelveHour = today.hour % 12 == 0 ? 12 : today.hour % 12;
  return english::hourWord(twelveHour, false);
}

// Morning, afternoon, evening, night; night runs through midnight to 1 o'clock.
int timeOfDayIndex(int hour) {
  if (hour >= 1 && hour <= 11) {
    return 0;
  }
  if (hour >= 12 && hour <= 17) {
    return 1;
  }
  return hour >= 18 && hour <= 20 ? 2 : 3;
}

float fractionOfYearLeft(const CalendarDate& today) {
  const int daysLeft = today.daysInYear - today.dayOfYear + 1;
  return static_cast<float>(daysLeft) / static_cast<float>(today.daysInYear);
}

std::string wholePercent(double percent) { return std::to_string(std::lround(percent)); }

std::string shortDayOffsetBy(int days) {
  const auto instant = foundation::addingDays(now(), days);
  return instant ? nameAt(*instant, "shortdays", &CalendarDate::weekday, "EEE") : std::string();
}

// These follow the user's locale, unlike every other date token.
std::string dayOfMonthOffsetBy(int days, std::string_view pattern) {
  const auto instant = foundation::addingDays(now(), days);
  return instant ? formatted(*instant, pattern, DateLocale::device) : std::string();
}

}  // namespace

VantileDates& VantileDates::sharedInstance() {
  static VantileDates shared;
  return shared;
}

void VantileDates::setTwentyFourHour(bool twentyFourHour) { twentyfour_ = twentyFourHour; }

void VantileDates::setLanguageDict(std::string_view path) {
  language_.reset();
  auto parsed = VantileHelpers::JSONFromFile(path);
  if (!parsed) return;
  if (!parsed->is_object()) {
    foundation::systemLog("Language file is not a JSON object: " + std::string(path));
    return;
  }
  language_.emplace(std::move(*parsed));
}

bool VantileDates::getTwentyFour() {
  return settingsInForce_ ? settingsInForce_->twentyFourHour : sharedInstance().twentyfour_;
}

const platform::Value* VantileDates::currentLanguage() {
  if (settingsInForce_) return settingsInForce_->language;
  const auto& language = sharedInstance().language_;
  return language ? &*language : nullptr;
}

std::optional<platform::Value> VantileDates::languageDict() {
  const platform::Value* language = currentLanguage();
  return language ? std::optional<platform::Value>(*language) : std::nullopt;
}

std::optional<std::string> VantileDates::languageWord(std::string_view key, int index) {
  const platform::Value* language = currentLanguage();
  if (!language || index < 0) {
    return std::nullopt;
  }
  const auto words = language->find(std::string(key));
  if (words == language->end() || !words->is_array() || static_cast<std::size_t>(index) >= words->size()) {
    return std::nullopt;
  }
  const auto& word = (*words)[static_cast<std::size_t>(index)];
  if (!word.is_string()) {
    return std::nullopt;
  }
  return word.get<std::string>();
}

std::string VantileDates::getDateStringWithFormat(std::string_view pattern) { return formatted(now(), pattern); }

// Clock

std::string VantileDates::time() { return getDateStringWithFormat(getTwentyFour() ? "H:mm" : "h:mm"); }
std::string VantileDates::paddedtime() { return getDateStringWithFormat(getTwentyFour() ? "HH:mm" : "hh:mm"); }
std::string VantileDates::hour() { return getDateStringWithFormat(getTwentyFour() ? "H" : "h"); }
std::string VantileDates::paddedhour() { return getDateStringWithFormat(getTwentyFour() ? "HH" : "hh"); }
std::string VantileDates::paddedhourpartone() { return character(paddedhour(), 0); }
std::string VantileDates::paddedhourparttwo() { return character(paddedhour(), 1); }
std::string VantileDates::minute() { return getDateStringWithFormat("mm"); }
std::string VantileDates::minutepartone() { return character(minute(), 0); }
std::string VantileDates::minuteparttwo() { return character(minute(), 1); }
std::string VantileDates::seconds() { return getDateStringWithFormat("ss"); }

std::string VantileDates::ampm() {
  return fromToday([](const CalendarDate& today) { return today.hour < 12 ? "am" : "pm"; });
}

std::string VantileDates::textHour() { return fromToday(hourWord); }

std::string VantileDates::textMinute() {
  return fromToday([](const CalendarDate& today) { return english::minuteWord(today.minute); });
}

std::string VantileDates::textTime() {
  return fromToday([](const CalendarDate& today) {
    return std::string(hourWord(today)) + " " + english::minuteWord(today.minute);
  });
}

std::string VantileDates::timeofday() {
  return fromToday([](const CalendarDate& today) {
    const int index = timeOfDayIndex(today.hour);
    return languageWord("tod", index).value_or(std::string(english::timeOfDayWord(index)));
  });
}

// Month

std::string VantileDates::month() { return nameAt(now(), "months", &CalendarDate::month, "MMMM"); }
std::string VantileDates::shortmonth() { return nameAt(now(), "shortmonths", &CalendarDate::month, "MMM"); }
std::string VantileDates::firstlettermonth() { return character(month(), 0); }

std::string VantileDates::monthnumber() {
  return fromToday([](const CalendarDate& today) { return std::to_string(today.month); });
}

std::string VantileDates::paddedmonthnumber() {
  return fromToday([](const CalendarDate& today) {
    std::string text = today.month <= 9 ? "0" : "";
    text += std::to_string(today.month);
    return text;
  });
}

// Weekday

std::string VantileDates::day() { return nameAt(now(), "days", &CalendarDate::weekday, "EEEE"); }
std::string VantileDates::shortday() { return nameAt(now(), "shortdays", &CalendarDate::weekday, "EEE"); }
std::string VantileDates::firstletterday() { return character(day(), 0); }
std::string VantileDates::shortdaynoday() { return withoutFinalDay(day()); }

std::string VantileDates::shortdaynodayplusone() {
  return fromDate(foundation::addingDays(now(), 1), [](const CalendarDate& tomorrow) {
    return withoutFinalDay(languageWord("days", tomorrow.weekday - 1)
                               .value_or(std::string(english::weekdayName(tomorrow.weekday))));
  });
}

std::string VantileDates::shortdayminusone() { return shortDayOffsetBy(-1); }
std::string VantileDates::shortdayminustwo() { return shortDayOffsetBy(-2); }
std::string VantileDates::shortdayminusthree() { return shortDayOffsetBy(-3); }
std::string VantileDates::shortdayminusfour() { return shortDayOffsetBy(-4); }
std::string VantileDates::shortdayplusone() { return shortDayOffsetBy(1); }
std::string VantileDates::shortdayplustwo() { return shortDayOffsetBy(2); }
std::string VantileDates::shortdayplusthree() { return shortDayOffsetBy(3); }
std::string VantileDates::shortdayplusfour() { return shortDayOffsetBy(4); }

// Day of the month and year

std::string VantileDates::date() { return getDateStringWithFormat("d"); }
std::string VantileDates::paddeddate() { return getDateStringWithFormat("dd"); }
std::string VantileDates::paddeddatepartone() { return character(paddeddate(), 0); }
std::string VantileDates::paddeddateparttwo() { return character(paddeddate(), 1); }

std::string VantileDates::dateordinal() {
  return fromToday([](const CalendarDate& today) {
    return std::to_string(today.day) + std::string(english::ordinalSuffix(today.day));
  });
}

std::string VantileDates::textDate() {
  return fromToday([](const CalendarDate& today) { return english::ordinalWord(today.day); });
}

std::string VantileDates::dateminusone() { return dayOfMonthOffsetBy(-1, "d"); }
std::string VantileDates::dateminustwo() { return dayOfMonthOffsetBy(-2, "d"); }
std::string VantileDates::dateminusthree() { return dayOfMonthOffsetBy(-3, "d"); }
std::string VantileDates::dateminusfour() { return dayOfMonthOffsetBy(-4, "d"); }
std::string VantileDates::dateminusfive() { return dayOfMonthOffsetBy(-5, "d"); }
std::string VantileDates::dateminussix() { return dayOfMonthOffsetBy(-6, "d"); }
std::string VantileDates::dateminusseven() { return dayOfMonthOffsetBy(-7, "d"); }
std::string VantileDates::dateplusone() { return dayOfMonthOffsetBy(1, "d"); }
std::string VantileDates::dateplustwo() { return dayOfMonthOffsetBy(2, "d"); }
std::string VantileDates::dateplusthree() { return dayOfMonthOffsetBy(3, "d"); }
std::string VantileDates::dateplusfour() { return dayOfMonthOffsetBy(4, "d"); }
std::string VantileDates::dateplusfive() { return dayOfMonthOffsetBy(5, "d"); }
std::string VantileDates::dateplussix() { return dayOfMonthOffsetBy(6, "d"); }
std::string VantileDates::dateplusseven() { return dayOfMonthOffsetBy(7, "d"); }
std::string VantileDates::paddeddateminusone() { return dayOfMonthOffsetBy(-1, "dd"); }
std::string VantileDates::paddeddateminustwo() { return dayOfMonthOffsetBy(-2, "dd"); }
std::string VantileDates::paddeddateminusthree() { return dayOfMonthOffsetBy(-3, "dd"); }
std::string VantileDates::paddeddateminusfour() { return dayOfMonthOffsetBy(-4, "dd"); }
std::string VantileDates::paddeddateminusfive() { return dayOfMonthOffsetBy(-5, "dd"); }
std::string VantileDates::paddeddateminussix() { return dayOfMonthOffsetBy(-6, "dd"); }
std::string VantileDates::paddeddateminusseven() { return dayOfMonthOffsetBy(-7, "dd"); }
std::string VantileDates::paddeddateplusone() { return dayOfMonthOffsetBy(1, "dd"); }
std::string VantileDates::paddeddateplustwo() { return dayOfMonthOffsetBy(2, "dd"); }
std::string VantileDates::paddeddateplusthree() { return dayOfMonthOffsetBy(3, "dd"); }
std::string VantileDates::paddeddateplusfour() { return dayOfMonthOffsetBy(4, "dd"); }
std::string VantileDates::paddeddateplusfive() { return dayOfMonthOffsetBy(5, "dd"); }
std::string VantileDates::paddeddateplussix() { return dayOfMonthOffsetBy(6, "dd"); }
std::string VantileDates::paddeddateplusseven() { return dayOfMonthOffsetBy(7, "dd"); }

std::string VantileDates::year() { return getDateStringWithFormat("yyyy"); }
std::string VantileDates::shortyear() { return getDateStringWithFormat("yy"); }

// Year and month progress

std::string VantileDates::percentYearProgress() {
  return fromToday([](const CalendarDate& today) { return wholePercent(100.0f - fractionOfYearLeft(today) * 100.0f); });
}

std::string VantileDates::percentLeftInYear() {
  return fromToday([](const CalendarDate& today) { return wholePercent(fractionOfYearLeft(today) * 100.0f); });
}

std::string VantileDates::percentMonthProgress() {
  return fromToday([](const CalendarDate& today) { return wholePercent(100.0 * today.day / today.daysInMonth); });
}

std::string VantileDates::percentLeftInMonth() {
  return fromToday([](const CalendarDate& today) {
    return wholePercent(100.0 * (today.daysInMonth - today.day) / today.daysInMonth);
  });
}

// Symbols

std::string VantileDates::degreeSymbol() { return "\u00B0"; }
std::string VantileDates::circleSymbol() { return "\u25CB"; }
std::string VantileDates::upSymbol() { return "\u2191"; }
std::string VantileDates::downSymbol() { return "\u2193"; }
std::string VantileDates::heartSymbol() { return "\u2665"; }
std::string VantileDates::heartOutlineSymbol() { return "\u2661"; }

}  // namespace vantile
