#include "platform/springboard/services/SBScreenWakeAnimationController.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

namespace {
constexpr double kSleepFilterDuration = 0.5;
constexpr double kAwakeFilterDuration = 0.35;
}  // namespace

void SBFWallpaperFilterSettings::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Seconds>(cls, "duration",
                                       [](objc::Object& self) { return receiver<SBFWallpaperFilterSettings>(self).duration; });
  objc::addMethod<signatures::SetSeconds>(cls, "setDuration:", [](objc::Object& self, double duration) {
    receiver<SBFWallpaperFilterSettings>(self).duration = duration;
  });
}

SBScreenWakeAnimationSettings::SBScreenWakeAnimationSettings()
    : SharedObject("SBScreenWakeAnimationSettings"),
      sleepWallpaperFilterSettings(std::make_shared<SBFWallpaperFilterSettings>(kSleepFilterDuration)),
      awakeWallpaperFilterSettings(std::make_shared<SBFWallpaperFilterSettings>(kAwakeFilterDuration)) {}

void SBScreenWakeAnimationSettings::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Getter>(cls, "sleepWallpaperFilterSettings", [](objc::Object& self) {
    return signatures::Object(receiver<SBScreenWakeAnimationSettings>(self).sleepWallpaperFilterSettings);
  });
  objc::addMethod<signatures::Getter>(cls, "awakeWallpaperFilterSettings", [](objc::Object& self) {
    return signatures::Object(receiver<SBScreenWakeAnimationSettings>(self).awakeWallpaperFilterSettings);
  });
  objc::addMethod<signatures::Setter>(cls, "setSleepWallpaperFilterSettings:", [](objc::Object& self, signatures::Object value) {
    receiver<SBScreenWakeAnimationSettings>(self).sleepWallpaperFilterSettings = objectAs<SBFWallpaperFilterSettings>(value);
  });
  objc::addMethod<signatures::Setter>(cls, "setAwakeWallpaperFilterSettings:", [](objc::Object& self, signatures::Object value) {
    receiver<SBScreenWakeAnimationSettings>(self).awakeWallpaperFilterSettings = objectAs<SBFWallpaperFilterSettings>(value);
  });
}

std::shared_ptr<SBScreenWakeAnimationController> SBScreenWakeAnimationController::sharedInstance() {
  return SharedInstances::get<SBScreenWakeAnimationController>("SBScreenWakeAnimationController");
}

void SBScreenWakeAnimationController::startWakeAnimations(bool waking,
                                                          std::shared_ptr<SBScreenWakeAnimationSettings> settings) {
  objc::send<signatures::StartWakeAnimations>(*this, "_startWakeAnimationsForWaking:animationSettings:", waking,
                                              signatures::Object(std::move(settings)));
}

void SBScreenWakeAnimationController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::StartWakeAnimations>(
      cls, "_startWakeAnimationsForWaking:animationSettings:",
      [](objc::Object& self, bool waking, signatures::Object settingsObject) {
        auto& controller = receiver<SBScreenWakeAnimationController>(self);
        auto settings = objectAs<SBScreenWakeAnimationSettings>(settingsObject);
        controller.lastSettings = settings;
        const auto& filter = settings ? (waking ? settings->awakeWallpaperFilterSettings : settings->sleepWallpaperFilterSettings)
                                      : nullptr;
        if (controller.animationStarted) controller.animationStarted(waking, filter ? filter->duration : 0.0);
      });
}

}  // namespace platform::springboard
