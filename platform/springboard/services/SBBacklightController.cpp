#include "platform/springboard/services/SBBacklightController.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

std::shared_ptr<SBBacklightController> SBBacklightController::sharedInstance() {
  return SharedInstances::get<SBBacklightController>("SBBacklightController");
}

void SBBacklightController::setBacklightFactorPending(float factor) {
  objc::send<void(float)>(*this, "setBacklightFactorPending:", factor);
}

void SBBacklightController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<void(float)>(cls, "setBacklightFactorPending:", [](objc::Object& self, float factor) {
    receiver<SBBacklightController>(self).backlightFactor = factor;
  });
}

}  // namespace platform::springboard
