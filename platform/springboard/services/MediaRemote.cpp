#include "platform/springboard/services/MediaRemote.h"

#include <cstdint>
#include <vector>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"

namespace platform::springboard {

platform::Value nowPlayingInfo(const DeviceModel& device) {
  const NowPlayingState& now = device.state().nowPlaying;
  platform::Value information = platform::Value::object();
  if (!now.hasItem()) return information;
  information["kMRMediaRemoteNowPlayingInfoTitle"] = now.title;
  information["kMRMediaRemoteNowPlayingInfoArtist"] = now.artist;
  information["kMRMediaRemoteNowPlayingInfoAlbum"] = now.album;
  information["kMRMediaRemoteNowPlayingInfoDuration"] = now.duration;
  information["kMRMediaRemoteNowPlayingInfoElapsedTime"] = device.nowPlayingElapsed();
  information["kMRMediaRemoteNowPlayingInfoPlaybackRate"] = now.playing ? 1.0 : 0.0;
  information["kMRMediaRemoteNowPlayingInfoTimestamp"] = foundation::MainQueue::shared().now();
  if (!now.artwork.empty()) {
    if (auto bytes = foundation::readFile(foundation::devicePath(now.artwork))) {
      information["kMRMediaRemoteNowPlayingInfoArtworkData"] =
          platform::Value::binary(std::vector<std::uint8_t>(bytes->begin(), bytes->end()));
    }
  }
  return information;
}

void MRMediaRemoteGetNowPlayingInfo(std::function<void(platform::Value information)> completion) {
  if (!completion) return;
  foundation::MainQueue::shared().post(
      [completion = std::move(completion)] { completion(nowPlayingInfo(DeviceModel::shared())); });
}

}  // namespace platform::springboard
