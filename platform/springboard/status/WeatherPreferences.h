#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// The Weather app's preferences: whether temperatures show in Celsius.
class WeatherPreferences : public objc::SharedObject {
 public:
  WeatherPreferences() : SharedObject("WeatherPreferences") {}

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
