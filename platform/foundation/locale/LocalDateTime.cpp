#include "platform/foundation/locale/LocalDateTime.h"

#include <charconv>
#include <chrono>

#include "platform/foundation/locale/DateFormatting.h"

namespace platform::foundation {

namespace {

// A fixed-width run of digits at `offset`.
std::optional<int> digitsAt(std::string_view text, std::size_t offset, std::size_t width) {
  const std::string_view field = text.substr(offset, width);
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc{} || end != field.data() + field.size() ||
      field.find_first_of("+-") != std::string_view::npos) {
    return std::nullopt;
  }
  return value;
}

// The reading's instant as if the zone were UTC.
double secondsAsUTC(int year, int month, int day, int hour, int minute, int second) {
  const std::chrono::sys_days days{std::chrono::year{year} / month / day};
  return static_cast<double>(days.time_since_epoch().count()) * 86400 + hour * 3600 + minute * 60 + second;
}

// How far the process's zone is ahead of UTC at an instant.
std::optional<double> zoneOffsetAt(TimeStamp instant) {
  const auto shown = calendarDate(instant);
  if (!shown) {
    return std::nullopt;
  }
  return secondsAsUTC(shown->year, shown->month, shown->day, shown->hour, shown->minute, shown->second) - instant;
}

}  // namespace

std::optional<LocalDateTime> parseLocalDateTime(std::string_view text) {
  constexpr std::string_view shape = "dddd-dd-ddTdd:dd:dd";
  if (text.size() != shape.size()) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < shape.size(); ++i) {
    if (shape[i] != 'd' && text[i] != shape[i]) {
      return std::nullopt;
    }
  }
  const auto year = digitsAt(text, 0, 4);
  const auto month = digitsAt(text, 5, 2);
  const auto day = digitsAt(text, 8, 2);
  const auto hour = digitsAt(text, 11, 2);
  const auto minute = digitsAt(text, 14, 2);
  const auto second = digitsAt(text, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) {
    return std::nullopt;
  }
  const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok() || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  return LocalDateTime{*year, *month, *day, *hour, *minute, *second};
}

std::optional<TimeStamp> timeStampInProcessZone(const LocalDateTime& reading) {
  const double asUTC =
      secondsAsUTC(reading.year, reading.month, reading.day, reading.hour, reading.minute, reading.second);
  // The offset at the guess can differ from the one at the answer across a daylight-saving
  // change, so the offset is taken again where the first guess lands.
  const auto firstOffset = zoneOffsetAt(asUTC);
  if (!firstOffset) {
    return std::nullopt;
  }
  const auto secondOffset = zoneOffsetAt(asUTC - *firstOffset);
  if (!secondOffset) {
    return std::nullopt;
  }
  return asUTC - *secondOffset;
}

}  // namespace platform::foundation
