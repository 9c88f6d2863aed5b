#include "integration/Replacements.h"
#include "integration/TweakState.h"

namespace vantile::integration {

namespace {
// The platform's primary-hidden display mode.
constexpr std::int64_t kPrimaryHidden = 1;
bool forcePrimaryHidden() { return tweakState().settings.ipadsettings; }
}  // namespace

void hook_PSSplitViewController_setPreferredDisplayMode_(Self& self, std::int64_t mode) {
  tweakState().kept.PSSplitViewController_setPreferredDisplayMode_(self, forcePrimaryHidden() ? kPrimaryHidden : mode);
}

std::int64_t hook_PSSplitViewController_displayMode(Self& self) {
  return forcePrimaryHidden() ? kPrimaryHidden : tweakState().kept.PSSplitViewController_displayMode(self);
}

std::int64_t hook_PSSplitViewController_preferredDisplayMode(Self& self) {
  return forcePrimaryHidden() ? kPrimaryHidden : tweakState().kept.PSSplitViewController_preferredDisplayMode(self);
}

}  // namespace vantile::integration
