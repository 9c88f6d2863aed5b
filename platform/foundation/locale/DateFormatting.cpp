#include "platform/foundation/locale/DateFormatting.h"

#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/stringpiece.h>
#include <unicode/timezone.h>
#include <unicode/uloc.h>
#include <unicode/unistr.h>

#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "platform/foundation/files/SystemLog.h"

namespace platform::foundation {

namespace {

icu::UnicodeString unicode(std::string_view text) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::optional<UDate> icuDate(TimeStamp instant) {
  const double milliseconds = instant * 1000.0;
  if (!std::isfinite(milliseconds)) {
    systemLog("No date for a non-finite instant");
    return std::nullopt;
  }
  return milliseconds;
}

const icu::Locale& posixLocale() {
  static const icu::Locale locale("en_US_POSIX");
  return locale;
}

// Building a calendar costs far more than reading one (ICU looks up the locale's week data each
// time), and a data pass reads the date of the same instant for every date token. One calendar
// is kept and reset to each instant, with the fields of the last instant read; a change of the
// zone empties both.
class CalendarCache {
 public:
  static CalendarCache& shared() {
    static CalendarCache cache;
    return cache;
  }

  std::optional<CalendarDate> date(UDate instant) {
    const std::lock_guard lock(mutex_);
    if (last_ && lastInstant_ == instant) return last_;
    icu::GregorianCalendar* calendar = calendarAt(instant);
    if (calendar == nullptr) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const CalendarDate date{
        .year = calendar->get(UCAL_YEAR, status),
        .month = calendar->get(UCAL_MONTH, status) + 1,
        .day = calendar->get(UCAL_DATE, status),
        .weekday = calendar->get(UCAL_DAY_OF_WEEK, status),
        .hour = calendar->get(UCAL_HOUR_OF_DAY, status),
        .minute = calendar->get(UCAL_MINUTE, status),
        .second = calendar->get(UCAL_SECOND, status),
        .dayOfYear = calendar->get(UCAL_DAY_OF_YEAR, status),
        .daysInMonth = calendar->getActualMaximum(UCAL_DATE, status),
        .daysInYear = calendar->getActualMaximum(UCAL_DAY_OF_YEAR, status),
    };
    if (U_FAILURE(status)) {
      systemLog(std::string("Cannot read the calendar: ") + u_errorName(status));
      return std::nullopt;
    }
    lastInstant_ = instant;
    last_ = date;
    return date;
  }

  std::optional<UDate> addingDays(UDate instant, int days) {
    const std::lock_guard lock(mutex_);
    icu::GregorianCalendar* calendar = calendarAt(instant);
    if (calendar == nullptr) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    calendar->add(UCAL_DATE, days, status);
    const UDate shifted = calendar->getTime(status);
    if (U_FAILURE(status)) {
      systemLog(std::string("Cannot add days to a date: ") + u_errorName(status));
      return std::nullopt;
    }
    return shifted;
  }

  void clear() {
    const std::lock_guard lock(mutex_);
    calendar_.reset();
    last_.reset();
  }

 private:
  // The kept calendar, in the process's time zone, set to the instant.
  icu::GregorianCalendar* calendarAt(UDate instant) {
    UErrorCode status = U_ZERO_ERROR;
    if (!calendar_) {
      calendar_ = std::make_unique<icu::GregorianCalendar>(posixLocale(), status);
      if (U_FAILURE(status)) {
        systemLog(std::string("Gregorian calendar failed: ") + u_errorName(status));
        calendar_.reset();
        return nullptr;
      }
    }
    calendar_->setTime(instant, status);
    if (U_FAILURE(status)) {
      systemLog(std::string("Gregorian calendar failed: ") + u_errorName(status));
      return nullptr;
    }
    return calendar_.get();
  }

  std::mutex mutex_;
  std::unique_ptr<icu::GregorianCalendar> calendar_;
  UDate lastInstant_ = 0;
  std::optional<CalendarDate> last_;
};

// Building an ICU formatter costs far more than formatting with it, and the one-second tick
// formats the same few patterns again and again. Formatters bake in the zone and locale, so
// every change of either empties the cache.
class FormatterCache {
 public:
  static FormatterCache& shared() {
    static FormatterCache cache;
    return cache;
  }

