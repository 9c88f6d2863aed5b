#pragma once

#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// Tells SpringBoard's interface about power changes (charging views, sounds); answers the
// battery's charge and power source from the device.
class SBUIController : public objc::SharedObject {
 public:
  SBUIController() : SharedObject("SBUIController") {}

  static std::shared_ptr<SBUIController> sharedInstance();

  void ACPowerChanged();
  // Whether the device is on external power.
  bool isOnAC();
  // Where the stock operation lets the lock screen show or hide its charging view.
  std::function<void()> powerChanged;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
