#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/notifications/Notification.h"
#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// What an unlock asks for; the theme's app launches name themselves and their source.
class SBLockScreenUnlockRequest : public objc::SharedObject {
 public:
  SBLockScreenUnlockRequest() : SharedObject("SBLockScreenUnlockRequest") {}

  std::string name;
  long source = 0;
  long intent = 0;

  static void declareClass(objc::Class& cls);
};

// Lock state and the lock screen's comings and goings. Its operations are sent through the
// runtime, so replacements run where SpringBoard calls them.
class SBLockScreenManager : public objc::SharedObject {
 public:
  SBLockScreenManager() : SharedObject("SBLockScreenManager") {}

  static std::shared_ptr<SBLockScreenManager> sharedInstance();

  void lockScreenViewControllerDidPresent();
  void lockScreenViewControllerWillDismiss();
  void handleBacklightLevelWillChange(const foundation::Notification& notification);
  bool isUILocked();
  void unlockWithRequest(signatures::Object request, std::function<void(bool unlocked)> completion);

  // How the stock unlock reaches the process (set by it); answers whether the device unlocked.
  std::function<bool()> unlockUI;
  // What the last unlockWithRequest:completion: asked with (null before any).
  std::shared_ptr<SBLockScreenUnlockRequest> lastUnlockRequest;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
