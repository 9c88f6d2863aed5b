#include "platform/springboard/services/AVFlashlight.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

std::shared_ptr<AVFlashlight> AVFlashlight::make() {
  auto allocated = std::make_shared<AVFlashlight>();
  return objectAs<AVFlashlight>(objc::send<signatures::Init>(*allocated, "init"));
}

float AVFlashlight::flashlightLevel() { return objc::send<signatures::Level>(*this, "flashlightLevel"); }

bool AVFlashlight::setFlashlightLevel(float level, std::string* error) {
  return objc::send<signatures::SetFlashlightLevel>(*this, "setFlashlightLevel:withError:", level, error);
}

void AVFlashlight::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Init>(cls, "init", [](objc::Object& self) {
    return signatures::Object(receiver<AVFlashlight>(self).shared_from_this());
  });
  objc::addMethod<signatures::Level>(cls, "flashlightLevel", [](objc::Object&) {
    return static_cast<float>(DeviceModel::shared().state().flashlight);
  });
  objc::addMethod<signatures::SetFlashlightLevel>(
      cls, "setFlashlightLevel:withError:", [](objc::Object&, float level, std::string* error) {
        if (!(level >= 0 && level <= 1)) {
          if (error != nullptr) *error = "the flashlight level must lie in 0...1";
          return false;
        }
        DeviceModel::shared().update([level](DeviceState& state) { state.flashlight = level; });
        return true;
      });
}

}  // namespace platform::springboard
