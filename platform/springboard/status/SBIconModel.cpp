#include "platform/springboard/status/SBIconModel.h"

#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/services/SBApplication.h"

namespace platform::springboard {

void SBApplicationIcon::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Text>(cls, "applicationBundleID",
                                    [](objc::Object& self) { return receiver<SBApplicationIcon>(self).bundleID; });
  objc::addMethod<signatures::Getter>(cls, "application",
                                      [](objc::Object& self) { return receiver<SBApplicationIcon>(self).application; });
}

void SBIconModel::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Objects>(cls, "leafIcons", [](objc::Object&) {
    std::vector<signatures::Object> icons;
    const auto controller = SBApplicationController::sharedInstance();
    if (!controller) return icons;
    for (const auto& application : controller->allApplications()) {
      icons.push_back(std::make_shared<SBApplicationIcon>(application->bundleIdentifier(), application));
    }
    return icons;
  });
}

void SBHIconManager::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Getter>(cls, "iconModel", [](objc::Object& self) {
    return signatures::Object(receiver<SBHIconManager>(self).iconModel);
  });
}

}  // namespace platform::springboard
