#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// The control centre: tells when it is presented or dismissed.
class SBControlCenterController : public objc::SharedObject {
 public:
  // The presentation states as SpringBoard numbers them; 3 is "dismissed".
  static constexpr std::int64_t presented = 2;
  static constexpr std::int64_t dismissed = 3;

  SBControlCenterController() : SharedObject("SBControlCenterController") {}

  static std::shared_ptr<SBControlCenterController> sharedInstance();

  void didChangePresentationState(std::int64_t state);
  std::int64_t presentationState = dismissed;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
