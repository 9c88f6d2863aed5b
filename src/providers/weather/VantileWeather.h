#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "platform/objc/Object.h"

namespace platform::services {
class Geocoder;
}

namespace vantile {

// The weather provider: turns each forecast model of SpringBoard's lock-screen weather widget
// into the flat weather information that tokens, weather icons and "weather.json" read, and
// asks the widget for a new model when the last one is older than 300 s. Main thread only.
class VantileWeather {
 public:
  using ObjectRef = std::shared_ptr<platform::objc::Object>;
  // A table replaced by the language file may hold gaps (entries that are no text).
  using WordTable = std::vector<std::optional<std::string>>;

  struct MoonPhase {
    std::string name;
    // 0 to 100.
    float brightness = 0;
  };

  static VantileWeather& sharedInstance();

  // The weather information itself.
  static platform::Value& getWeatherInfo();
  static void checkIfWeatherNeedsUpdating();
  void updateWeather();
  // The whole conversion of a forecast model, then "weather.json".
  void parseModel(const ObjectRef& model);
  bool getWeatherEnabled() const { return weatherEnabled; }
  void setWeatherEnabled(bool enabled) { weatherEnabled = enabled; }

  // Steps of parseModel, each given the model's current conditions ("city").
  void setWeatherLanguage();
  void setCurrentConditions(const ObjectRef& city);
  void setHighLowPrecipFromDaily(const ObjectRef& city);
  void setConditionCode(const ObjectRef& city);
  void setWindTempType();
  void setTempFeelsLike(const ObjectRef& city);
  void setWindDirection(const ObjectRef& city);
  void setSunriseSunset(const ObjectRef& city);
  void setMoon(platform::foundation::TimeStamp instant);
  void setForecast(const ObjectRef& city);
  void setHourlyForecast(const ObjectRef& city);
  void setAddress(const ObjectRef& city);

  // Conversions.
  // The temperature in the preferred unit, integer part.
  static std::int64_t getIntFromWFTemp(const ObjectRef& temperature);
  static std::string windDirectionFromDegrees(float degrees);
  // 617 → "6:17" (24-hour switch on) ...; "na" and a log line for a number of another length.
  static std::string convertSun(std::uint64_t time);
  static std::string convertTimeStringTo12HR(std::string_view time);
  static bool isDayBasedOnSunset(std::uint64_t sunrise, std::uint64_t sunset, platform::foundation::TimeStamp instant);
  static MoonPhase getMoonPhase(platform::foundation::TimeStamp instant);
  // The condition name of a code: the table's entry, else the code in decimal.
  std::string conditionName(std::int64_t code) const;

  // The weather animations' loadAnimation:, run 1 s after each model with its condition code.
  std::function<void(std::int32_t code)> loadAnimation;

  platform::Value weatherInfo = platform::Value::object();
  WordTable weatherConditions;
  WordTable shortDays;
  WordTable longDays;
  WordTable speed;
  WordTable tempType;
  std::optional<platform::foundation::TimeStamp> lastWeatherUpdate;
  std::int32_t animationCondition = 0;
  bool weatherEnabled = false;

  VantileWeather(const VantileWeather&) = delete;
  VantileWeather& operator=(const VantileWeather&) = delete;
  ~VantileWeather();

 private:
  VantileWeather();

  std::unique_ptr<platform::services::Geocoder> geocoder_;
};

}  // namespace vantile
