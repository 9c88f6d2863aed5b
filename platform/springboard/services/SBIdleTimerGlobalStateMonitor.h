#pragma once

#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// How long the lock screen stays lit without a touch.
class SBIdleTimerGlobalStateMonitor : public objc::SharedObject {
 public:
  static constexpr double stockLockscreenIdleTime = 8;

  SBIdleTimerGlobalStateMonitor() : SharedObject("SBIdleTimerGlobalStateMonitor") {}

  static std::shared_ptr<SBIdleTimerGlobalStateMonitor> sharedInstance();

  double minimumLockscreenIdleTime();

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
