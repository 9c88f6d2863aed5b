#include "platform/springboard/services/SBCoverSheetPresentationManager.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

std::shared_ptr<SBCoverSheetPresentationManager> SBCoverSheetPresentationManager::sharedInstance() {
  return SharedInstances::get<SBCoverSheetPresentationManager>("SBCoverSheetPresentationManager");
}

void SBCoverSheetPresentationManager::setCoverSheetPresented(bool presented, bool animated,
                                                             std::function<void()> completion) {
  objc::send<signatures::SetCoverSheetPresented>(*this, "setCoverSheetPresented:animated:withCompletion:", presented,
                                                 animated, std::move(completion));
}

void SBCoverSheetPresentationManager::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::SetCoverSheetPresented>(
      cls, "setCoverSheetPresented:animated:withCompletion:",
      [](objc::Object& self, bool presented, bool, std::function<void()> completion) {
        auto& manager = receiver<SBCoverSheetPresentationManager>(self);
        manager.isPresented = presented;
        if (manager.presentationChanged) manager.presentationChanged(presented);
        if (completion) completion();
      });
}

}  // namespace platform::springboard
