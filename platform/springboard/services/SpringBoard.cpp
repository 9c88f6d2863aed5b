#include "platform/springboard/services/SpringBoard.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/ActionSignatures.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/ui/views/Application.h"

namespace platform::springboard {

std::shared_ptr<SpringBoard> SpringBoard::sharedApplication() {
  return SharedInstances::get<SpringBoard>("SpringBoard");
}

bool SpringBoard::handlePhysicalButtonEvent(const ui::Event& event) {
  return objc::send<signatures::PhysicalButtonEvent>(*this, "_handlePhysicalButtonEvent:", &event);
}

void SpringBoard::applicationDidFinishLaunching() {
  objc::send<signatures::ObjectAction>(*this, "applicationDidFinishLaunching:", signatures::Object(shared_from_this()));
}

bool SpringBoard::isShowingHomescreen() { return objc::send<signatures::Answer>(*this, "isShowingHomescreen"); }

bool SpringBoard::openURL(std::string url) {
  return objc::send<signatures::OpenURL>(*this, "openURL:", std::move(url));
}

void SpringBoard::declareClass(objc::Class& cls) {
  objc::addClassMethod<signatures::Getter>(cls, "sharedApplication",
                                           [](objc::Object&) { return SharedInstances::get("SpringBoard"); });
  objc::addMethod<signatures::PhysicalButtonEvent>(
      cls, "_handlePhysicalButtonEvent:", [](objc::Object& self, const ui::Event* event) {
        auto& springBoard = receiver<SpringBoard>(self);
        if (event == nullptr || event->presses.empty()) return false;
        if (springBoard.physicalButtonPressed) springBoard.physicalButtonPressed(*event);
        return true;
      });
  objc::addMethod<signatures::ObjectAction>(cls, "applicationDidFinishLaunching:",
                                            [](objc::Object&, signatures::Object) {});
  objc::addMethod<signatures::Answer>(cls, "isShowingHomescreen", [](objc::Object& self) {
    auto& springBoard = receiver<SpringBoard>(self);
    return springBoard.showingHomescreen ? springBoard.showingHomescreen() : false;
  });
  objc::addMethod<signatures::OpenURL>(cls, "openURL:", [](objc::Object&, std::string url) {
    ui::Application::shared().openURL(std::move(url));
    return true;
  });
  objc::addMethod<signatures::LaunchApplication>(
      cls, "launchApplicationWithIdentifier:suspended:", [](objc::Object& self, std::string bundleID, bool) {
        auto& springBoard = receiver<SpringBoard>(self);
        return springBoard.launchApplication && springBoard.launchApplication(bundleID);
      });
}

void SpringBoard::declareApplicationClass(objc::Class& cls) {
  objc::addClassMethod<signatures::Getter>(cls, "sharedApplication",
                                           [](objc::Object&) { return SharedInstances::get("SpringBoard"); });
}

}  // namespace platform::springboard
