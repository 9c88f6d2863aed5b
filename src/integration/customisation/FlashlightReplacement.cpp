#include "integration/Replacements.h"
#include "integration/TweakState.h"

namespace vantile::integration {

// The first flashlight SpringBoard makes is the one the toggle drives.
ObjectRef hook_AVFlashlight_init(Self& self) {
  TweakState& state = tweakState();
  ObjectRef flashlight = state.kept.AVFlashlight_init(self);
  if (!state.keptFlashlight && flashlight) state.keptFlashlight = flashlight;
  return flashlight;
}

}  // namespace vantile::integration
