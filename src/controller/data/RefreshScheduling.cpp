#include <cmath>

#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;

namespace {

constexpr double kThrottledRefreshDelay = 2.0;
constexpr double kThrottleWindow = 3.0;
constexpr double kTriggerDelay = 0.1;

// The element names of a trigger value "word:nameA,word:nameB"; nothing unless it has exactly two parts.
std::optional<std::pair<std::string, std::string>> triggerNames(std::string_view value) {
  const auto parts = platform::foundation::components(value, ",");
  if (parts.size() != 2) return std::nullopt;
  const auto first = platform::foundation::components(parts[0], ":");
  const auto second = platform::foundation::components(parts[1], ":");
  if (first.size() < 2 || second.size() < 2) return std::nullopt;
  return std::pair{std::string(first[1]), std::string(second[1])};
}

}  // namespace

void VantileController::refreshLocation(const std::string& location) {
  static const Value kNothing;
  const auto* preset = presetFor(location);
  const Value* children = preset != nullptr && *preset ? (*preset)->children() : nullptr;
  updateData(children != nullptr ? *children : kNothing, location);
}

void VantileController::fastUpdate(const std::string& location) {
  if (!anyPresetLoaded()) return;
  if (providers.checkIfWeatherNeedsUpdating) providers.checkIfWeatherNeedsUpdating();
  if (providers.saveSystemJSON) providers.saveSystemJSON();
  refreshLocation(location);
}

void VantileController::timeUpdated(const std::string& location) {
  auto& queue = platform::foundation::MainQueue::shared();
  queue.postAfter(kThrottledRefreshDelay, [weak = weak_from_this(), location] {
    auto self = weak.lock();
    if (!self || !self->anyPresetLoaded()) return;
    if (self->providers.checkIfWeatherNeedsUpdating) self->providers.checkIfWeatherNeedsUpdating();
    const auto now = platform::foundation::MainQueue::shared().now();
    if (self->lastTimeUpdate && std::abs(now - *self->lastTimeUpdate) <= kThrottleWindow) return;
    self->refreshLocation(location);
    self->lastTimeUpdate = now;
  });
}

void VantileController::deviceWakening(bool waking) {
  platform::foundation::MainQueue::shared().postAfter(kTriggerDelay, [weak = weak_from_this(), waking] {
    if (auto self = weak.lock()) self->runTriggers("triggerOnWake", waking, true);
  });
}

void VantileController::deviceUnlocked(bool unlocked) {
  platform::foundation::MainQueue::shared().postAfter(kTriggerDelay, [weak = weak_from_this(), unlocked] {
    if (auto self = weak.lock()) self->runTriggers("triggerOnUnlock", unlocked, false);
  });
}

void VantileController::runTriggers(const std::string& triggerKey, bool flag, bool lockScreen) {
  const auto& preset = lockScreen ? vantilePreset : vantilePresetSB;
  const auto& rootView = lockScreen ? vantileView : vantileViewSB;
  if (!preset) return;
  const Value* children = preset->children();
  if (children == nullptr || !children->is_object()) return;

  for (const auto& [name, element] : children->items()) {
    if (conventions::stringFor(element, "type") != "UIView") continue;
    const auto trigger = conventions::stringFor(element, triggerKey);
    if (!trigger) continue;
    const auto names = triggerNames(*trigger);
    if (!names || names->first == "*" || names->second == "*") continue;

    isLSTap = lockScreen;
    const auto tag = preset->nameIndex.tagForName(flag ? names->first : names->second);
    auto view = rootView ? preset->views.find(tag.value_or(0), *rootView) : nullptr;
    if (view && hooks.handleAnimation) hooks.handleAnimation(view);
  }
}

}  // namespace vantile
