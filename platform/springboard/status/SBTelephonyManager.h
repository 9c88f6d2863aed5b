#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// The primary SIM's subscription: its signal, read from the device at each call.
class SBTelephonySubscriptionInfo : public objc::SharedObject {
 public:
  SBTelephonySubscriptionInfo() : SharedObject("SBTelephonySubscriptionInfo") {}

  static void declareClass(objc::Class& cls);
};

class SBTelephonyManager : public objc::SharedObject {
 public:
  SBTelephonyManager() : SharedObject("SBTelephonyManager"), primarySubscription(std::make_shared<SBTelephonySubscriptionInfo>()) {}

  std::shared_ptr<SBTelephonySubscriptionInfo> primarySubscription;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
