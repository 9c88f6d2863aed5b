#include "platform/springboard/services/SBUIController.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include <cmath>

#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

std::shared_ptr<SBUIController> SBUIController::sharedInstance() {
  return SharedInstances::get<SBUIController>("SBUIController");
}

void SBUIController::ACPowerChanged() { objc::send<signatures::Action>(*this, "ACPowerChanged"); }

bool SBUIController::isOnAC() { return objc::send<signatures::Answer>(*this, "isOnAC"); }

void SBUIController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Integer>(cls, "batteryCapacityAsPercentage", [](objc::Object&) -> std::int64_t {
    return std::llround(DeviceModel::shared().state().battery.level);
  });
  objc::addMethod<signatures::Answer>(cls, "isOnAC", [](objc::Object&) {
    const BatteryState& battery = DeviceModel::shared().state().battery;
    return battery.charging || battery.externalPower;
  });
  objc::addMethod<signatures::Action>(cls, "ACPowerChanged", [](objc::Object& self) {
    auto& controller = receiver<SBUIController>(self);
    if (controller.powerChanged) controller.powerChanged();
  });
}

}  // namespace platform::springboard
