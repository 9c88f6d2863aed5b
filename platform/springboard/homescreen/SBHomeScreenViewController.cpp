#include "platform/springboard/homescreen/SBHomeScreenViewController.h"

#include "platform/springboard/services/AppRegistry.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/views/Screen.h"

namespace platform::springboard {

std::shared_ptr<SBHomeScreenViewController> SBHomeScreenViewController::make() {
  return std::make_shared<SBHomeScreenViewController>(ConstructionKey{});
}

SBHomeScreenViewController::SBHomeScreenViewController(ConstructionKey key)
    : ViewController(key), Object("SBHomeScreenViewController") {}

std::shared_ptr<ui::View> SBHomeScreenViewController::loadView() {
  auto allocated = SBHomeScreenView::alloc();
  auto made = objc::send<signatures::InitWithFrame>(*allocated, "initWithFrame:", ui::Screen::mainScreen().bounds());
  return made ? made : allocated;
}

std::shared_ptr<ui::View> SBHomeScreenViewController::loadViewIfNeeded() {
  auto root = view();
  if (!loaded_) {
    loaded_ = true;
    objc::send<signatures::Action>(*this, "viewDidLoad");
  }
  return root;
}

std::shared_ptr<SBHomeScreenView> SBHomeScreenViewController::homeScreenView() {
  return std::dynamic_pointer_cast<SBHomeScreenView>(loadViewIfNeeded());
}

void SBHomeScreenViewController::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "viewDidLoad",
                                      [](objc::Object& self) { ++receiver<SBHomeScreenViewController>(self).viewDidLoadCount_; });
}

void SBRootFolderController::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Getter>(cls, "rootFolderView", [](objc::Object& self) {
    return asObject(receiver<SBRootFolderController>(self).rootFolderView.lock());
  });
}

std::shared_ptr<SBIconController> SBIconController::sharedInstance() {
  return SharedInstances::get<SBIconController>("SBIconController");
}

SBIconController::SBIconController()
    : SharedObject("SBIconController"),
      rootFolderController(std::make_shared<SBRootFolderController>()) {}

void SBIconController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Getter>(cls, "iconManager", [](objc::Object& self) {
    return signatures::Object(receiver<SBIconController>(self).iconManager);
  });
  objc::addMethod<signatures::Getter>(cls, "_rootFolderController", [](objc::Object& self) {
    return signatures::Object(receiver<SBIconController>(self).rootFolderController);
  });
  objc::addMethod<signatures::Answer>(cls, "areHomeScreenIconsOccluded", [](objc::Object& self) {
    return receiver<SBIconController>(self).homeScreenIconsOccluded;
  });
}

}  // namespace platform::springboard
