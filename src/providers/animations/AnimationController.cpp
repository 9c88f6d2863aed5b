#include "providers/animations/AnimationController.h"

#include <algorithm>

#include "controller/VantileController.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "providers/animations/AnimationCloud.h"
#include "providers/animations/AnimationRain.h"
#include "providers/animations/AnimationSnow.h"
#include "providers/animations/AnimationSun.h"

namespace vantile {

namespace {

namespace objc = platform::objc;
using Center = platform::foundation::DarwinNotificationCenter;

constexpr const char* kLockScreen = "lockscreen";
constexpr const char* kHomeScreen = "homescreen";

bool holds(const std::vector<std::string>& codes, const std::string& code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// SpringBoard's answer to a yes-or-no question of one of its shared objects; no when it has none.
bool askSpringBoard(std::string_view className, std::string_view question) {
  objc::Class* cls = objc::getClass(className);
  if (cls == nullptr || !objc::respondsToSelector(*cls, "sharedInstance")) return false;
  const auto shared = objc::send<std::shared_ptr<objc::Object>()>(*cls, "sharedInstance");
  return shared && objc::respondsToSelector(*shared, question) && objc::send<bool()>(*shared, question);
}

void removeFromRoot(std::shared_ptr<WeatherAnimationView>& view) {
  if (view) view->removeFromSuperview();
  view.reset();
}

}  // namespace

AnimationController& AnimationController::sharedInstance() {
  static AnimationController instance(VantileController::sharedInstance());
  return instance;
}

AnimationController::AnimationController(std::shared_ptr<VantileController> themeController)
    : rainArray{"1", "2", "3", "4", "8", "9", "10", "11", "12", "17", "18", "35", "37", "38", "39", "40", "42", "45", "47"},
      snowArray{"5", "6", "7", "13", "14", "15", "16", "41", "42", "43", "46"},
      cloudArray{"0", "19", "20", "21", "22", "26", "27", "28", "29", "30", "44", "34", "33"},
      sunArray{"32", "31"},
      themeController_(std::move(themeController)) {
  Center& center = Center::shared();
  observers_.push_back(center.addObserver("com.apple.iokit.hid.displayStatus", [this](const std::string&) {
    displayStatusChanged();
  }));
  observers_.push_back(
      center.addObserver("com.apple.springboard.lockstate", [this](const std::string&) { lockStateChanged(); }));
  // Delivered to the same handler, which learns nothing new from it.
  observers_.push_back(
      center.addObserver("com.apple.springboard.lockcomplete", [this](const std::string&) { lockStateChanged(); }));
}

void AnimationController::loadAnimation(std::int32_t code) {
  const VantileController& theme = *themeController_;
  if (theme.hasWeatherConditionCode) code = theme.weatherConditionCode;
  if (!theme.weatherAnimationsEnabledForLS) removeFromRoot(animationLayer);
  if (!theme.weatherAnimationsEnabledForSB) removeFromRoot(animationLayerSB);
  if (code == animationCondition) return;
  removeFromRoot(animationLayer);
  removeFromRoot(animationLayerSB);
  const auto show = [this, code](const char* location, const std::shared_ptr<platform::ui::View>& root,
                                 std::shared_ptr<WeatherAnimationView>& kept) {
    kept = loadAnimationFromCondition(code, location);
    if (!kept) return;
    kept->setUserInteractionEnabled(false);
    // Without a theme root the view is kept but shown nowhere.
    if (root) {
      root->addSubview(kept);
      root->bringSubviewToFront(*kept);
    }
  };
  if (theme.weatherAnimationsEnabledForLS) show(kLockScreen, theme.vantileView, animationLayer);
  if (theme.weatherAnimationsEnabledForSB) show(kHomeScreen, theme.vantileViewSB, animationLayerSB);
  animationCondition = code;
}

std::shared_ptr<WeatherAnimationView> AnimationController::loadAnimationFromCondition(std::int32_t code,
                                                                                        const std::string& location) {
  const std::string text = std::to_string(code);
  std::shared_ptr<WeatherAnimationView> view;
  // A later list wins: 42 is in both the rain and the snow list, and shows snow.
  if (holds(rainArray, text)) view = loadRain();
  if (holds(snowArray, text)) view = loadSnow();
  if (holds(cloudArray, text)) view = loadCloud();
  if (holds(sunArray, text)) view = loadSun();
  if (!view) {
    animatingViewLS.reset();
    animatingViewSB.reset();
    return nullptr;
  }
  view->layer()->setName(location);
  if (location == kLockScreen) {
    animatingViewLS = view;
    animatingViewsState[kLockScreen] = false;
    handleLSAnimationShouldAnimate(true);
  } else if (location == kHomeScreen) {
    // Starts at the next lock-state change that finds the device unlocked.
    animatingViewSB = view;
    animatingViewsState[kHomeScreen] = false;
  }
  return view;
}

void AnimationController::handleLSAnimationShouldAnimate(bool animate) {
  handleShouldAnimate(animatingViewLS, kLockScreen, animate);
}

void AnimationController::handleSBAnimationShouldAnimate(bool animate) {
  handleShouldAnimate(animatingViewSB, kHomeScreen, animate);
}

void AnimationController::handleShouldAnimate(const std::shared_ptr<WeatherAnimationView>& view,
                                              const std::string& location, bool animate) {
  if (!view) return;
  const bool running = animatingViewsState[location];
  if (!running && animate && screenIsOn) {
    view->startAnimating();
    animatingViewsState[location] = true;
  }
  if (running && !animate) {
    view->stopAnimating();
    animatingViewsState[location] = false;
  }
}

void AnimationController::displayStatusChanged() {
  if (askSpringBoard("SBBacklightController", "screenIsOn")) {
    screenIsOn = true;
    handleLSAnimationShouldAnimate(true);
  } else {
    screenIsOn = false;
    handleLSAnimationShouldAnimate(false);
    handleSBAnimationShouldAnimate(false);
  }
}

void AnimationController::lockStateChanged() {
  const bool locked = askSpringBoard("SBLockScreenManager", "isUILocked");
  handleLSAnimationShouldAnimate(locked);
  handleSBAnimationShouldAnimate(!locked);
}

std::shared_ptr<WeatherAnimationView> AnimationController::loadRain() { return AnimationRain::make(); }
std::shared_ptr<WeatherAnimationView> AnimationController::loadSnow() { return AnimationSnow::make(); }
std::shared_ptr<WeatherAnimationView> AnimationController::loadCloud() { return AnimationCloud::make(); }
std::shared_ptr<WeatherAnimationView> AnimationController::loadSun() { return AnimationSun::make(); }

}  // namespace vantile
