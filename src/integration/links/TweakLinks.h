#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/values/Value.h"
#include "platform/ui/views/View.h"

namespace vantile::integration {

// What the tweak asks of the theme controller and of the platform outside SpringBoard's
// classes. The defaults reach the shared controller and the platform; tests put recorders in.
struct TweakLinks {
  std::function<std::shared_ptr<platform::ui::View>(const std::string& path, const std::string& location)>
      createViewFromTheme;
  std::function<void(const std::string& location)> timeUpdated;
  std::function<void(const std::string& location)> fastUpdate;
  std::function<void(bool waking)> deviceWakening;
  std::function<void(bool unlocked)> deviceUnlocked;
  // MediaRemote's now-playing request; the completion runs on the main queue.
  std::function<void(std::function<void(platform::Value info)> completion)> getNowPlayingInfo;

  static TweakLinks standard();
};

}  // namespace vantile::integration
