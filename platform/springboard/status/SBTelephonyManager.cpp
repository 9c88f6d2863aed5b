#include "platform/springboard/status/SBTelephonyManager.h"

#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

void SBTelephonySubscriptionInfo::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Integer>(cls, "signalStrengthBars", [](objc::Object&) -> std::int64_t {
    return DeviceModel::shared().state().cellular.bars;
  });
}

void SBTelephonyManager::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls, "sharedTelephonyManager");
  objc::addMethod<signatures::Getter>(cls, "_primarySubscriptionInfo", [](objc::Object& self) {
    return signatures::Object(receiver<SBTelephonyManager>(self).primarySubscription);
  });
}

}  // namespace platform::springboard
