#include "controller/animation/AnimationSteps.h"

#include <array>
#include <utility>

#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"

namespace vantile {

using platform::Value;
namespace foundation = platform::foundation;

namespace {

// In the order they are tested: a value that begins with a name selects it, so "easeinout"
// must come before "easein".
constexpr std::array<std::pair<std::string_view, std::int64_t>, 11> kTransitions{{
    {"linear", AnimationSteps::kCurveLinear},
    {"easeinout", AnimationSteps::kCurveEaseInOut},
    {"easein", AnimationSteps::kCurveEaseIn},
    {"easeout", AnimationSteps::kCurveEaseOut},
    {"flipfromleft", AnimationSteps::kTransitionFlipFromLeft},
    {"flipfromright", AnimationSteps::kTransitionFlipFromRight},
    {"flipfromtop", AnimationSteps::kTransitionFlipFromTop},
    {"flipfrombottom", AnimationSteps::kTransitionFlipFromBottom},
    {"curlup", AnimationSteps::kTransitionCurlUp},
    {"curldown", AnimationSteps::kTransitionCurlDown},
    {"crossdisolve", AnimationSteps::kTransitionCrossDissolve},
}};

}  // namespace

std::string AnimationSteps::cleanAnimationString(std::string_view step) {
  std::string cleaned = foundation::replacingOccurrences(step, "{", "");
  cleaned = foundation::replacingOccurrences(cleaned, "}", "");
  return foundation::replacingOccurrences(cleaned, " ", "");
}

Value AnimationSteps::storedNumber(double number) { return Value(static_cast<double>(static_cast<float>(number))); }

Value AnimationSteps::setAnimationDictionaryDefaults() {
  Value settings = Value::object();
  for (const char* key : {"x", "y", "width", "height", "wait"}) settings[key] = storedNumber(0);
  settings["speed"] = storedNumber(0.2);
  settings["scale"] = storedNumber(1.0);
  settings["rotate"] = storedNumber(0);
  settings["alpha"] = storedNumber(1.0);
  settings["transition"] = kCurveLinear;
  settings["toggle"] = false;
  settings["trigger"] = "";
  return settings;
}

void AnimationSteps::setElementAnimationInfo(std::string_view cleanedStep, Value& settings) {
  if (!settings.is_object()) return;
  for (const std::string_view piece : foundation::components(cleanedStep, ",")) {
    const auto parts = foundation::components(piece, ":");
    if (parts.size() < 2) continue;
    settings[std::string(parts[0])] = std::string(parts[1]);
  }
}

std::int64_t AnimationSteps::convertStringTransitionToLong(const Value& transition) {
  std::string text = "transition:";
  text.append(getValueString(transition));
  for (const auto& [name, options] : kTransitions) {
    std::string wanted = "transition:";
    wanted.append(name);
    if (foundation::contains(text, wanted)) return options;
  }
  return kCurveLinear;
}

bool AnimationSteps::isViewTransition(std::int64_t options) {
  return options >= kTransitionFlipFromLeft && options <= kTransitionFlipFromBottom && options % (1 << 20) == 0;
}

platform::ui::ViewAnimationOptions AnimationSteps::animationOptions(std::int64_t options) {
  using platform::ui::ViewTransition;
  platform::ui::ViewAnimationOptions result;
  switch (options) {
    case kCurveEaseIn:
      result.curve = platform::ui::ViewAnimationOptions::Curve::easeIn;
      break;
    case kCurveEaseOut:
      result.curve = platform::ui::ViewAnimationOptions::Curve::easeOut;
      break;
    case kCurveLinear:
      result.curve = platform::ui::ViewAnimationOptions::Curve::linear;
      break;
    case kTransitionFlipFromLeft:
      result.transition = ViewTransition::flipFromLeft;
      break;
    case kTransitionFlipFromRight:
      result.transition = ViewTransition::flipFromRight;
      break;
    case kTransitionCurlUp:
      result.transition = ViewTransition::curlUp;
      break;
    case kTransitionCurlDown:
      result.transition = ViewTransition::curlDown;
      break;
    case kTransitionCrossDissolve:
      result.transition = ViewTransition::crossDissolve;
      break;
    case kTransitionFlipFromTop:
      result.transition = ViewTransition::flipFromTop;
      break;
    case kTransitionFlipFromBottom:
      result.transition = ViewTransition::flipFromBottom;
      break;
    default:
      break;
  }
  return result;
}

bool AnimationSteps::hasTrigger(const Value& settings) {
  if (!settings.is_object() || !settings.contains("trigger")) return true;
  return getValueString(settings["trigger"]) != "";
}

std::string AnimationSteps::getValueString(const Value& value) { return foundation::description(value); }

float AnimationSteps::number(const Value& settings, std::string_view key) {
  if (!settings.is_object()) return 0;
  const auto found = settings.find(std::string(key));
  return found == settings.end() ? 0.0F : foundation::floatValue(*found);
}

}  // namespace vantile
