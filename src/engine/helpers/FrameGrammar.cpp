// The frame half of VantileHelpers: size tokens and the frame value grammar.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Rect;
namespace foundation = platform::foundation;

// Frame results are 32-bit integers; values beyond that range saturate instead of wrapping.
std::int32_t truncatedToInt32(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  constexpr double lowest = std::numeric_limits<std::int32_t>::min();
  constexpr double highest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::trunc(std::clamp(value, lowest, highest)));
}

struct SizeTokens {
  std::string width;
  std::string height;

  explicit SizeTokens(const Rect& reference)
      : width(foundation::formatFixed(reference.width())), height(foundation::formatFixed(reference.height())) {}

  // Every token contains "_", so most values need no work at all.
  std::string replacedIn(std::string_view text) const {
    if (!foundation::contains(text, "_")) {
      return std::string(text);
    }
    auto result = foundation::replacingOccurrences(text, "screen_height", height);
    result = foundation::replacingOccurrences(result, "screen_width", width);
    result = foundation::replacingOccurrences(result, "view_width", width);
    return foundation::replacingOccurrences(result, "view_height", height);
  }
};

Value replacingTokens(const Value& value, const SizeTokens& tokens) {
  if (value.is_string()) {
    return tokens.replacedIn(value.get_ref<const std::string&>());
  }
  if (value.is_array()) {
    Value result = Value::array();
    for (const auto& element : value) {
      result.push_back(replacingTokens(element, tokens));
    }
    return result;
  }
  if (value.is_object()) {
    Value result = Value::object();
    for (const auto& [key, element] : value.items()) {
      result[tokens.replacedIn(key)] = replacingTokens(element, tokens);
    }
    return result;
  }
  return value;
}

bool holdsOnlyDigitsAndMinus(std::string_view text) {
  for (const char character : text) {
    if ((character < '0' || character > '9') && character != '-') {
      return false;
    }
  }
  return true;
}

// One frame value after token replacement: a string, a JSON number, or nothing usable.
struct FrameValue {
  std::optional<std::string> text;
  std::optional<double> number;

  static FrameValue of(const Value& frame, const char* key, const SizeTokens& tokens) {
    const auto found = frame.find(key);
    if (found == frame.end()) {
      return {};
    }
    if (found->is_string()) {
      return {tokens.replacedIn(found->get_ref<const std::string&>()), std::nullopt};
    }
    if (found->is_number()) {
      return {std::nullopt, found->get<double>()};
    }
    return {};
  }
};

std::int32_t resolveSize(const FrameValue& value, double referenceSize) {
  if (value.number) {
    return truncatedToInt32(*value.number);
  }
  if (value.text && holdsOnlyDigitsAndMinus(*value.text)) {
    return foundation::intValue(*value.text);
  }
  if (value.text && foundation::contains(*value.text, "math(")) {
    return VantileHelpers::doMathWithString(*value.text);
  }
  return truncatedToInt32(referenceSize);
}

// The distance n of "FR~n" / "FB~n"; a value without "~" has none and counts 0.
std::int32_t edgeDistance(std::string_view text) {
  const auto parts = foundation::components(text, "~");
  return parts.size() > 1 ? foundation::intValue(parts[1]) : 0;
}

// x or y. `edgeMarker` is "FR" (x) or "FB" (y); `size` is the already resolved width or height.
std::int32_t resolvePosition(const FrameValue& value, double referenceSize, std::int32_t size,
                             std::string_view edgeMarker) {
  if (value.number) {
    return truncatedToInt32(*value.number);
  }
  if (!value.text) {
    return 0;
  }
  const std::string& text = *value.text;
  if (holdsOnlyDigitsAndMinus(text)) {
    return foundation::intValue(text);
  }
  const double centred = referenceSize * 0.5 - static_cast<double>(size / 2);
  const auto fromFarEdge = [&] { return referenceSize - size - static_cast<double>(edgeDistance(text)); };
  const std::string edgeToken = std::string(edgeMarker) + "~";

  if (foundation::contains(text, "math(")) {
    std::string expression = text;
    if (foundation::contains(expression, "center")) {
      expression = foundation::replacingOccurrences(expression, "center", foundation::formatFixed(centred));
    }
    if (foundation::contains(expression, edgeToken)) {
      expression = foundation::replacingOccurrences(expression, edgeToken, foundation::formatFixed(fromFarEdge()));
    }
    return VantileHelpers::doMathWithString(expression);
  }
  if (text == "center") {
    return truncatedToInt32(centred);
  }
  if (foundation::contains(text, edgeMarker)) {
    return truncatedToInt32(fromFarEdge());
  }
  return truncatedToInt32(foundation::doubleValue(text));
}

}  // namespace

Value VantileHelpers::replaceScreenHeightScreenWidth(const Value& frame, const Rect& reference) {
  return replacingTokens(frame, SizeTokens(reference));
}

Rect VantileHelpers::getRect(const Value& frame, const Rect& reference) {
  static const Value emptyFrame = Value::object();
  const Value& dictionary = frame.is_object() ? frame : emptyFrame;
  const SizeTokens tokens(reference);

  const auto height = resolveSize(FrameValue::of(dictionary, "height", tokens), reference.height());
  const auto width = resolveSize(FrameValue::of(dictionary, "width", tokens), reference.width());
  const auto x = resolvePosition(FrameValue::of(dictionary, "x", tokens), reference.width(), width, "FR");
  const auto y = resolvePosition(FrameValue::of(dictionary, "y", tokens), reference.height(), height, "FB");
  return Rect(x, y, width, height);
}

}  // namespace vantile
