#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/objc/SharedObject.h"

// The weather widget's forecast model. Each level answers its getters through the runtime
// ("city", "temperature", "fahrenheit", "celsius", "conditionCode", "dayForecasts", ...);
// the lock screen's first readings also answer valueForKey.
namespace platform::springboard {

struct DeviceState;

class WFTemperature : public objc::SharedObject {
 public:
  explicit WFTemperature(double fahrenheit) : SharedObject("WFTemperature"), fahrenheit(fahrenheit) {}

  double fahrenheit;
  double celsius() const { return (fahrenheit - 32) * 5 / 9; }

  static void declareClass(objc::Class& cls);
};

// A place on the globe.
class CLLocation : public objc::SharedObject {
 public:
  CLLocation(double latitude, double longitude) : SharedObject("CLLocation"), latitude(latitude), longitude(longitude) {}

  double latitude;
  double longitude;

  static void declareClass(objc::Class& cls);
};

class WADayForecast : public objc::SharedObject {
 public:
  WADayForecast() : SharedObject("WADayForecast") {}

  std::shared_ptr<WFTemperature> low;
  std::shared_ptr<WFTemperature> high;
  // 1 = Sunday.
  std::int64_t dayOfWeek = 1;
  std::int64_t icon = 48;
  std::optional<double> percentPrecipitation;

  static void declareClass(objc::Class& cls);
};

class WAHourlyForecast : public objc::SharedObject {
 public:
  WAHourlyForecast() : SharedObject("WAHourlyForecast") {}

  std::string time;
  std::shared_ptr<WFTemperature> temperature;
  std::int64_t conditionCode = 48;
  std::optional<double> percentPrecipitation;
  std::int64_t hourIndex = 0;

  static void declareClass(objc::Class& cls);
};

// The current conditions of the forecast's place.
class City : public objc::SharedObject {
 public:
  City(std::string name, double fahrenheit, int conditionCode);

  std::string name;
  std::shared_ptr<WFTemperature> temperature;
  std::shared_ptr<WFTemperature> feelsLike;
  int conditionCode;
  double windSpeed = 0;
  double windDirection = 0;
  double humidity = 0;
  double dewPoint = 0;
  double windChill = 0;
  double heatIndex = 0;
  double pressure = 0;
  double visibility = 0;
  std::int64_t uvIndex = 0;
  std::string updateTimeString;
  // Hours × 100 + minutes.
  std::uint64_t sunriseTime = 700;
  std::uint64_t sunsetTime = 1900;
  std::shared_ptr<CLLocation> location;
  std::vector<std::shared_ptr<WADayForecast>> dayForecasts;
  std::vector<std::shared_ptr<WAHourlyForecast>> hourlyForecasts;

  static void declareClass(objc::Class& cls);
};

class WAForecastModel : public objc::SharedObject {
 public:
  explicit WAForecastModel(std::shared_ptr<City> city) : SharedObject("WAForecastModel"), city(std::move(city)) {}

  std::shared_ptr<City> city;

  static void declareClass(objc::Class& cls);
};

// The forecast the widget fetches for the device's weather now: the first day forecast is today.
std::shared_ptr<WAForecastModel> forecastModelFor(const DeviceState& state);

// Where a location model's update came from.
class WFLocation : public objc::SharedObject {
 public:
  explicit WFLocation(std::string name) : SharedObject("WFLocation"), name(std::move(name)) {}

  std::string name;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
