#include "platform/springboard/services/SBCameraHardwareButton.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

std::shared_ptr<SBCameraHardwareButton> SBCameraHardwareButton::sharedInstance() {
  return SharedInstances::get<SBCameraHardwareButton>("SBCameraHardwareButton");
}

bool SBCameraHardwareButton::isCoverSheetCameraVisible() {
  return objc::send<signatures::Answer>(*this, "_isCoverSheetCameraVisible");
}

void SBCameraHardwareButton::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Answer>(cls, "_isCoverSheetCameraVisible", [](objc::Object& self) {
    auto& button = receiver<SBCameraHardwareButton>(self);
    return button.cameraVisible ? button.cameraVisible() : false;
  });
}

}  // namespace platform::springboard
