#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// SpringBoard's view of what plays. The stand-in hands it the device's now-playing
// dictionary when the song changes; what it stores is what the lock screen shows.
class SBMediaController : public objc::SharedObject {
 public:
  SBMediaController() : SharedObject("SBMediaController") {}

  static std::shared_ptr<SBMediaController> sharedInstance();

  void setNowPlayingInfo(platform::Value info);
  // What was stored last (null before anything was).
  const platform::Value& nowPlayingInfo() const { return nowPlayingInfo_; }
  // How many times something was stored.
  int storeCount() const { return storeCount_; }
  // The track changes asked for, in order (+1 next, -1 previous).
  const std::vector<int>& trackChanges() const { return trackChanges_; }

  static void declareClass(objc::Class& cls);

 private:
  platform::Value nowPlayingInfo_;
  int storeCount_ = 0;
  std::vector<int> trackChanges_;
};

}  // namespace platform::springboard
