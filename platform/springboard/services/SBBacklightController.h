#pragma once

#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// The display's backlight: its factor runs from 0 (dark) to 1 (lit).
class SBBacklightController : public objc::SharedObject {
 public:
  SBBacklightController() : SharedObject("SBBacklightController") {}

  static std::shared_ptr<SBBacklightController> sharedInstance();

  void setBacklightFactorPending(float factor);
  // Lit at all; lit below full (dimmed before sleeping).
  bool screenIsOn();
  bool screenIsDim();
  // The idle timer of iOS before 11.
  void resetLockScreenIdleTimer();
  float backlightFactor = 1;
  int idleTimerResets = 0;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
