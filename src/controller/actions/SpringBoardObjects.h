#pragma once

#include <memory>
#include <string_view>

#include "platform/objc/Object.h"

namespace vantile {

// SpringBoard's shared objects, looked up by class name at run time; null when the class does
// not exist on this system or has no shared object.
class SpringBoardObjects {
 public:
  static std::shared_ptr<platform::objc::Object> shared(std::string_view className,
                                                        std::string_view getter = "sharedInstance");
  static std::shared_ptr<platform::objc::Object> iconController() { return shared("SBIconController"); }
  static std::shared_ptr<platform::objc::Object> lockScreenManager() { return shared("SBLockScreenManager"); }
  static std::shared_ptr<platform::objc::Object> mediaController() { return shared("SBMediaController"); }
  static std::shared_ptr<platform::objc::Object> systemService() {
    return shared("FBSSystemService", "sharedService");
  }
  static std::shared_ptr<platform::objc::Object> application() { return shared("UIApplication", "sharedApplication"); }
  // Whether the object answers the selector (nothing answers nothing).
  static bool answers(const std::shared_ptr<platform::objc::Object>& object, std::string_view selector);
};

}  // namespace vantile
