#include "platform/springboard/services/SBDashBoardIdleTimerProvider.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

std::shared_ptr<SBDashBoardIdleTimerProvider> SBDashBoardIdleTimerProvider::sharedInstance() {
  return SharedInstances::get<SBDashBoardIdleTimerProvider>("SBDashBoardIdleTimerProvider");
}

bool SBDashBoardIdleTimerProvider::isIdleTimerEnabled() { return objc::send<signatures::Answer>(*this, "isIdleTimerEnabled"); }

void SBDashBoardIdleTimerProvider::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Answer>(cls, "isIdleTimerEnabled", [](objc::Object&) { return true; });
}

}  // namespace platform::springboard
