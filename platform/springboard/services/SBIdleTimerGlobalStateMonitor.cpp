#include "platform/springboard/services/SBIdleTimerGlobalStateMonitor.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

std::shared_ptr<SBIdleTimerGlobalStateMonitor> SBIdleTimerGlobalStateMonitor::sharedInstance() {
  return SharedInstances::get<SBIdleTimerGlobalStateMonitor>("SBIdleTimerGlobalStateMonitor");
}

double SBIdleTimerGlobalStateMonitor::minimumLockscreenIdleTime() {
  return objc::send<signatures::Seconds>(*this, "minimumLockscreenIdleTime");
}

void SBIdleTimerGlobalStateMonitor::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Seconds>(cls, "minimumLockscreenIdleTime",
                                       [](objc::Object&) { return stockLockscreenIdleTime; });
}

}  // namespace platform::springboard
