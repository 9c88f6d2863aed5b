#include "controller/animation/AnimationRunner.h"

#include <algorithm>
#include <cstdint>
#include <numbers>

#include "controller/animation/AnimationHistory.h"
#include "controller/animation/AnimationHost.h"
#include "controller/animation/AnimationSteps.h"
#include "controller/animation/AnimationTargets.h"
#include "controller/animation/SpinAnimation.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;
using platform::ui::View;
namespace foundation = platform::foundation;

namespace {

struct Trigger {
  std::string name;
  float wait = 0;
};

// The last "trigger:" and "wait:" pieces of a step that names a trigger.
std::optional<Trigger> triggerOf(std::string_view step) {
  if (!foundation::contains(step, "trigger:")) return std::nullopt;
  std::optional<std::string> name;
  float wait = 0;
  for (const std::string_view piece : foundation::components(step, ",")) {
    const auto parts = foundation::components(piece, ":");
    if (foundation::contains(piece, "trigger:")) name = parts.size() > 1 ? std::string(parts[1]) : std::string();
    if (foundation::contains(piece, "wait:")) wait = parts.size() > 1 ? foundation::floatValue(parts[1]) : 0.0F;
  }
  if (!name) return std::nullopt;
  return Trigger{*name, wait};
}

}  // namespace

void AnimationRunner::handleAnimation(const platform::ui::GestureRecognizer& recognizer) {
  handleAnimation(AnimationTargets::getViewTag(recognizer));
}

void AnimationRunner::handleAnimation(const std::shared_ptr<View>& view) {
  handleAnimation(AnimationTargets::getViewTag(view.get()));
}

void AnimationRunner::handleAnimation(const std::string& senderTag) { host_.runAnimationOfTag(senderTag); }

void AnimationRunner::handleElementAnimation(const std::string& name, const std::function<void()>& whenNone,
                                             const std::function<void()>& beforePlaying) {
  const auto animation = AnimationTargets::getElementObjectFromString(name, "animation", host_.animationPresetChildren());
  if (!animation) return;
  const std::string text = AnimationSteps::getValueString(*animation);
  if (text == "none") {
    if (whenNone) whenNone();
    return;
  }
  if (foundation::contains(text, "spin:")) SpinAnimation(host_).handleSpinElement(*animation);
  if (text == "" || text == "{}") return;
  if (beforePlaying) beforePlaying();
  handleAllAnimations(*animation, name);
}

void AnimationRunner::handleAllAnimations(const Value& animation, const std::string& itemName) {
  // A bare step string or any other value is no dictionary of targets.
  if (!animation.is_object()) return;
  Value settings = AnimationSteps::setAnimationDictionaryDefaults();
  for (const auto& [item, stepValue] : animation.items()) {
    const auto view = host_.animationElementView(item);
    std::string step = AnimationSteps::cleanAnimationString(AnimationSteps::getValueString(stepValue));
    if (const auto trigger = triggerOf(step)) {
      std::string piece = "trigger:";
      piece.append(trigger->name);
      step = foundation::replacingOccurrences(step, piece, "");
      queNextAnimation(host_.animationElementView(trigger->name), trigger->wait);
    }
    if (view) setElementNowInfoToAnimationStuff(settings, *view);
    AnimationSteps::setElementAnimationInfo(step, settings);
    if (view) makeTheAnimation(settings, step, item, itemName, view);
  }
}

void AnimationRunner::makeTheAnimation(Value& settings, const std::string& itemAnimation, const std::string& item,
                                       const std::string& itemName, const std::shared_ptr<View>& elementView) {
  const std::string trigger = settings.contains("trigger") ? AnimationSteps::getValueString(settings["trigger"]) : "";
  if (!AnimationSteps::hasTrigger(settings)) {
    AnimationHistory(host_).saveAnimationState(item, itemName, settings, itemAnimation);
  }
  const std::int64_t options = AnimationSteps::convertStringTransitionToLong(
      settings.contains("transition") ? settings["transition"] : Value());
  const float speed = AnimationSteps::number(settings, "speed");
  const float wait = AnimationSteps::number(settings, "wait");
  const auto changes = [weak = host_.weakAnimationHost(), settings, trigger, wait, view = elementView] {
    const bool triggers = AnimationSteps::hasTrigger(settings);
    runAnimationWithStuff(settings, *view);
    const auto host = weak.lock();
    if (triggers && host) AnimationRunner(*host).queNextAnimation(host->animationElementView(trigger), wait);
  };
  const auto viewOptions = AnimationSteps::animationOptions(options);
  if (AnimationSteps::isViewTransition(options)) {
    View::transition(elementView, speed, viewOptions, changes, [](bool) {});
  } else {
    View::animate(speed, wait, viewOptions, changes, [](bool) {});
  }
}

