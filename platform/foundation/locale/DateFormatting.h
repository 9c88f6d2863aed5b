#pragma once

#include "platform/foundation/queues/MainQueue.h"

#include <optional>
#include <string>
#include <string_view>

// Dates as the system shows them: Unicode date patterns and Gregorian calendar values, in the
// process's time zone. Every operation gives nothing (and logs) for an instant that is not finite.
namespace platform::foundation {

// The process's time zone starts as the host's (TZ, else /etc/localtime). ICU keeps it once read,
// so a change of TZ shows only after useHostTimeZone().
// Switches to an IANA zone ("Asia/Tokyo"); false, and no change, for an unknown name.
bool setTimeZone(std::string_view identifier);
// Reads the host's zone again.
void useHostTimeZone();

// The process's locale starts as the host's (LANG and friends).
// Switches to a locale such as "de_DE"; false, and no change, for an empty or malformed name.
bool setDeviceLocale(std::string_view identifier);
// Back to the host's locale.
void useHostLocale();

enum class DateLocale {
  // "en_US_POSIX": English names and ASCII digits, whatever the user's settings.
  posix,
  // The process's locale: its digits and names may be anything.
  device,
};

// The device locale's best date-format pattern for a skeleton ("j": its clock, "h a" or "HH").
std::optional<std::string> datePatternFromTemplate(std::string_view skeleton);

std::optional<std::string> formatDate(TimeStamp instant, std::string_view pattern,
                                      DateLocale locale = DateLocale::posix);

// The Gregorian calendar's reading of an instant in the process's time zone.
struct CalendarDate {
  int year = 0;
  int month = 0;  // 1 = January
  int day = 0;    // of the month
  int weekday = 0;  // 1 = Sunday
  int hour = 0;     // 0 to 23
  int minute = 0;
  int second = 0;
  int dayOfYear = 0;  // 1 = 1 January
  int daysInMonth = 0;
  int daysInYear = 0;
};

std::optional<CalendarDate> calendarDate(TimeStamp instant);

// Calendar arithmetic: the same wall-clock time `days` days later (earlier when negative), across
// month and year ends and daylight-saving changes.
std::optional<TimeStamp> addingDays(TimeStamp instant, int days);

}  // namespace platform::foundation
