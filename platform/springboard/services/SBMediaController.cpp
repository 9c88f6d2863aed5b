#include "platform/springboard/services/SBMediaController.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/services/SBApplication.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

std::shared_ptr<SBMediaController> SBMediaController::sharedInstance() {
  return SharedInstances::get<SBMediaController>("SBMediaController");
}

void SBMediaController::setNowPlayingInfo(platform::Value info) {
  objc::send<signatures::ValueSetter>(*this, "setNowPlayingInfo:", std::move(info));
}

void SBMediaController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::ValueSetter>(cls, "setNowPlayingInfo:", [](objc::Object& self, platform::Value info) {
    auto& controller = receiver<SBMediaController>(self);
    controller.nowPlayingInfo_ = std::move(info);
    ++controller.storeCount_;
  });
  objc::addMethod<signatures::Answer>(cls, "isPlaying", [](objc::Object&) {
    const NowPlayingState& now = DeviceModel::shared().state().nowPlaying;
    return now.hasItem() && now.playing;
  });
  objc::addMethod<signatures::ValueGetter>(
      cls, "_nowPlayingInfo", [](objc::Object& self) { return receiver<SBMediaController>(self).nowPlayingInfo_; });
  objc::addMethod<signatures::Getter>(cls, "nowPlayingApplication", [](objc::Object&) -> signatures::Object {
    const NowPlayingState& now = DeviceModel::shared().state().nowPlaying;
    const auto applications = SBApplicationController::sharedInstance();
    if (now.app.empty() || !applications) return nullptr;
    return applications->applicationWithBundleIdentifier(now.app);
  });
  objc::addMethod<signatures::ValueGetter>(
      cls, "nowPlayingInfo", [](objc::Object& self) { return receiver<SBMediaController>(self).nowPlayingInfo_; });
}

}  // namespace platform::springboard
