#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// The torch. Its level is the device's "flashlight" (0 is off, up to 1).
class AVFlashlight : public objc::SharedObject {
 public:
  // Made as SpringBoard makes one: allocated, then sent init through the runtime, so a
  // replaced init sees every flashlight. Null when init answered none.
  static std::shared_ptr<AVFlashlight> make();

  AVFlashlight() : SharedObject("AVFlashlight") {}

  float flashlightLevel();
  // Levels outside 0...1 are refused with the reason in `error` (when given).
  bool setFlashlightLevel(float level, std::string* error = nullptr);

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
