#pragma once

#include <memory>

#include "integration/TweakState.h"
#include "platform/objc/Object.h"
#include "platform/objc/SharedObject.h"
#include "platform/ui/views/ViewController.h"
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

// The receiver as a shared reference (views, view controllers and shared objects); empty for
// an object nobody shares.
inline ObjectRef sharedSelf(platform::objc::Object& self) {
  if (auto* shared = dynamic_cast<platform::objc::SharedObject*>(&self)) return shared->shared_from_this();
  if (auto* view = dynamic_cast<platform::ui::View*>(&self)) return ObjectRef(view->shared_from_this(), &self);
  if (auto* controller = dynamic_cast<platform::ui::ViewController*>(&self)) {
    return ObjectRef(controller->shared_from_this(), &self);
  }
  return nullptr;
}

// A returned object as the view it is (null when it is none).
inline std::shared_ptr<platform::ui::View> asView(const ObjectRef& object) {
  auto* view = dynamic_cast<platform::ui::View*>(object.get());
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
