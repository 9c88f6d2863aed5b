#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"

namespace vantile::integration {

void hook_SBUIController_ACPowerChanged(Self& self) {
  TweakState& state = tweakState();
  state.kept.SBUIController_ACPowerChanged(self);
  if (themesOn()) {
    callHook(state.hooks.updateWebViews);
    state.links.fastUpdate(kHomeScreen);
    state.links.fastUpdate(kLockScreen);
  }
  callHook(state.hooks.showChargingAnimation);
}

void hook_SBBacklightController_setBacklightFactorPending_(Self& self, float factor) {
  TweakState& state = tweakState();
  if (state.lockScreen.keepScreenAwake) return;
  state.kept.SBBacklightController_setBacklightFactorPending_(self, factor);
}

}  // namespace vantile::integration
