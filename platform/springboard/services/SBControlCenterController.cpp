#include "platform/springboard/services/SBControlCenterController.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

std::shared_ptr<SBControlCenterController> SBControlCenterController::sharedInstance() {
  return SharedInstances::get<SBControlCenterController>("SBControlCenterController");
}

void SBControlCenterController::didChangePresentationState(std::int64_t state) {
  objc::send<signatures::PresentationStateChange>(*this, "controlCenterViewController:didChangePresentationState:",
                                                  signatures::Object(), state);
}

void SBControlCenterController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::PresentationStateChange>(
      cls, "controlCenterViewController:didChangePresentationState:",
      [](objc::Object& self, signatures::Object, std::int64_t state) {
        receiver<SBControlCenterController>(self).presentationState = state;
      });
}

}  // namespace platform::springboard
