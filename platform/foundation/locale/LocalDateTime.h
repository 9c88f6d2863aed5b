#pragma once

#include <optional>
#include <string_view>

#include "platform/foundation/queues/MainQueue.h"

namespace platform::foundation {

// A wall-clock reading without a zone, as "2026-12-09T08:30:00" writes it.
struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// Exactly "YYYY-MM-DDTHH:MM:SS" naming a real calendar day and time; nothing otherwise.
std::optional<LocalDateTime> parseLocalDateTime(std::string_view text);

// The instant that shows this reading in the process's time zone (the one dates are shown
// in). A reading skipped by a daylight-saving change gives the instant an hour later.
std::optional<TimeStamp> timeStampInProcessZone(const LocalDateTime& reading);

}  // namespace platform::foundation
