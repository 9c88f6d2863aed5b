#include "platform/springboard/services/FBSSystemService.h"

#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/ActionSignatures.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

void FBSSystemService::declareClass(objc::Class& cls) {
  objc::addClassMethod<signatures::Getter>(cls, "sharedService",
                                           [](objc::Object&) { return SharedInstances::get("FBSSystemService"); });
  objc::addMethod<signatures::OpenApplication>(
      cls, "openApplication:options:withResult:",
      [](objc::Object& self, std::string bundleID, platform::Value,
         std::function<void(std::optional<std::string>)> result) {
        auto& service = receiver<FBSSystemService>(self);
        const bool opened = service.openApplication && service.openApplication(bundleID);
        if (!result) return;
        if (opened) {
          result(std::nullopt);
        } else {
          std::string error = "no application ";
          result(error.append(bundleID));
        }
      });
}

}  // namespace platform::springboard