  std::optional<std::string> format(UDate date, std::string_view pattern, DateLocale locale) {
    const std::lock_guard lock(mutex_);
    auto key = std::make_pair(std::string(pattern), locale);
    auto found = formatters_.find(key);
    if (found == formatters_.end()) {
      UErrorCode status = U_ZERO_ERROR;
      const icu::Locale& formatLocale = locale == DateLocale::posix ? posixLocale() : icu::Locale::getDefault();
      auto formatter = std::make_unique<icu::SimpleDateFormat>(unicode(pattern), formatLocale, status);
      if (U_FAILURE(status)) {
        systemLog("Cannot format a date with \"" + std::string(pattern) + "\": " + u_errorName(status));
        return std::nullopt;
      }
      if (formatters_.size() >= kCapacity) formatters_.clear();
      found = formatters_.emplace(std::move(key), std::move(formatter)).first;
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString formatted;
    found->second->format(date, formatted, nullptr, status);
    if (U_FAILURE(status)) {
      systemLog("Cannot format a date with \"" + std::string(pattern) + "\": " + u_errorName(status));
      return std::nullopt;
    }
    std::string text;
    return formatted.toUTF8String(text);
  }

  void clear() {
    const std::lock_guard lock(mutex_);
    formatters_.clear();
  }

 private:
  static constexpr std::size_t kCapacity = 64;
  std::mutex mutex_;
  std::map<std::pair<std::string, DateLocale>, std::unique_ptr<icu::SimpleDateFormat>> formatters_;
};

}  // namespace

bool setTimeZone(std::string_view identifier) {
  std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(unicode(identifier)));
  icu::UnicodeString zoneIdentifier;
  icu::UnicodeString unknownIdentifier;
  if (!zone || zone->getID(zoneIdentifier) == icu::TimeZone::getUnknown().getID(unknownIdentifier)) {
    systemLog("Unknown time zone: " + std::string(identifier));
    return false;
  }
  icu::TimeZone::adoptDefault(zone.release());
  FormatterCache::shared().clear();
  CalendarCache::shared().clear();
  return true;
}

void useHostTimeZone() {
  icu::TimeZone::adoptDefault(icu::TimeZone::detectHostTimeZone());
  FormatterCache::shared().clear();
  CalendarCache::shared().clear();
}

bool setDeviceLocale(std::string_view identifier) {
  // ICU would read an empty name as the host's locale.
  const icu::Locale locale(std::string(identifier).c_str());
  UErrorCode status = U_ZERO_ERROR;
  if (!identifier.empty() && !locale.isBogus()) {
    icu::Locale::setDefault(locale, status);
    if (U_SUCCESS(status)) {
      FormatterCache::shared().clear();
      return true;
    }
  }
  systemLog("Unusable locale: " + std::string(identifier));
  return false;
}

void useHostLocale() {
  UErrorCode status = U_ZERO_ERROR;
  uloc_setDefault(nullptr, &status);
  FormatterCache::shared().clear();
}

std::optional<std::string> datePatternFromTemplate(std::string_view skeleton) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::DateTimePatternGenerator> generator(
      icu::DateTimePatternGenerator::createInstance(icu::Locale::getDefault(), status));
  if (U_FAILURE(status)) return std::nullopt;
  const icu::UnicodeString pattern = generator->getBestPattern(unicode(skeleton), status);
  if (U_FAILURE(status)) return std::nullopt;
  std::string text;
  pattern.toUTF8String(text);
  return text;
}

std::optional<std::string> formatDate(TimeStamp instant, std::string_view pattern, DateLocale locale) {
  const auto date = icuDate(instant);
  if (!date) {
    return std::nullopt;
  }
  return FormatterCache::shared().format(*date, pattern, locale);
}

std::optional<CalendarDate> calendarDate(TimeStamp instant) {
  const auto date = icuDate(instant);
  if (!date) return std::nullopt;
  return CalendarCache::shared().date(*date);
}

std::optional<TimeStamp> addingDays(TimeStamp instant, int days) {
  const auto date = icuDate(instant);
  if (!date) return std::nullopt;
  const auto shifted = CalendarCache::shared().addingDays(*date, days);
  if (!shifted) return std::nullopt;
  return *shifted / 1000.0;
}

}  // namespace platform::foundation
