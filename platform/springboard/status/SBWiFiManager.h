#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// The joined Wi-Fi network, read from the device at each call.
class SBWiFiManager : public objc::SharedObject {
 public:
  SBWiFiManager() : SharedObject("SBWiFiManager") {}

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
