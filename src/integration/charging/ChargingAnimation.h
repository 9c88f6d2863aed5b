#pragma once

#include <optional>
#include <string_view>

#include "platform/graphics/Geometry.h"

namespace vantile::integration {

// Where the charging frames go in a container and how long one pass takes.
struct ChargingPlacement {
  platform::graphics::Rect frame;
  double duration = 0;
};

// The placement "options.json" asks for in a container of `size`; defaults for every key that
// is missing, and for all of them when the text is none or no JSON object.
ChargingPlacement chargingPlacement(std::optional<std::string_view> options, platform::graphics::Size size);

// Shows the theme's charging sequence on the lock screen while on external power, for 4 s
// after each trigger (a newer trigger replaces the running play and its timeout); hides it,
// stops it and lets the screen sleep again when the power is gone.
void showChargingAnimation();
// The same, 0.1 s after a screen wake or sleep.
void showChargingAnimationAfterWake();
// Unlocking lets the screen sleep again.
void chargingDeviceUnlocked();
// Restarts SpringBoard's idle timer as the running version has it.
void resetIdleTimer();

}  // namespace vantile::integration
