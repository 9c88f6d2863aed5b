#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// Whether Bluetooth is switched on, read from the device at each call.
class BluetoothManager : public objc::SharedObject {
 public:
  BluetoothManager() : SharedObject("BluetoothManager") {}

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
