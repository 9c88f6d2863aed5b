#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// FrontBoard's system service: opens applications by bundle identifier.
class FBSSystemService : public objc::SharedObject {
 public:
  FBSSystemService() : SharedObject("FBSSystemService") {}

  // How an open request reaches the process (set by it); answers whether the app opened.
  std::function<bool(const std::string& bundleID)> openApplication;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
