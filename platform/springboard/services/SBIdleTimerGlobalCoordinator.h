#pragma once

#include <memory>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// The idle timer from iOS 11 on: a reset starts its count towards dimming anew.
class SBIdleTimerGlobalCoordinator : public objc::SharedObject {
 public:
  SBIdleTimerGlobalCoordinator() : SharedObject("SBIdleTimerGlobalCoordinator") {}

  static std::shared_ptr<SBIdleTimerGlobalCoordinator> sharedInstance();

  void resetIdleTimer();
  int resets = 0;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
