#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"
#include "platform/ui/animation/ViewAnimationOptions.h"

namespace vantile {

// The step strings of an element's "animation" value and the settings a step plays with: a
// dictionary of numbers (defaults and a view's current state) and strings (parsed pieces).
class AnimationSteps {
 public:
  // The options values of the platform's curves and transitions.
  static constexpr std::int64_t kCurveEaseInOut = 0;
  static constexpr std::int64_t kCurveEaseIn = 1 << 16;
  static constexpr std::int64_t kCurveEaseOut = 2 << 16;
  static constexpr std::int64_t kCurveLinear = 3 << 16;
  static constexpr std::int64_t kTransitionFlipFromLeft = 1 << 20;
  static constexpr std::int64_t kTransitionFlipFromRight = 2 << 20;
  static constexpr std::int64_t kTransitionCurlUp = 3 << 20;
  static constexpr std::int64_t kTransitionCurlDown = 4 << 20;
  static constexpr std::int64_t kTransitionCrossDissolve = 5 << 20;
  static constexpr std::int64_t kTransitionFlipFromTop = 6 << 20;
  static constexpr std::int64_t kTransitionFlipFromBottom = 7 << 20;

  // Without "{", "}" and " ".
  static std::string cleanAnimationString(std::string_view step);
  static platform::Value setAnimationDictionaryDefaults();
  // Every "key:value" piece of the cleaned step, as strings; pieces without ":" are skipped.
  static void setElementAnimationInfo(std::string_view cleanedStep, platform::Value& settings);
  // The options value the "transition" setting names; the linear curve for anything else.
  static std::int64_t convertStringTransitionToLong(const platform::Value& transition);
  static bool isViewTransition(std::int64_t options);
  static platform::ui::ViewAnimationOptions animationOptions(std::int64_t options);
  // YES unless "trigger" is exactly "" (also without a "trigger" entry).
  static bool hasTrigger(const platform::Value& settings);
  static std::string getValueString(const platform::Value& value);
  // A setting as a single-precision number, strings by the leading-number conversion.
  static float number(const platform::Value& settings, std::string_view key);
  static platform::Value storedNumber(double number);
};

}  // namespace vantile
