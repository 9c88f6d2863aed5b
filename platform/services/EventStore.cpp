#include "platform/services/EventStore.h"

#include <algorithm>

#include "platform/foundation/locale/LocalDateTime.h"
#include "platform/springboard/device/DeviceModel.h"

namespace platform::services {

namespace {

std::optional<foundation::TimeStamp> instantOf(const std::string& text) {
  const auto reading = foundation::parseLocalDateTime(text);
  return reading ? foundation::timeStampInProcessZone(*reading) : std::nullopt;
}

}  // namespace

std::vector<Calendar> EventStore::calendarsForEntityTypeEvent() const {
  const auto& calendar = springboard::DeviceModel::shared().state().calendar;
  std::vector<Calendar> calendars;
  if (!calendar.access) return calendars;
  for (const auto& info : calendar.calendars) calendars.push_back({info.title, info.color});
  return calendars;
}

std::vector<CalendarEvent> EventStore::eventsMatching(foundation::TimeStamp start, foundation::TimeStamp end,
                                                      const std::vector<Calendar>& calendars) {
  ++readCount_;
  const auto& calendar = springboard::DeviceModel::shared().state().calendar;
  std::vector<CalendarEvent> events;
  if (!calendar.access) return events;
  for (const auto& stored : calendar.events) {
    const auto own = std::find_if(calendars.begin(), calendars.end(),
                                  [&](const Calendar& candidate) { return candidate.title == stored.calendar; });
    // An event without a calendar belongs to no calendar that could be asked for; it still shows.
    if (!stored.calendar.empty() && own == calendars.end()) continue;
    const auto eventStart = instantOf(stored.start);
    const auto eventEnd = instantOf(stored.end);
    if (!eventStart || !eventEnd || *eventEnd <= start || *eventStart >= end) continue;
    events.push_back({stored.title, stored.location, *eventStart, *eventEnd, stored.allDay,
                      own == calendars.end() ? std::nullopt : std::optional(*own)});
  }
  return events;
}

}  // namespace platform::services
