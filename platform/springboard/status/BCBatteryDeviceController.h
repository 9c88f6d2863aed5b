#pragma once

#include <memory>
#include <string>
#include <cstdint>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// One power source: the phone itself (internal) or a Bluetooth accessory.
class BCBatteryDevice : public objc::SharedObject {
 public:
  BCBatteryDevice(bool internal, std::string groupName, std::int64_t percentCharge)
      : SharedObject("BCBatteryDevice"), internal(internal), groupName(std::move(groupName)), percentCharge(percentCharge) {}

  bool internal;
  std::string groupName;
  std::int64_t percentCharge;

  static void declareClass(objc::Class& cls);
};

// The power sources connected now, read from the device at each call: the phone first, then
// its Bluetooth accessories in device.json's order (none while Bluetooth is off).
class BCBatteryDeviceController : public objc::SharedObject {
 public:
  BCBatteryDeviceController() : SharedObject("BCBatteryDeviceController") {}

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
