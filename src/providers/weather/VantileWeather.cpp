#include "providers/weather/VantileWeather.h"

#include <cmath>
#include <cstdio>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/services/Geocoder.h"
#include "platform/springboard/runtime/Signatures.h"
#include "providers/VantileDates.h"
#include "providers/system/SpringBoardReadings.h"

namespace vantile {

namespace {

namespace objc = platform::objc;
namespace sig = platform::springboard::signatures;
using platform::Value;
using ObjectRef = VantileWeather::ObjectRef;
using WordTable = VantileWeather::WordTable;

constexpr double kRefreshAge = 300;
constexpr double kAnimationDelay = 1;
constexpr const char* kWeatherFile = "/var/mobile/Media/Downloads/weather.json";

WordTable words(std::initializer_list<const char*> list) {
  WordTable table;
  for (const char* word : list) table.emplace_back(word);
  return table;
}

const WordTable& builtInConditions() {
  static const WordTable table = words(
      {"tornado",  "tropical Storm", "hurricane", "thunderstorm",  "thunderstorm",  "snow",          "sleet",
       "sleet",    "freezing drizzle", "drizzle", "freezing rain", "showers",       "showers",       "flurries",
       "snow",     "snow",           "snow",      "hail",          "sleet",         "dust",          "fog",
       "haze",     "smoky",          "blustery",  "windy",         "cold",          "cloudy",        "cloudy",
       "cloudy",   "cloudy",         "cloudy",    "clear",         "sunny",         "fair",          "fair",
       "sleet",    "hot",            "thunderstorms", "thunderstorms", "thunderstorms", "showers",   "heavy snow",
       "light snow", "heavy snow",   "partly cloudy", "thunderstorm", "snow",         "thunderstorm",  "blank"});
  return table;
}
const WordTable& builtInShortDays() {
  static const WordTable table = words({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
  return table;
}
const WordTable& builtInLongDays() {
  static const WordTable table = words({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"});
  return table;
}
const WordTable& builtInSpeed() {
  static const WordTable table = words({"mph", "kph"});
  return table;
}
const WordTable& builtInTempType() {
  static const WordTable table = words({"F", "C"});
  return table;
}

// The table's word, or the built-in English one where the table has none at that index.
std::string word(const WordTable& table, std::int64_t index, const WordTable& english) {
  if (index < 0) return "";
  const auto position = static_cast<std::size_t>(index);
  if (position < table.size() && table[position]) return *table[position];
  if (position < english.size() && english[position]) return *english[position];
  return "";
}

// A language list as a table: entries that are no text become gaps.
WordTable tableFrom(const Value& list) {
  WordTable table;
  for (const auto& entry : list) {
    table.push_back(entry.is_string() ? std::optional(entry.get<std::string>()) : std::nullopt);
  }
  return table;
}

ObjectRef getter(const ObjectRef& object, std::string_view selector) {
  if (!object || !objc::respondsToSelector(*object, selector)) return nullptr;
  return objc::send<sig::Getter>(*object, selector);
}

template <class Sig>
auto reading(const ObjectRef& object, std::string_view selector) {
  using Result = decltype(objc::send<Sig>(*object, selector));
  if (!object || !objc::respondsToSelector(*object, selector)) return Result{};
  return objc::send<Sig>(*object, selector);
}

std::string wholeText(double value) { return std::to_string(static_cast<std::int64_t>(std::trunc(value))); }

std::string precipitationText(const std::optional<double>& percent) {
  return percent ? std::to_string(static_cast<std::int64_t>(std::floor(*percent))) : "0";
}

bool usesCelsius() {
  return reading<sig::Answer>(readings::sharedObject("WeatherPreferences", "sharedPreferences"), "isCelsius");
}

std::string numbered(const char* prefix, std::size_t number, const char* suffix) {
  std::string key(prefix);
  key.append(std::to_string(number)).append(suffix);
  return key;
}

std::string textOr(const std::optional<std::string>& text) { return text.value_or(""); }

}  // namespace

VantileWeather& VantileWeather::sharedInstance() {
  static VantileWeather weather;
  return weather;
}

VantileWeather::VantileWeather()
    : weatherConditions(builtInConditions()),
      shortDays(builtInShortDays()),
      longDays(builtInLongDays()),
      speed(builtInSpeed()),
      tempType(builtInTempType()),
      geocoder_(std::make_unique<platform::services::Geocoder>()) {}

VantileWeather::~VantileWeather() = default;

Value& VantileWeather::getWeatherInfo() { return sharedInstance().weatherInfo; }

void VantileWeather::checkIfWeatherNeedsUpdating() {
  VantileWeather& weather = sharedInstance();
  const double now = platform::foundation::MainQueue::shared().now();
  if (!weather.lastWeatherUpdate || std::abs(now - *weather.lastWeatherUpdate) > kRefreshAge) weather.updateWeather();
}

void VantileWeather::updateWeather() {
  if (!weatherEnabled) return;
  ObjectRef widget = readings::sharedObject("WALockscreenWidgetViewController", "sharedInstanceIfExists");
  if (!widget) widget = readings::sharedObject("WALockscreenWidgetViewController", "new");
  if (!widget) return;
  if (objc::respondsToSelector(*widget, "updateWeather")) objc::send<sig::Action>(*widget, "updateWeather");
  if (objc::respondsToSelector(*widget, "_updateTodayView")) objc::send<sig::Action>(*widget, "_updateTodayView");
  const ObjectRef model = getter(widget, "currentForecastModel");
  objc::send<sig::ForecastModelSetter>(*widget, "setCurrentForecastModel:", model);
}

void VantileWeather::parseModel(const ObjectRef& model) {
  const ObjectRef city = getter(model, "city");
  if (!city) return;
  const double now = platform::foundation::MainQueue::shared().now();
  setWeatherLanguage();
  lastWeatherUpdate = now;
  setCurrentConditions(city);
  setHighLowPrecipFromDaily(city);
  setConditionCode(city);
  setWindTempType();
  setTempFeelsLike(city);
  setWindDirection(city);
  setSunriseSunset(city);
  setMoon(now);
  setForecast(city);
  setHourlyForecast(city);
  setAddress(city);
  platform::foundation::writeFileAtomically(platform::foundation::devicePath(kWeatherFile), weatherInfo.dump());
}

void VantileWeather::setWeatherLanguage() {
  const auto language = VantileDates::languageDict();
  if (!language || !language->is_object()) return;
  const auto replace = [&](const char* key, WordTable& table) {
    const auto found = language->find(key);
    if (found != language->end() && found->is_array()) table = tableFrom(*found);
  };
  replace("conditions", weatherConditions);
  replace("shortdays", shortDays);
  replace("days", longDays);
  replace("speed", speed);
  replace("temptype", tempType);
}

void VantileWeather::setCurrentConditions(const ObjectRef& city) {
  const std::string windSpeed = wholeText(reading<sig::Real>(city, "windSpeed"));
  weatherInfo["windspeed"] = windSpeed;
  weatherInfo["windSpeed"] = windSpeed;
  weatherInfo["humidity"] = wholeText(reading<sig::Real>(city, "humidity"));
  weatherInfo["dewPoint"] = wholeText(reading<sig::Real>(city, "dewPoint"));
  weatherInfo["windChill"] = wholeText(reading<sig::Real>(city, "windChill"));
  weatherInfo["heatIndex"] = wholeText(reading<sig::Real>(city, "heatIndex"));
  weatherInfo["visibility"] = wholeText(reading<sig::Real>(city, "visibility"));
  weatherInfo["pressure"] = wholeText(reading<sig::Real>(city, "pressure"));
  weatherInfo["uvindex"] = std::to_string(reading<sig::Integer>(city, "uvIndex"));
  const std::string updated = reading<sig::Text>(city, "updateTimeString");
  weatherInfo["lastupdate"] = updated;
  weatherInfo["updateTimeString"] = updated;
  weatherInfo["city"] = reading<sig::Text>(city, "name");
  weatherInfo["latlong"] = "";
  weatherInfo["precipitation24hr"] = "";
  weatherInfo["chanceofrain"] = "";
  weatherInfo["celsius"] = usesCelsius() ? "true" : "false";
}

void VantileWeather::setHighLowPrecipFromDaily(const ObjectRef& city) {
  const auto days = reading<sig::Objects>(city, "dayForecasts");
  const ObjectRef first = days.empty() ? nullptr : days.front();
  weatherInfo["low"] = first ? std::to_string(getIntFromWFTemp(getter(first, "low"))) : "0";
  weatherInfo["high"] = first ? std::to_string(getIntFromWFTemp(getter(first, "high"))) : "0";
  std::optional<double> precipitation = reading<sig::OptionalReal>(first, "percentPrecipitation");
  if (!precipitation) {
    const auto hours = reading<sig::Objects>(city, "hourlyForecasts");
    if (!hours.empty()) precipitation = reading<sig::OptionalReal>(hours.front(), "percentPrecipitation");
  }
  weatherInfo["precip"] = precipitationText(precipitation);
}

void VantileWeather::setConditionCode(const ObjectRef& city) {
  std::int64_t code = reading<sig::Integer>(city, "conditionCode");
  const auto sunrise = reading<sig::UnsignedInteger>(city, "sunriseTime");
  const auto sunset = reading<sig::UnsignedInteger>(city, "sunsetTime");
  if (!isDayBasedOnSunset(sunrise, sunset, platform::foundation::MainQueue::shared().now())) {
    if (code == 32) code = 31;
    if (code == 30) code = 29;
    if (code == 28) code = 27;
    if (code == 34) code = 33;
  }
  const auto animationCode = static_cast<std::int32_t>(code);
  platform::foundation::MainQueue::shared().postAfter(kAnimationDelay, [animationCode] {
    const auto& load = sharedInstance().loadAnimation;
    if (load) load(animationCode);
  });
  const std::string name = conditionName(code);
  weatherInfo["conditionCode"] = std::to_string(code);
  weatherInfo["condition"] = name;
  weatherInfo["naturalCondition"] = name;
}

std::string VantileWeather::conditionName(std::int64_t code) const {
  if (code < 0 || static_cast<std::size_t>(code) >= weatherConditions.size()) return std::to_string(code);
  return word(weatherConditions, code, builtInConditions());
}

void VantileWeather::setWindTempType() {
  const int unit = usesCelsius() ? 1 : 0;
  weatherInfo["temptype"] = word(tempType, unit, builtInTempType());
  weatherInfo["windunit"] = word(speed, unit, builtInSpeed());
}

void VantileWeather::setTempFeelsLike(const ObjectRef& city) {
  weatherInfo["temperature"] = std::to_string(getIntFromWFTemp(getter(city, "temperature")));
  const std::string feelsLike = std::to_string(getIntFromWFTemp(getter(city, "feelsLike")));
  weatherInfo["feelslike"] = feelsLike;
  weatherInfo["feelsLike"] = feelsLike;
}

void VantileWeather::setWindDirection(const ObjectRef& city) {
  const double degrees = reading<sig::Real>(city, "windDirection");
  const std::string compass = windDirectionFromDegrees(static_cast<float>(degrees));
  weatherInfo["winddirection"] = compass;
  weatherInfo["windDirectionNSEW"] = compass;
  weatherInfo["windDirection"] = std::llround(degrees);
}

void VantileWeather::setSunriseSunset(const ObjectRef& city) {
  const std::string sunrise = convertSun(reading<sig::UnsignedInteger>(city, "sunriseTime"));
  const std::string sunset = convertSun(reading<sig::UnsignedInteger>(city, "sunsetTime"));
  for (const char* key : {"sunrise", "sunriseTime", "sunriseTimeFormatted"}) weatherInfo[key] = sunrise;
  for (const char* key : {"sunset", "sunsetTime", "sunsetTimeFormatted"}) weatherInfo[key] = sunset;
}

void VantileWeather::setMoon(platform::foundation::TimeStamp instant) {
  const MoonPhase moon = getMoonPhase(instant);
  char brightness[32];
  std::snprintf(brightness, sizeof brightness, "%.0f", static_cast<double>(moon.brightness));
  weatherInfo["moonBrightness"] = brightness;
  weatherInfo["moonPhase"] = moon.name;
  weatherInfo["moonPhaseString"] = moon.name;
}

void VantileWeather::setForecast(const ObjectRef& city) {
  Value list = Value::array();
  std::size_t number = 0;
  for (const ObjectRef& day : reading<sig::Objects>(city, "dayForecasts")) {
    ++number;
    const std::int64_t low = getIntFromWFTemp(getter(day, "low"));
    const std::int64_t high = getIntFromWFTemp(getter(day, "high"));
    const std::int64_t weekday = reading<sig::Integer>(day, "dayOfWeek");
    const std::int64_t icon = reading<sig::Integer>(day, "icon");
    weatherInfo[numbered("day", number, "low")] = std::to_string(low);
    weatherInfo[numbered("day", number, "high")] = std::to_string(high);
    weatherInfo[numbered("day", number, "icon")] = std::to_string(static_cast<std::uint64_t>(icon));
    weatherInfo[numbered("day", number, "condition")] = conditionName(icon);
    weatherInfo[numbered("day", number, "precip")] = precipitationText(reading<sig::OptionalReal>(day, "percentPrecipitation"));
    weatherInfo[numbered("day", number, "shortday")] = word(shortDays, weekday - 1, builtInShortDays());
    weatherInfo[numbered("day", number, "day")] = word(longDays, weekday - 1, builtInLongDays());
    list.push_back({{"low", low}, {"high", high}, {"dayNumber", number}, {"dayOfWeek", weekday}, {"icon", icon}});
  }
  weatherInfo["dayForecasts"] = std::move(list);
}

void VantileWeather::setHourlyForecast(const ObjectRef& city) {
  Value list = Value::array();
  std::size_t number = 0;
  const bool twentyFour = VantileDates::getTwentyFour();
  for (const ObjectRef& hour : reading<sig::Objects>(city, "hourlyForecasts")) {
    ++number;
    const std::string given = reading<sig::Text>(hour, "time");
    const std::string time = twentyFour ? given : convertTimeStringTo12HR(given);
    const std::int64_t temperature = getIntFromWFTemp(getter(hour, "temperature"));
    const std::int64_t code = reading<sig::Integer>(hour, "conditionCode");
    const auto precipitation = reading<sig::OptionalReal>(hour, "percentPrecipitation");
    weatherInfo[numbered("hour", number, "time")] = time;
    weatherInfo[numbered("hour", number, "temp")] = std::to_string(temperature);
    weatherInfo[numbered("hour", number, "icon")] = std::to_string(code);
    weatherInfo[numbered("hour", number, "precip")] = precipitationText(precipitation);
    list.push_back({{"time", time},
                    {"conditionCode", code},
                    {"temperature", temperature},
                    {"percentPrecipitation", precipitation.value_or(0)},
                    {"hourIndex", reading<sig::Integer>(hour, "hourIndex")}});
  }
  weatherInfo["hourlyForecasts"] = std::move(list);
}

void VantileWeather::setAddress(const ObjectRef& city) {
  const ObjectRef location = getter(city, "location");
  geocoder_->reverseGeocodeLocation(
      reading<sig::Real>(location, "latitude"), reading<sig::Real>(location, "longitude"),
      [](std::vector<platform::services::Placemark> placemarks, std::optional<std::string> error) {
        Value address = Value::object();
        const bool found = !error && !placemarks.empty();
        const platform::services::Placemark place = found ? placemarks.front() : platform::services::Placemark{};
        std::string street;
        if (place.subThoroughfare && place.thoroughfare) street = *place.subThoroughfare + " " + *place.thoroughfare;
        else if (place.thoroughfare) street = *place.thoroughfare;
        else if (place.subLocality) street = *place.subLocality;
        else street = "Unknown street";
        address["street"] = found ? street : "";
        address["neighbourhood"] = textOr(place.subLocality);
        address["city"] = textOr(place.locality);
        address["postalCode"] = textOr(place.postalCode);
        address["county"] = textOr(place.subAdministrativeArea);
        address["state"] = textOr(place.administrativeArea);
        address["country"] = textOr(place.country);
        address["countryISOCode"] = textOr(place.isoCountryCode);
        sharedInstance().weatherInfo["address"] = std::move(address);
      });
}

}  // namespace vantile
