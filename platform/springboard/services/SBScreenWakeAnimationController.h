#pragma once

#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// How long the wallpaper's filter takes to change in one direction of a wake animation.
class SBFWallpaperFilterSettings : public objc::SharedObject {
 public:
  explicit SBFWallpaperFilterSettings(double duration) : SharedObject("SBFWallpaperFilterSettings"), duration(duration) {}

  double duration;

  static void declareClass(objc::Class& cls);
};

// The settings a wake or sleep animation runs with.
class SBScreenWakeAnimationSettings : public objc::SharedObject {
 public:
  SBScreenWakeAnimationSettings();

  std::shared_ptr<SBFWallpaperFilterSettings> sleepWallpaperFilterSettings;
  std::shared_ptr<SBFWallpaperFilterSettings> awakeWallpaperFilterSettings;

  static void declareClass(objc::Class& cls);
};

// Runs the screen's wake and sleep animations.
class SBScreenWakeAnimationController : public objc::SharedObject {
 public:
  SBScreenWakeAnimationController() : SharedObject("SBScreenWakeAnimationController") {}

  static std::shared_ptr<SBScreenWakeAnimationController> sharedInstance();

  void startWakeAnimations(bool waking, std::shared_ptr<SBScreenWakeAnimationSettings> settings);

  // The settings the last animation ran with, as the stock operation received them.
  std::shared_ptr<SBScreenWakeAnimationSettings> lastSettings;
  // Told when the stock animation runs (the process fades the backlight).
  std::function<void(bool waking, double duration)> animationStarted;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
