#pragma once

#include <functional>

#include "platform/foundation/values/Value.h"
#include "platform/springboard/device/DeviceModel.h"

// The media service's now-playing request, answered from the device model.
namespace platform::springboard {

// The device's now playing in the media service's keys ("kMRMediaRemoteNowPlayingInfoTitle",
// "...Artist", "...Album", "...Duration", "...ElapsedTime", "...PlaybackRate", "...ArtworkData"
// with the artwork file's bytes, "...Timestamp"); an empty dictionary when nothing is loaded.
platform::Value nowPlayingInfo(const DeviceModel& device);

// Answers on the main queue, later, with the information as it stands then.
void MRMediaRemoteGetNowPlayingInfo(std::function<void(platform::Value information)> completion);

}  // namespace platform::springboard
