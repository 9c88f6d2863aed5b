#include "platform/springboard/services/WeatherModels.h"

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

namespace {

template <class T>
signatures::Object object(const std::shared_ptr<T>& value) {
  return value;
}

template <class T>
std::vector<signatures::Object> objects(const std::vector<std::shared_ptr<T>>& values) {
  return {values.begin(), values.end()};
}

// "HH:mm" as hours × 100 + minutes.
std::uint64_t clockNumber(const std::string& time) {
  if (time.size() != 5) return 0;
  return static_cast<std::uint64_t>(std::stoi(time.substr(0, 2)) * 100 + std::stoi(time.substr(3, 2)));
}

}  // namespace

void WFTemperature::declareClass(objc::Class& cls) {
  const auto fahrenheit = [](objc::Object& self) { return receiver<WFTemperature>(self).fahrenheit; };
  const auto celsius = [](objc::Object& self) { return receiver<WFTemperature>(self).celsius(); };
  objc::addMethod<signatures::Seconds>(cls, "fahrenheit", fahrenheit);
  objc::addMethod<signatures::Real>(cls, "celsius", celsius);
  objc::addProperty(cls, "fahrenheit", fahrenheit);
  objc::addProperty(cls, "celsius", celsius);
}

void CLLocation::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Real>(cls, "latitude", [](objc::Object& self) { return receiver<CLLocation>(self).latitude; });
  objc::addMethod<signatures::Real>(cls, "longitude", [](objc::Object& self) { return receiver<CLLocation>(self).longitude; });
}

void WADayForecast::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Getter>(cls, "low", [](objc::Object& self) { return object(receiver<WADayForecast>(self).low); });
  objc::addMethod<signatures::Getter>(cls, "high", [](objc::Object& self) { return object(receiver<WADayForecast>(self).high); });
  objc::addMethod<signatures::Integer>(cls, "dayOfWeek", [](objc::Object& self) { return receiver<WADayForecast>(self).dayOfWeek; });
  objc::addMethod<signatures::Integer>(cls, "icon", [](objc::Object& self) { return receiver<WADayForecast>(self).icon; });
  objc::addMethod<signatures::OptionalReal>(
      cls, "percentPrecipitation", [](objc::Object& self) { return receiver<WADayForecast>(self).percentPrecipitation; });
}

void WAHourlyForecast::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Text>(cls, "time", [](objc::Object& self) { return receiver<WAHourlyForecast>(self).time; });
  objc::addMethod<signatures::Getter>(cls, "temperature",
                                      [](objc::Object& self) { return object(receiver<WAHourlyForecast>(self).temperature); });
  objc::addMethod<signatures::Integer>(cls, "conditionCode",
                                       [](objc::Object& self) { return receiver<WAHourlyForecast>(self).conditionCode; });
  objc::addMethod<signatures::OptionalReal>(
      cls, "percentPrecipitation", [](objc::Object& self) { return receiver<WAHourlyForecast>(self).percentPrecipitation; });
  objc::addMethod<signatures::Integer>(cls, "hourIndex", [](objc::Object& self) { return receiver<WAHourlyForecast>(self).hourIndex; });
}

City::City(std::string name, double fahrenheit, int conditionCode)
    : SharedObject("City"),
      name(std::move(name)),
      temperature(std::make_shared<WFTemperature>(fahrenheit)),
      feelsLike(std::make_shared<WFTemperature>(fahrenheit)),
      conditionCode(conditionCode) {}

