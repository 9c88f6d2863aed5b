#include "platform/springboard/services/SBIdleTimerGlobalCoordinator.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

std::shared_ptr<SBIdleTimerGlobalCoordinator> SBIdleTimerGlobalCoordinator::sharedInstance() {
  return SharedInstances::get<SBIdleTimerGlobalCoordinator>("SBIdleTimerGlobalCoordinator");
}

void SBIdleTimerGlobalCoordinator::resetIdleTimer() { objc::send<signatures::Action>(*this, "resetIdleTimer"); }

void SBIdleTimerGlobalCoordinator::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Action>(cls, "resetIdleTimer",
                                      [](objc::Object& self) { ++receiver<SBIdleTimerGlobalCoordinator>(self).resets; });
}

}  // namespace platform::springboard
