#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"

namespace platform::services {

struct Calendar {
  std::string title;
  // "rgba(r, g, b, a)".
  std::string color;

  friend bool operator==(const Calendar&, const Calendar&) = default;
};

struct CalendarEvent {
  std::optional<std::string> title;
  std::optional<std::string> location;
  foundation::TimeStamp startDate = 0;
  foundation::TimeStamp endDate = 0;
  bool allDay = false;
  std::optional<Calendar> calendar;
};

// The calendar store: the device's calendars and events, read from the device state at each
// call. Without the user's permission it offers no calendars and no events. Main thread only.
class EventStore {
 public:
  std::vector<Calendar> calendarsForEntityTypeEvent() const;
  // The events of those calendars that overlap [start, end), in the store's order. Each call
  // is one read of the store.
  std::vector<CalendarEvent> eventsMatching(foundation::TimeStamp start, foundation::TimeStamp end,
                                            const std::vector<Calendar>& calendars);

  // How many times the events were read.
  int readCount() const { return readCount_; }

 private:
  int readCount_ = 0;
};

}  // namespace platform::services
