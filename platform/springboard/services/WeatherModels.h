#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

// The weather widget's forecast model, as far as the lock screen reads it: the model's city
// has a temperature, readable in Fahrenheit. Each level answers its getter through the runtime
// ("city", "temperature", "fahrenheit", "conditionCode", "name") and by valueForKey.
namespace platform::springboard {

class WFTemperature : public objc::SharedObject {
 public:
  explicit WFTemperature(double fahrenheit) : SharedObject("WFTemperature"), fahrenheit(fahrenheit) {}

  double fahrenheit;
  double celsius() const { return (fahrenheit - 32) * 5 / 9; }

  static void declareClass(objc::Class& cls);
};

class City : public objc::SharedObject {
 public:
  City(std::string name, double fahrenheit, int conditionCode);

  std::string name;
  std::shared_ptr<WFTemperature> temperature;
  int conditionCode;

  static void declareClass(objc::Class& cls);
};

class WAForecastModel : public objc::SharedObject {
 public:
  explicit WAForecastModel(std::shared_ptr<City> city) : SharedObject("WAForecastModel"), city(std::move(city)) {}

  std::shared_ptr<City> city;

  static void declareClass(objc::Class& cls);
};

// Where a location model's update came from.
class WFLocation : public objc::SharedObject {
 public:
  explicit WFLocation(std::string name) : SharedObject("WFLocation"), name(std::move(name)) {}

  std::string name;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
