#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "providers/animations/WeatherAnimationView.h"

namespace vantile {

class VantileController;

// Shows the weather condition's animation over the lock-screen and home-screen themes and runs
// each view only while its screen can be seen: the lock-screen view while the screen is on and
// the device locked, the home-screen view once the device is unlocked. Main thread only.
class AnimationController {
 public:
  // The process's controller, reading the theme controller's shared instance; made on first use.
  static AnimationController& sharedInstance();
  // One reading the given theme controller (tests).
  explicit AnimationController(std::shared_ptr<VantileController> themeController);
  AnimationController(const AnimationController&) = delete;
  AnimationController& operator=(const AnimationController&) = delete;

  // The weather provider's entry, one second after each forecast: puts the animation of the
  // code (or of the forced code) on the theme roots, when it differs from the one shown.
  void loadAnimation(std::int32_t code);

  // A new view for the code, kept for the location ("lockscreen" or "homescreen"); nothing
  // (and both kept views forgotten) for a code without animation.
  std::shared_ptr<WeatherAnimationView> loadAnimationFromCondition(std::int32_t code, const std::string& location);
  void handleLSAnimationShouldAnimate(bool animate);
  void handleSBAnimationShouldAnimate(bool animate);

  static std::shared_ptr<WeatherAnimationView> loadRain();
  static std::shared_ptr<WeatherAnimationView> loadSnow();
  static std::shared_ptr<WeatherAnimationView> loadCloud();
  static std::shared_ptr<WeatherAnimationView> loadSun();

  std::vector<std::string> rainArray;
  std::vector<std::string> snowArray;
  std::vector<std::string> cloudArray;
  std::vector<std::string> sunArray;
  std::shared_ptr<WeatherAnimationView> animatingViewLS;
  std::shared_ptr<WeatherAnimationView> animatingViewSB;
  std::map<std::string, bool> animatingViewsState;
  bool screenIsOn = true;

  // What the theme roots show: the views added and the code they show (0 at start).
  std::shared_ptr<WeatherAnimationView> animationLayer;
  std::shared_ptr<WeatherAnimationView> animationLayerSB;
  std::int32_t animationCondition = 0;

 private:
  void handleShouldAnimate(const std::shared_ptr<WeatherAnimationView>& view, const std::string& location,
                           bool animate);
  void displayStatusChanged();
  void lockStateChanged();

  std::shared_ptr<VantileController> themeController_;
  std::vector<std::shared_ptr<platform::foundation::DarwinNotificationCenter::Observation>> observers_;
};

}  // namespace vantile