void City::declareClass(objc::Class& cls) {
  const auto temperature = [](objc::Object& self) { return object(receiver<City>(self).temperature); };
  objc::addMethod<signatures::Getter>(cls, "temperature", temperature);
  objc::addProperty(cls, "temperature", temperature);
  objc::addProperty(cls, "name", [](objc::Object& self) { return receiver<City>(self).name; });
  objc::addProperty(cls, "conditionCode", [](objc::Object& self) { return receiver<City>(self).conditionCode; });
  objc::addMethod<signatures::Text>(cls, "name", [](objc::Object& self) { return receiver<City>(self).name; });
  objc::addMethod<signatures::Getter>(cls, "feelsLike", [](objc::Object& self) { return object(receiver<City>(self).feelsLike); });
  objc::addMethod<signatures::Integer>(cls, "conditionCode",
                                       [](objc::Object& self) -> std::int64_t { return receiver<City>(self).conditionCode; });
  objc::addMethod<signatures::Real>(cls, "windSpeed", [](objc::Object& self) { return receiver<City>(self).windSpeed; });
  objc::addMethod<signatures::Real>(cls, "windDirection", [](objc::Object& self) { return receiver<City>(self).windDirection; });
  objc::addMethod<signatures::Real>(cls, "humidity", [](objc::Object& self) { return receiver<City>(self).humidity; });
  objc::addMethod<signatures::Real>(cls, "dewPoint", [](objc::Object& self) { return receiver<City>(self).dewPoint; });
  objc::addMethod<signatures::Real>(cls, "windChill", [](objc::Object& self) { return receiver<City>(self).windChill; });
  objc::addMethod<signatures::Real>(cls, "heatIndex", [](objc::Object& self) { return receiver<City>(self).heatIndex; });
  objc::addMethod<signatures::Real>(cls, "pressure", [](objc::Object& self) { return receiver<City>(self).pressure; });
  objc::addMethod<signatures::Real>(cls, "visibility", [](objc::Object& self) { return receiver<City>(self).visibility; });
  objc::addMethod<signatures::Integer>(cls, "uvIndex", [](objc::Object& self) { return receiver<City>(self).uvIndex; });
  objc::addMethod<signatures::Text>(cls, "updateTimeString",
                                    [](objc::Object& self) { return receiver<City>(self).updateTimeString; });
  objc::addMethod<signatures::UnsignedInteger>(cls, "sunriseTime", [](objc::Object& self) { return receiver<City>(self).sunriseTime; });
  objc::addMethod<signatures::UnsignedInteger>(cls, "sunsetTime", [](objc::Object& self) { return receiver<City>(self).sunsetTime; });
  objc::addMethod<signatures::Getter>(cls, "location", [](objc::Object& self) { return object(receiver<City>(self).location); });
  objc::addMethod<signatures::Objects>(cls, "dayForecasts", [](objc::Object& self) { return objects(receiver<City>(self).dayForecasts); });
  objc::addMethod<signatures::Objects>(cls, "hourlyForecasts",
                                       [](objc::Object& self) { return objects(receiver<City>(self).hourlyForecasts); });
}

void WAForecastModel::declareClass(objc::Class& cls) {
  const auto city = [](objc::Object& self) { return object(receiver<WAForecastModel>(self).city); };
  objc::addMethod<signatures::Getter>(cls, "city", city);
  objc::addProperty(cls, "city", city);
}

std::shared_ptr<WAForecastModel> forecastModelFor(const DeviceState& state) {
  const WeatherState& weather = state.weather;
  auto city = std::make_shared<City>(weather.city, weather.temperature, weather.condition);
  city->feelsLike = std::make_shared<WFTemperature>(weather.feelsLike);
  city->windSpeed = weather.windSpeed;
  city->windDirection = weather.windDirection;
  city->humidity = weather.humidity;
  city->dewPoint = weather.dewPoint;
  city->windChill = weather.windChill;
  city->heatIndex = weather.heatIndex;
  city->pressure = weather.pressure;
  city->visibility = weather.visibility;
  city->uvIndex = weather.uvIndex;
  city->updateTimeString = weather.updateTime;
  city->sunriseTime = clockNumber(weather.sunrise);
  city->sunsetTime = clockNumber(weather.sunset);
  city->location = std::make_shared<CLLocation>(weather.latitude, weather.longitude);
  const auto today = foundation::calendarDate(foundation::MainQueue::shared().now());
  const int todayWeekday = today ? today->weekday : 1;
  for (std::size_t index = 0; index < weather.daily.size(); ++index) {
    const DayForecastState& day = weather.daily[index];
    auto forecast = std::make_shared<WADayForecast>();
    forecast->low = std::make_shared<WFTemperature>(day.low);
    forecast->high = std::make_shared<WFTemperature>(day.high);
    forecast->dayOfWeek = static_cast<std::int64_t>((todayWeekday - 1 + index) % 7 + 1);
    forecast->icon = day.condition;
    forecast->percentPrecipitation = day.precipitation;
    city->dayForecasts.push_back(std::move(forecast));
  }
  for (std::size_t index = 0; index < weather.hourly.size(); ++index) {
    const HourlyForecastState& hour = weather.hourly[index];
    auto forecast = std::make_shared<WAHourlyForecast>();
    forecast->time = hour.time;
    forecast->temperature = std::make_shared<WFTemperature>(hour.temperature);
    forecast->conditionCode = hour.condition;
    forecast->percentPrecipitation = hour.precipitation;
    forecast->hourIndex = static_cast<std::int64_t>(index);
    city->hourlyForecasts.push_back(std::move(forecast));
  }
  return std::make_shared<WAForecastModel>(std::move(city));
}

void WFLocation::declareClass(objc::Class& cls) {
  objc::addProperty(cls, "name", [](objc::Object& self) { return receiver<WFLocation>(self).name; });
}

}  // namespace platform::springboard
