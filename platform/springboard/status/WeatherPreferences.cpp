#include "platform/springboard/status/WeatherPreferences.h"

#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

void WeatherPreferences::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls, "sharedPreferences");
  objc::addMethod<signatures::Answer>(cls, "isCelsius", [](objc::Object&) { return DeviceModel::shared().state().weather.celsius; });
}

}  // namespace platform::springboard
