#include "platform/springboard/services/SBMediaController.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/ActionSignatures.h"
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
  objc::addMethod<signatures::Answer>(cls, "isPlaying",
                                      [](objc::Object&) { return DeviceModel::shared().state().nowPlaying.playing; });
  objc::addMethod<signatures::Getter>(cls, "nowPlayingApplication", [](objc::Object&) -> signatures::Object {
    const std::string& app = DeviceModel::shared().state().nowPlaying.app;
    const auto applications = SBApplicationController::sharedInstance();
    return app.empty() || !applications ? nullptr : applications->applicationWithBundleIdentifier(app);
  });
  const auto togglePlayPause = [] {
    if (!DeviceModel::shared().state().nowPlaying.hasItem()) return false;
    DeviceModel::shared().update([](DeviceState& state) { state.nowPlaying.playing = !state.nowPlaying.playing; });
    return true;
  };
  objc::addMethod<signatures::Answer>(cls, "togglePlayPause", [togglePlayPause](objc::Object&) { return togglePlayPause(); });
  objc::addMethod<signatures::ToggleForSource>(
      cls, "togglePlayPauseForEventSource:", [togglePlayPause](objc::Object&, std::int64_t) { return togglePlayPause(); });
  // There is no queue of songs here: a change of track starts the song again.
  const auto changeTrack = [](objc::Object& self, std::int32_t delta) {
    receiver<SBMediaController>(self).trackChanges_.push_back(delta);
    if (!DeviceModel::shared().state().nowPlaying.hasItem()) return false;
    DeviceModel::shared().update([](DeviceState& state) { state.nowPlaying.elapsed = 0; });
    return true;
  };
  objc::addMethod<signatures::ChangeTrack>(cls, "changeTrack:", changeTrack);
  objc::addMethod<signatures::ChangeTrackForSource>(
      cls, "changeTrack:eventSource:",
      [changeTrack](objc::Object& self, std::int32_t delta, std::int64_t) { return changeTrack(self, delta); });
}

}  // namespace platform::springboard
