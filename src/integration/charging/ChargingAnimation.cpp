#include "integration/charging/ChargingAnimation.h"

#include <algorithm>
#include <string>

#include "integration/ReplacementSupport.h"
#include "integration/TweakState.h"
#include "integration/charging/AnimatedImageView.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/views/Device.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;
namespace foundation = platform::foundation;
using platform::graphics::Rect;
using platform::graphics::Size;

constexpr double kPlayTime = 4;
constexpr std::int64_t kChargingAnimationTag = 321;
constexpr double kDefaultSide = 150;
constexpr double kDefaultBottomGap = 20;
constexpr float kIdleTimerCoordinatorVersion = 11;

ObjectRef shared(std::string_view className) {
  objc::Class* cls = objc::getClass(className);
  if (cls == nullptr || !objc::respondsToSelector(*cls, "sharedInstance")) return nullptr;
  return objc::send<sig::Getter>(*cls, "sharedInstance");
}

bool ask(std::string_view className, std::string_view question) {
  const ObjectRef object = shared(className);
  return object && objc::respondsToSelector(*object, question) && objc::send<sig::Answer>(*object, question);
}

void tell(std::string_view className, std::string_view action) {
  const ObjectRef object = shared(className);
  if (object && objc::respondsToSelector(*object, action)) objc::send<sig::Action>(*object, action);
}

// Empty without a sequence name: no frames and no options are found then.
std::string sequenceFolder() {
  const std::optional<std::string>& name = tweakState().settings.batteryAnimationName;
  if (!name) return {};
  std::string folder = "var/mobile/Library/VantileAssets/chargingSequences/";
  folder += *name;
  folder += "/";
  return folder;
}

std::optional<std::string> getBatteryAnimationData(const std::string& folder) {
  if (folder.empty()) return std::nullopt;
  std::string file = "/";
  file += folder;
  file += "options.json";
  return foundation::readFile(foundation::devicePath(file));
}

void stopChargingView() {
  if (const auto& view = tweakState().lockScreen.chargingAnimationView) view->stopAnimating();
}

void callBatteryAnimationView(const ChargingPlacement& placement, const std::string& folder, bool locked, bool dim) {
  if (!locked || dim) return;
  LockScreenState& lock = tweakState().lockScreen;
  platform::ui::View& container = *lock.chargingContainerView;
  const bool made = std::any_of(container.subviews().begin(), container.subviews().end(),
                                [](const auto& view) { return view->tag() == kChargingAnimationTag; });
  if (!made) {
    auto view = AnimatedImageView::make(placement.frame);
    view->animationDuration = placement.duration;
    view->imagesPath = folder;
    view->setTag(kChargingAnimationTag);
    container.addSubview(view);
    lock.chargingAnimationView = std::move(view);
  }
  if (lock.chargingAnimationView) lock.chargingAnimationView->startAnimating();
}

void handleBatteryOptionsAndAnimate(bool locked, bool dim) {
  const Size size = tweakState().lockScreen.chargingContainerView->bounds().size;
  const std::string folder = sequenceFolder();
  const std::optional<std::string> options = getBatteryAnimationData(folder);
  callBatteryAnimationView(chargingPlacement(options ? std::optional<std::string_view>(*options) : std::nullopt, size),
                           folder, locked, dim);
}

void chargingAnimationTimeout(bool locked, std::uint64_t play) {
  TweakState& state = tweakState();
  // A newer trigger owns the container now.
  if (play != state.lockScreen.chargingPlay || !state.lockScreen.chargingContainerView) return;
  state.lockScreen.chargingContainerView->setAlpha(0);
  stopChargingView();
  if (!state.settings.loopbatteryanimation) return;
  showChargingAnimation();
  // Only while still locked and on power: an unlock or unplug since must let the screen sleep.
  if (state.settings.nosleepbatteryanimation && locked && ask("SBLockScreenManager", "isUILocked") &&
      ask("SBUIController", "isOnAC")) {
    state.lockScreen.keepScreenAwake = true;
    resetIdleTimer();
  }
}

}  // namespace

ChargingPlacement chargingPlacement(std::optional<std::string_view> options, Size size) {
  const double W = size.width;
  const double H = size.height;
  double width = kDefaultSide;
  double height = kDefaultSide;
  double yOffsetFromBottom = kDefaultBottomGap;
  double xOffsetFromBottom = 0;
  double duration = 2.0;
  double x = W * 0.5 - kDefaultSide / 2;
  double y = H - kDefaultSide - kDefaultBottomGap;
  const std::optional<platform::Value> parsed = options ? foundation::parseValue(*options) : std::nullopt;
  if (parsed && parsed->is_object()) {
    const platform::Value& o = *parsed;
    const auto number = [&o](const char* key, double& into) {
      if (o.contains(key)) into = foundation::floatValue(o[key]);
    };
    number("width", width);
    number("height", height);
    number("yOffsetFromBottom", yOffsetFromBottom);
    number("xOffsetFromBottom", xOffsetFromBottom);
    number("animationDuration", duration);
    if (o.contains("x")) {
      const std::string text = o["x"].is_string() ? o["x"].get<std::string>() : std::string();
      x = text == "center"  ? W * 0.5 - width * 0.5
          : text == "right" ? W - width - xOffsetFromBottom
                            : foundation::floatValue(o["x"]);
    }
    if (o.contains("y")) {
      const std::string text = o["y"].is_string() ? o["y"].get<std::string>() : std::string();
      y = text == "center"   ? H * 0.5 - height * 0.5
          : text == "bottom" ? H - height - yOffsetFromBottom
                             : foundation::floatValue(o["y"]);
    }
  }
  return {Rect(x, y, width, height), duration};
}

void showChargingAnimation() {
  TweakState& state = tweakState();
  LockScreenState& lock = state.lockScreen;
  const bool locked = ask("SBLockScreenManager", "isUILocked");
  const bool dim = ask("SBBacklightController", "screenIsDim");
  if (!lock.chargingContainerView) return;
  const std::uint64_t play = ++lock.chargingPlay;
  if (ask("SBUIController", "isOnAC")) {
    lock.chargingContainerView->setAlpha(1);
    handleBatteryOptionsAndAnimate(locked, dim);
    foundation::MainQueue::shared().postAfter(kPlayTime, [locked, play] { chargingAnimationTimeout(locked, play); });
    return;
  }
  lock.chargingContainerView->setAlpha(0);
  stopChargingView();
  lock.keepScreenAwake = false;
  resetIdleTimer();
}

void showChargingAnimationAfterWake() { showChargingAnimation(); }

void chargingDeviceUnlocked() {
  LockScreenState& lock = tweakState().lockScreen;
  if (!lock.keepScreenAwake) return;
  lock.keepScreenAwake = false;
  resetIdleTimer();
}

void resetIdleTimer() {
  const float version = foundation::floatValue(platform::ui::Device::currentDevice().systemVersion());
  if (version < kIdleTimerCoordinatorVersion) {
    tell("SBBacklightController", "resetLockScreenIdleTimer");
  } else {
    tell("SBIdleTimerGlobalCoordinator", "resetIdleTimer");
  }
}

}  // namespace vantile::integration
