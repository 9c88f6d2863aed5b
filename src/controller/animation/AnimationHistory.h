#pragma once

#include <string>

#include "platform/foundation/values/Value.h"

namespace vantile {

class AnimationHost;

// What each (target, source) pair of an animation last did, so that "toggle" steps play back
// to the target's theme values every second run. Kept in the host's animation state under
// "AnimationDetails".
class AnimationHistory {
 public:
  explicit AnimationHistory(AnimationHost& host) : host_(host) {}

  // A forward run records the theme values of the groups the step names; a run after one,
  // with "toggle" on, writes the recorded values into the settings instead.
  void saveAnimationState(const std::string& item, const std::string& itemName, platform::Value& settings,
                          const std::string& itemAnimation);

 private:
  AnimationHost& host_;
};

}  // namespace vantile
