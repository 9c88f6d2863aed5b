#pragma once

#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// Whether the lock screen may dim by itself.
class SBDashBoardIdleTimerProvider : public objc::SharedObject {
 public:
  SBDashBoardIdleTimerProvider() : SharedObject("SBDashBoardIdleTimerProvider") {}

  static std::shared_ptr<SBDashBoardIdleTimerProvider> sharedInstance();

  bool isIdleTimerEnabled();

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
