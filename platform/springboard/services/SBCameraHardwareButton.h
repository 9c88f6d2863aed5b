#pragma once

#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// The camera button: asks whether the cover sheet shows its camera page.
class SBCameraHardwareButton : public objc::SharedObject {
 public:
  SBCameraHardwareButton() : SharedObject("SBCameraHardwareButton") {}

  static std::shared_ptr<SBCameraHardwareButton> sharedInstance();

  bool isCoverSheetCameraVisible();
  // What the stock answer reads (set by the process).
  std::function<bool()> cameraVisible;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
