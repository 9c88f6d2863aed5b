#include "platform/springboard/status/BCBatteryDeviceController.h"

#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"
#include <cmath>

namespace platform::springboard {

void BCBatteryDevice::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Answer>(cls, "isInternal", [](objc::Object& self) { return receiver<BCBatteryDevice>(self).internal; });
  objc::addMethod<signatures::Text>(cls, "groupName", [](objc::Object& self) { return receiver<BCBatteryDevice>(self).groupName; });
  objc::addMethod<signatures::Integer>(cls, "percentCharge",
                                       [](objc::Object& self) { return receiver<BCBatteryDevice>(self).percentCharge; });
}

void BCBatteryDeviceController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls, "_sharedPowerSourceController");
  objc::addMethod<signatures::Objects>(cls, "connectedDevices", [](objc::Object&) {
    const DeviceState& state = DeviceModel::shared().state();
    std::vector<signatures::Object> devices;
    devices.push_back(std::make_shared<BCBatteryDevice>(true, state.deviceName, std::llround(state.battery.level)));
    if (!state.bluetooth.on) return devices;
    for (const auto& accessory : state.bluetooth.accessories) {
      devices.push_back(std::make_shared<BCBatteryDevice>(false, accessory.name, std::llround(accessory.battery)));
    }
    return devices;
  });
}

}  // namespace platform::springboard
