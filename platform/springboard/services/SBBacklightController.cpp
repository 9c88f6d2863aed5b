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
  objc::send<signatures::SetFactor>(*this, "setBacklightFactorPending:", factor);
}

bool SBBacklightController::screenIsOn() { return objc::send<signatures::Answer>(*this, "screenIsOn"); }

bool SBBacklightController::screenIsDim() { return objc::send<signatures::Answer>(*this, "screenIsDim"); }

void SBBacklightController::resetLockScreenIdleTimer() { objc::send<signatures::Action>(*this, "resetLockScreenIdleTimer"); }

void SBBacklightController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::SetFactor>(cls, "setBacklightFactorPending:", [](objc::Object& self, float factor) {
    receiver<SBBacklightController>(self).backlightFactor = factor;
  });
  objc::addMethod<signatures::Answer>(
      cls, "screenIsOn", [](objc::Object& self) { return receiver<SBBacklightController>(self).backlightFactor > 0; });
  objc::addMethod<signatures::Answer>(cls, "screenIsDim", [](objc::Object& self) {
    const float factor = receiver<SBBacklightController>(self).backlightFactor;
    return factor > 0 && factor < 1;
  });
  objc::addMethod<signatures::Action>(cls, "resetLockScreenIdleTimer",
                                      [](objc::Object& self) { ++receiver<SBBacklightController>(self).idleTimerResets; });
}

}  // namespace platform::springboard
