// The weather provider's conversions of single readings.
#include <cmath>
#include <numbers>

#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/objc/Messaging.h"
#include "platform/springboard/runtime/Signatures.h"
#include "providers/VantileDates.h"
#include "providers/system/SpringBoardReadings.h"
#include "providers/weather/VantileWeather.h"

namespace vantile {

namespace {

namespace objc = platform::objc;
namespace sig = platform::springboard::signatures;

constexpr std::string_view kCompassPoints[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                               "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
constexpr std::string_view kMoonPhases[] = {"New",  "Evening Crescent", "First Quarter", "Waxing Gibbous",
                                            "Full", "Waning Gibbous",   "Last Quarter",  "Morning Crescent"};
constexpr double kSynodicMonth = 29.530588853;

bool usesCelsius() {
  const auto preferences = readings::sharedObject("WeatherPreferences", "sharedPreferences");
  return preferences && objc::respondsToSelector(*preferences, "isCelsius") &&
         objc::send<sig::Answer>(*preferences, "isCelsius");
}

}  // namespace

std::int64_t VantileWeather::getIntFromWFTemp(const ObjectRef& temperature) {
  if (!temperature) return 0;
  const double degrees = usesCelsius() ? objc::send<sig::Real>(*temperature, "celsius")
                                       : objc::send<sig::Seconds>(*temperature, "fahrenheit");
  return static_cast<std::int64_t>(std::trunc(degrees));
}

std::string VantileWeather::windDirectionFromDegrees(float degrees) {
  const auto index = static_cast<std::int64_t>(std::trunc((degrees + 11.25F) / 22.5F)) % 16;
  if (index < 0) return "";
  return std::string(kCompassPoints[index]);
}

std::string VantileWeather::convertSun(std::uint64_t time) {
  const std::string text = std::to_string(time);
  if (text.size() != 3 && text.size() != 4) {
    VantileHelpers::writeToLog("Invalid input: string length is not 3 or 4 in VantileWeather convertSun:");
    return "na";
  }
  const std::size_t hourLength = text.size() - 2;
  const std::string hourText = text.substr(0, hourLength);
  const std::string minuteText = text.substr(hourLength);
  if (VantileDates::getTwentyFour()) return hourText + ":" + minuteText;
  const std::int32_t hour = platform::foundation::intValue(hourText);
  if (hour == 0 && hourText != "0") {
    VantileHelpers::writeToLog("Invalid input: sun_one is not a valid number in VantileWeather convertSun:");
    return "na";
  }
  const std::int32_t twelveHour = hour % 12 == 0 ? 12 : hour % 12;
  return std::to_string(twelveHour) + ":" + minuteText;
}

std::string VantileWeather::convertTimeStringTo12HR(std::string_view time) {
  const auto parts = platform::foundation::components(time, ":");
  if (parts.size() < 2) return std::string(time);
  const std::int32_t hour = platform::foundation::intValue(parts[0]);
  const std::int32_t twelveHour = ((hour + 11) % 12 + 12) % 12 + 1;
  std::string text = twelveHour < 10 ? "0" : "";
  text.append(std::to_string(twelveHour));
  text.push_back(':');
  text.append(parts[1]);
  return text;
}

bool VantileWeather::isDayBasedOnSunset(std::uint64_t sunrise, std::uint64_t sunset,
                                        platform::foundation::TimeStamp instant) {
  const auto date = platform::foundation::calendarDate(instant);
  if (!date) return true;
  const auto now = static_cast<std::uint64_t>(date->hour * 100 + date->minute);
  return now >= sunrise && now <= sunset;
}

VantileWeather::MoonPhase VantileWeather::getMoonPhase(platform::foundation::TimeStamp instant) {
  const double days = instant / 86400 + 2440587.5 - 2451550.26;
  double phase = days / kSynodicMonth - std::trunc(days / kSynodicMonth);
  if (phase < 0) phase += 1;
  const auto index = static_cast<std::size_t>(phase * 8 + 0.5) % 8;
  const auto brightness = static_cast<float>((1 - std::cos(2 * std::numbers::pi * phase)) / 2 * 100);
  return {std::string(kMoonPhases[index]), brightness};
}

}  // namespace vantile
