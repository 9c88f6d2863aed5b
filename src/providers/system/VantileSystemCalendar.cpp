// Calendar events and daily step counts of VantileSystem.
#include <cmath>

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/services/EventStore.h"
#include "platform/services/HealthStore.h"
#include "providers/EnglishDateWords.h"
#include "providers/VantileDates.h"
#include "providers/system/VantileSystem.h"

namespace vantile {

namespace {

using platform::Value;
using platform::foundation::DateLocale;
using platform::foundation::TimeStamp;

constexpr double kEventInterval = 5;
constexpr double kStepsInterval = 10;
constexpr double kEventWindow = 25'920'000;
constexpr std::size_t kMaximumEvents = 20;
constexpr double kStepsLookBack = 7 * 86400;

double mediaClock() { return platform::foundation::MainQueue::shared().now(); }

// Due when the interval since the last read has passed; then the read starts now.
bool throttleAllows(double& last, double interval) {
  const double now = mediaClock();
  if (last + interval > now) return false;
  last = now;
  return true;
}

std::string formatted(TimeStamp instant, std::string_view pattern, DateLocale locale = DateLocale::device) {
  return platform::foundation::formatDate(instant, pattern, locale).value_or("");
}

std::string twoDigits(int value) {
  std::string text = value <= 9 ? "0" : "";
  text.append(std::to_string(value));
  return text;
}

Value eventRecord(const platform::services::CalendarEvent& event, const std::string& title) {
  return Value{
      {"date", VantileSystem::addBackslashes(formatted(event.startDate, "MM-dd-yyyy", DateLocale::posix))},
      {"title", VantileSystem::_escapeString(title)},
      {"location", VantileSystem::_escapeString(event.location.value_or("(null)"))},
      {"weekday", formatted(event.startDate, "EEEE")},
      {"daynum", std::to_string(platform::foundation::intValue(formatted(event.startDate, "e")))},
      {"startTime", event.startDate},
      {"endTime", event.endDate},
      {"allDay", event.allDay ? "1" : "0"},
      {"calendarColor", event.calendar ? event.calendar->color : ""},
      {"calendarTitle", event.calendar ? event.calendar->title : ""},
  };
}

std::string recordText(const Value& record, const char* key) {
  const auto found = record.find(key);
  return found == record.end() ? "" : platform::foundation::description(*found);
}

// The language's weekday name (Sunday first) for the record, or the English one. Looked up by
// the Gregorian weekday of its start, whatever day the region's week starts on.
std::string weekdayName(const Value& record, std::string_view key, bool shortName) {
  const auto start = platform::foundation::calendarDate(record.value("startTime", 0.0));
  const int weekday = start ? start->weekday : 1;
  if (auto word = VantileDates::languageWord(key, weekday - 1)) return *word;
  const std::string english(english::weekdayName(weekday));
  return shortName ? english.substr(0, 3) : english;
}

// Month and day of the record's "MM-dd-yyyy" date.
std::pair<std::string, std::string> monthAndDay(const Value& record) {
  const std::string date = recordText(record, "date");
  const auto parts = platform::foundation::components(date, "-");
  return {parts.size() > 0 ? std::string(parts[0]) : "", parts.size() > 1 ? std::string(parts[1]) : ""};
}

Value stepRecord(const platform::services::Statistics& day) {
  return Value{
      {"steps", static_cast<std::int64_t>(*day.sumQuantity)},
      {"date", formatted(day.startDate, "MM-dd-yyyy", DateLocale::posix)},
      {"dateday", formatted(day.startDate, "dd", DateLocale::posix)},
      {"day", formatted(day.startDate, "EEEE")},
      {"daynum", std::to_string(platform::foundation::intValue(formatted(day.startDate, "e")))},
  };
}

}  // namespace

void VantileSystem::saveEvents() {
  VantileSystem& system = sharedInstance();
  if (!throttleAllows(system.lastEventUpdateTime, kEventInterval)) return;
  if (!system.eventStore) return;
  const double now = platform::foundation::MainQueue::shared().now();
  const auto calendars = system.eventStore->calendarsForEntityTypeEvent();
  std::vector<Value> records;
  for (const auto& event : system.eventStore->eventsMatching(now, now + kEventWindow, calendars)) {
    const std::string title = event.title.value_or("(null)");
    if (title.find("observed") != std::string::npos) continue;
    if (records.size() == kMaximumEvents) break;
    records.push_back(eventRecord(event, title));
  }
  system.eventArray = std::move(records);
  system.eventsRead = true;
}

void VantileSystem::saveSteps() {
  VantileSystem& system = sharedInstance();
  if (!throttleAllows(system.lastStepsUpdateTime, kStepsInterval)) return;
  const double now = platform::foundation::MainQueue::shared().now();
  const auto today = platform::foundation::calendarDate(now);
  if (!today) return;
  const double midnight = now - today->hour * 3600 - today->minute * 60 - today->second;
  platform::services::HealthStore store;
  store.executeDailyStepCountQuery(
      midnight, [now](std::optional<platform::services::StatisticsCollection> results, std::optional<std::string> error) {
        if (error || !results) return;
        std::vector<Value> records;
        results->enumerateStatistics(now - kStepsLookBack, now, [&](const platform::services::Statistics& day) {
          if (day.sumQuantity) records.push_back(stepRecord(day));
        });
        platform::foundation::MainQueue::shared().post(
            [records = std::move(records)]() mutable { sharedInstance().stepArray = std::move(records); });
      });
}

std::string VantileSystem::getTime(double seconds) {
  const auto date = platform::foundation::calendarDate(seconds);
  if (!date) return "";
  const bool twentyFour = VantileDates::getTwentyFour();
  int hour = date->hour;
  if (!twentyFour) {
    if (hour == 0) hour = 12;
    else if (hour > 12) hour -= 12;
  }
  std::string text = twoDigits(hour) + ":" + twoDigits(date->minute);
  if (!twentyFour) text.append(date->hour < 12 ? "AM" : "PM");
  return text;
}

std::string VantileSystem::steps() {
  saveSteps();
  const auto& records = sharedInstance().stepArray;
  return records.empty() ? "" : recordText(records.back(), "steps");
}

std::string VantileSystem::calendarEvent(int number, std::string_view form) {
  saveEvents();
  const auto& records = sharedInstance().eventArray;
  if (number < 1 || records.size() < static_cast<std::size_t>(number)) return "";
  const Value& record = records[static_cast<std::size_t>(number - 1)];
  const std::string title = recordText(record, "title");
  if (form.empty()) return title;
  if (form == "WDay") return weekdayName(record, "shortdays", true) + ": " + title;
  if (form == "Day") return weekdayName(record, "shortdays", true);
  if (form == "FullDay") return weekdayName(record, "days", false);
  const auto [month, day] = monthAndDay(record);
  if (form == "WDate") return month + "/" + day + " " + title;
  if (form == "Date") return month + "/" + day;
  if (form == "Time") {
    return getTime(record.value("startTime", 0.0)) + " - " + getTime(record.value("endTime", 0.0));
  }
  if (form == "Location") return recordText(record, "location");
  return "";
}

}  // namespace vantile
