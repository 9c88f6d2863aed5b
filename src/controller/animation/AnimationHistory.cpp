#include "controller/animation/AnimationHistory.h"

#include "controller/animation/AnimationHost.h"
#include "controller/animation/AnimationSteps.h"
#include "controller/animation/AnimationTargets.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;
namespace foundation = platform::foundation;

namespace {

constexpr const char* kDetails = "AnimationDetails";

std::string historyKey(const std::string& item, const std::string& itemName, const char* suffix) {
  std::string key = item;
  key.append("_").append(itemName).append("_").append(suffix);
  return key;
}

float themeNumber(const std::optional<Value>& value, float fallback) {
  return value ? foundation::floatValue(*value) : fallback;
}

bool namesFrame(std::string_view step) {
  for (const char* key : {"x:", "y:", "width:", "height:"}) {
    if (foundation::contains(step, key)) return true;
  }
  return false;
}

std::string recorded(const Value& history, const std::string& key) {
  const auto found = history.find(key);
  return found == history.end() ? std::string() : foundation::description(*found);
}

}  // namespace

void AnimationHistory::saveAnimationState(const std::string& item, const std::string& itemName, Value& settings,
                                          const std::string& itemAnimation) {
  const std::string frameKey = historyKey(item, itemName, "defaultFrame");
  const std::string alphaKey = historyKey(item, itemName, "defaultAlpha");
  const std::string scaleKey = historyKey(item, itemName, "defaultScale");
  const std::string rotateKey = historyKey(item, itemName, "defaultRotate");
  const std::string happenedKey = historyKey(item, itemName, "animationHappened");

  Value history = Value::object();
  Value& state = host_.animationState();
  if (state.is_object() && state.contains(kDetails) && state[kDetails].is_object()) history = state[kDetails];

  const Value* children = host_.animationPresetChildren();
  const auto frame = AnimationTargets::getElementObjectFromString(item, "frame", children);
  const float alpha = themeNumber(AnimationTargets::getElementObjectFromString(item, "alpha", children), 1.0F);
  const float scale = themeNumber(AnimationTargets::getElementObjectFromString(item, "scale", children), 1.0F);
  const float rotate = themeNumber(AnimationTargets::getElementObjectFromString(item, "rotate", children), 0.0F);

  const bool happened = history.contains(happenedKey) && recorded(history, happenedKey) == "YES";
  if (!happened) {
    if (namesFrame(itemAnimation)) history[frameKey] = frame.value_or(Value());
    if (foundation::contains(itemAnimation, "alpha:")) history[alphaKey] = foundation::formatFixed(alpha);
    if (foundation::contains(itemAnimation, "scale:")) history[scaleKey] = foundation::formatFixed(scale);
    if (foundation::contains(itemAnimation, "rotate:")) history[rotateKey] = foundation::formatFixed(rotate);
    history[happenedKey] = "YES";
  } else if (settings.is_object() && settings.contains("toggle") && foundation::boolValue(settings["toggle"])) {
    if (namesFrame(itemAnimation)) {
      platform::graphics::Rect reference = host_.animationRootBounds();
      if (const std::string parent = host_.animationParentName(item); parent != "PresetView") {
        const auto parentView = host_.animationElementView(parent);
        reference = parentView ? parentView->bounds() : platform::graphics::Rect{};
      }
      const Value recordedFrame = history.contains(frameKey) ? history[frameKey] : Value();
      const auto rect = VantileHelpers::getRect(recordedFrame, reference);
      settings["x"] = AnimationSteps::storedNumber(rect.origin.x);
      settings["y"] = AnimationSteps::storedNumber(rect.origin.y);
      settings["width"] = AnimationSteps::storedNumber(rect.size.width);
      settings["height"] = AnimationSteps::storedNumber(rect.size.height);
    }
    if (foundation::contains(itemAnimation, "alpha:")) {
      settings["alpha"] = AnimationSteps::storedNumber(foundation::floatValue(recorded(history, alphaKey)));
    }
    if (foundation::contains(itemAnimation, "scale:")) {
      settings["scale"] = AnimationSteps::storedNumber(foundation::floatValue(recorded(history, scaleKey)));
    }
    if (foundation::contains(itemAnimation, "rotate:")) {
      settings["rotate"] = AnimationSteps::storedNumber(foundation::floatValue(recorded(history, rotateKey)));
    }
    history[happenedKey] = "NO";
  } else {
    return;
  }
  Value stored = Value::object();
  stored[kDetails] = std::move(history);
  host_.animationState() = std::move(stored);
}

}  // namespace vantile
