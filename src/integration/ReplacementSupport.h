#pragma once

#include <memory>

#include "integration/TweakState.h"
#include "platform/objc/Object.h"
#include "platform/ui/views/View.h"

namespace vantile::integration {

inline constexpr const char* kLockScreen = "lockscreen";
inline constexpr const char* kHomeScreen = "homescreen";

inline constexpr std::int64_t kLockScreenThemeTag = 8945;
inline constexpr std::int64_t kDarkOverlayTag = 8944;
inline constexpr std::int64_t kHomeScreenThemeTag = 8955;
inline constexpr std::int64_t kChargingContainerTag = 8966;

// The view a replaced view operation was sent to; null when the receiver is no view.
inline std::shared_ptr<platform::ui::View> viewOf(platform::objc::Object& self) {
  auto* view = dynamic_cast<platform::ui::View*>(&self);
  return view ? view->shared_from_this() : nullptr;
}

inline bool themesOn() {
  const TweakSettings& settings = tweakState().settings;
  return settings.enabled || settings.enabled_sb;
}

inline void callHook(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace vantile::integration
