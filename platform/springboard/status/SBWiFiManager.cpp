#include "platform/springboard/status/SBWiFiManager.h"

#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

void SBWiFiManager::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::OptionalText>(cls, "currentNetworkName", [](objc::Object&) -> std::optional<std::string> {
    const WifiState& wifi = DeviceModel::shared().state().wifi;
    if (!wifi.on || wifi.network.empty()) return std::nullopt;
    return wifi.network;
  });
  objc::addMethod<signatures::Integer>(cls, "signalStrengthBars", [](objc::Object&) -> std::int64_t {
    const WifiState& wifi = DeviceModel::shared().state().wifi;
    return wifi.on ? wifi.bars : 0;
  });
}

}  // namespace platform::springboard
