#include "platform/springboard/services/WeatherModels.h"

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

void WFTemperature::declareClass(objc::Class& cls) {
  const auto fahrenheit = [](objc::Object& self) { return receiver<WFTemperature>(self).fahrenheit; };
  objc::addMethod<signatures::Seconds>(cls, "fahrenheit", fahrenheit);
  objc::addProperty(cls, "fahrenheit", fahrenheit);
  objc::addProperty(cls, "celsius", [](objc::Object& self) { return receiver<WFTemperature>(self).celsius(); });
}

City::City(std::string name, double fahrenheit, int conditionCode)
    : SharedObject("City"),
      name(std::move(name)),
      temperature(std::make_shared<WFTemperature>(fahrenheit)),
      conditionCode(conditionCode) {}

void City::declareClass(objc::Class& cls) {
  const auto temperature = [](objc::Object& self) { return signatures::Object(receiver<City>(self).temperature); };
  objc::addMethod<signatures::Getter>(cls, "temperature", temperature);
  objc::addProperty(cls, "temperature", temperature);
  objc::addProperty(cls, "name", [](objc::Object& self) { return receiver<City>(self).name; });
  objc::addProperty(cls, "conditionCode", [](objc::Object& self) { return receiver<City>(self).conditionCode; });
}

void WAForecastModel::declareClass(objc::Class& cls) {
  const auto city = [](objc::Object& self) { return signatures::Object(receiver<WAForecastModel>(self).city); };
  objc::addMethod<signatures::Getter>(cls, "city", city);
  objc::addProperty(cls, "city", city);
}

void WFLocation::declareClass(objc::Class& cls) {
  objc::addProperty(cls, "name", [](objc::Object& self) { return receiver<WFLocation>(self).name; });
}

}  // namespace platform::springboard