void AnimationRunner::runAnimationWithStuff(const Value& settings, View& view) {
  view.setTransform(platform::graphics::AffineTransform::identity());
  double x = AnimationSteps::number(settings, "x");
  double y = AnimationSteps::number(settings, "y");
  double width = AnimationSteps::number(settings, "width");
  double height = AnimationSteps::number(settings, "height");
  const auto text = [&](const char* key) {
    return settings.contains(key) ? AnimationSteps::getValueString(settings[key]) : std::string();
  };
  const auto superview = view.superview();
  const platform::graphics::Rect parent = superview ? superview->frame() : platform::graphics::Rect{};
  if (foundation::contains(text("width"), "view_width")) width = parent.size.width;
  if (foundation::contains(text("height"), "view_height")) height = parent.size.height;
  if (foundation::contains(text("x"), "center")) x = parent.size.width * 0.5 - width * 0.5;
  if (foundation::contains(text("y"), "center")) y = parent.size.height * 0.5 - height * 0.5;
  view.setFrame({x, y, width, height});

  const double alpha = AnimationSteps::number(settings, "alpha");
  if (view.subviews().size() == 3 && isAppIcon(view)) {
    for (const auto& subview : view.subviews()) subview->setAlpha(alpha);
  } else {
    view.setAlpha(alpha);
  }

  const float rotate = AnimationSteps::number(settings, "rotate");
  const float scale = AnimationSteps::number(settings, "scale");
  if (rotate == 0 && scale == 0) return;
  view.setTransform(platform::graphics::AffineTransform::identity().scaledBy(scale, scale).rotatedBy(
      rotate * std::numbers::pi / 180));
}

void AnimationRunner::queNextAnimation(std::shared_ptr<View> view, float delay) {
  // A run for no view finds no element; nothing to queue.
  if (!view) return;
  const double seconds = static_cast<double>(static_cast<std::int64_t>(delay * 1'000'000'000.0F)) / 1e9;
  foundation::MainQueue::shared().postAfter(
      std::max(seconds, kMinimumQueueDelay), [weak = host_.weakAnimationHost(), view = std::move(view)] {
        if (auto host = weak.lock()) AnimationRunner(*host).handleAnimation(view);
      });
}

bool AnimationRunner::isAppIcon(const View& view) {
  const auto& subviews = view.subviews();
  for (std::size_t index = 0; index < 3 && index < subviews.size(); ++index) {
    if (subviews[index]->layer()->name() == "AppIconImageView") return true;
  }
  return false;
}

void AnimationRunner::setElementNowInfoToAnimationStuff(Value& settings, const View& view) {
  settings["alpha"] = AnimationSteps::storedNumber(view.alpha());
  const auto frame = view.transform().isIdentity() ? view.frame() : getFrameWithoutTransform(view);
  settings["x"] = AnimationSteps::storedNumber(frame.origin.x);
  settings["y"] = AnimationSteps::storedNumber(frame.origin.y);
  settings["width"] = AnimationSteps::storedNumber(frame.size.width);
  settings["height"] = AnimationSteps::storedNumber(frame.size.height);
  settings["rotate"] = AnimationSteps::storedNumber(0);
  settings["scale"] = AnimationSteps::storedNumber(1);
}

platform::graphics::Rect AnimationRunner::getFrameWithoutTransform(const View& view) {
  const auto bounds = view.bounds();
  const auto center = view.center();
  return {center.x - bounds.size.width * 0.5, center.y - bounds.size.height * 0.5, bounds.size.width,
          bounds.size.height};
}

}  // namespace vantile
