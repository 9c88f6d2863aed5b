#include "platform/springboard/services/SBLockScreenManager.h"

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/ActionSignatures.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

void SBLockScreenUnlockRequest::declareClass(objc::Class& cls) {
  objc::addProperty(cls, "name", [](objc::Object& self) { return receiver<SBLockScreenUnlockRequest>(self).name; });
  objc::addProperty(cls, "source", [](objc::Object& self) { return receiver<SBLockScreenUnlockRequest>(self).source; });
  objc::addProperty(cls, "intent", [](objc::Object& self) { return receiver<SBLockScreenUnlockRequest>(self).intent; });
  objc::addClassMethod<signatures::Getter>(
      cls, "new", [](objc::Object&) -> signatures::Object { return std::make_shared<SBLockScreenUnlockRequest>(); });
  objc::addMethod<signatures::SetText>(cls, "setName:", [](objc::Object& self, std::string name) {
    receiver<SBLockScreenUnlockRequest>(self).name = std::move(name);
  });
  objc::addMethod<signatures::SetInteger>(cls, "setSource:", [](objc::Object& self, std::int64_t source) {
    receiver<SBLockScreenUnlockRequest>(self).source = static_cast<long>(source);
  });
  objc::addMethod<signatures::SetInteger>(cls, "setIntent:", [](objc::Object& self, std::int64_t intent) {
    receiver<SBLockScreenUnlockRequest>(self).intent = static_cast<long>(intent);
  });
}

std::shared_ptr<SBLockScreenManager> SBLockScreenManager::sharedInstance() {
  return SharedInstances::get<SBLockScreenManager>("SBLockScreenManager");
}

void SBLockScreenManager::lockScreenViewControllerDidPresent() {
  objc::send<signatures::Action>(*this, "lockScreenViewControllerDidPresent");
}

void SBLockScreenManager::lockScreenViewControllerWillDismiss() {
  objc::send<signatures::Action>(*this, "lockScreenViewControllerWillDismiss");
}

void SBLockScreenManager::handleBacklightLevelWillChange(const foundation::Notification& notification) {
  objc::send<signatures::NotificationAction>(*this, "_handleBacklightLevelWillChange:", notification);
}

bool SBLockScreenManager::isUILocked() { return objc::send<signatures::Answer>(*this, "isUILocked"); }

void SBLockScreenManager::unlockWithRequest(signatures::Object request, std::function<void(bool unlocked)> completion) {
  objc::send<signatures::UnlockRequest>(*this, "unlockWithRequest:completion:", std::move(request),
                                        std::move(completion));
}

void SBLockScreenManager::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Action>(cls, "lockScreenViewControllerDidPresent", [](objc::Object&) {});
  objc::addMethod<signatures::Action>(cls, "lockScreenViewControllerWillDismiss", [](objc::Object&) {});
  objc::addMethod<signatures::NotificationAction>(cls, "_handleBacklightLevelWillChange:",
                                                  [](objc::Object&, const foundation::Notification&) {});
  objc::addMethod<signatures::Answer>(cls, "isUILocked",
                                      [](objc::Object&) { return DeviceModel::shared().state().locked; });
  objc::addMethod<signatures::UnlockRequest>(
      cls, "unlockWithRequest:completion:",
      [](objc::Object& self, signatures::Object request, std::function<void(bool)> completion) {
        auto& manager = receiver<SBLockScreenManager>(self);
        manager.lastUnlockRequest = objectAs<SBLockScreenUnlockRequest>(request);
        const bool unlocked = manager.unlockUI ? manager.unlockUI() : false;
        if (completion) completion(unlocked);
      });
  // The device has no passcode of its own here: the empty one unlocks, as on a phone without one.
  objc::addMethod<signatures::AttemptUnlock>(cls, "attemptUnlockWithPasscode:", [](objc::Object& self, std::string passcode) {
    auto& manager = receiver<SBLockScreenManager>(self);
    return passcode.empty() && manager.unlockUI && manager.unlockUI();
  });
}

}  // namespace platform::springboard
