#include "platform/springboard/status/BluetoothManager.h"

#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

void BluetoothManager::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Answer>(cls, "enabled", [](objc::Object&) { return DeviceModel::shared().state().bluetooth.on; });
}

}  // namespace platform::springboard
