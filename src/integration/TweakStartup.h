#pragma once

#include "integration/TweakSettings.h"

namespace vantile::integration {

// Which groups of replacements SpringBoard gets, from the settings at load.
struct HookGroups {
  bool theme = false;
  bool lockScreenHiding = false;
  bool homeScreenHiding = false;
  bool iconLayout = false;

  friend bool operator==(const HookGroups&, const HookGroups&) = default;
};

HookGroups groupsFor(const TweakSettings& settings);

// The two initializers, in this order: everything is installed, then the version is read.
void installTweak();
void readSystemVersion();

}  // namespace vantile::integration
