#include "engine/helpers/VantileHelpers.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/LogFile.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/ArithmeticExpression.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/graphics/FontRegistry.h"
#include "platform/graphics/TextMeasurement.h"

namespace vantile {

namespace {

using platform::Value;
namespace foundation = platform::foundation;

constexpr std::string_view kLogFile = "/var/mobile/Media/Downloads/vantile.log";
constexpr std::string_view kAssetsFolder = "var/mobile/Library/VantileAssets/";

// Deeper documents are hostile or broken; refusing them keeps every recursive walker safe.
constexpr int kMaximumJSONDepth = 512;

bool nestsDeeperThan(std::string_view json, int limit) {
  int depth = 0;
  bool inString = false;
  bool escaped = false;
  for (const char character : json) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (character == '\\') {
        escaped = true;
      } else if (character == '"') {
        inString = false;
      }
    } else if (character == '"') {
      inString = true;
    } else if (character == '[' || character == '{') {
      if (++depth > limit) {
        return true;
      }
    } else if (character == ']' || character == '}') {
      --depth;
    }
  }
  return false;
}

std::int32_t saturatedInt32(double value) {
  constexpr double lowest = std::numeric_limits<std::int32_t>::min();
  constexpr double highest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::trunc(std::clamp(value, lowest, highest)));
}

}  // namespace

std::optional<Value> VantileHelpers::JSONFromFile(std::string_view systemPath) {
  const auto contents = foundation::readFile(foundation::devicePath(systemPath));
  if (!contents) {
    return std::nullopt;
  }
  if (nestsDeeperThan(*contents, kMaximumJSONDepth)) {
    foundation::systemLog("JSON file nested too deeply: " + std::string(systemPath));
    return std::nullopt;
  }
  std::optional<Value> parsed = foundation::parseValue(*contents);
  if (!parsed || !(parsed->is_object() || parsed->is_array())) {
    foundation::systemLog("Not a JSON dictionary or array: " + std::string(systemPath));
    return std::nullopt;
  }
  return parsed;
}

void VantileHelpers::writeToLog(std::string message) {
  foundation::MainQueue::shared().post([message = std::move(message)] {
    foundation::appendLogEntry(foundation::devicePath(kLogFile), "\nLog:" + message);
  });
}

std::optional<std::string> VantileHelpers::loadFontAndReturnFontName(std::string_view fileName) {
  const auto file = foundation::devicePath(std::string(kAssetsFolder) + std::string(fileName));
  return platform::graphics::FontRegistry::shared().registerFontFile(file);
}

std::optional<platform::graphics::Color> VantileHelpers::uiColorFromString(std::string_view text) {
  if (!foundation::contains(text, "rgb")) {
    return std::nullopt;
  }
  const auto parts = foundation::components(text, ",");
  const auto opening = parts.front().find('(');
  if (parts.size() < 4 || opening == std::string_view::npos) {
    return std::nullopt;
  }
  const float red = foundation::floatValue(parts[0].substr(opening + 1));
  const float green = foundation::floatValue(parts[1]);
  const float blue = foundation::floatValue(parts[2]);
  const float alpha = foundation::floatValue(foundation::replacingOccurrences(parts[3], ")", ""));
  return platform::graphics::Color{red / 255.0f, green / 255.0f, blue / 255.0f, alpha};
}

double VantileHelpers::fontSizeFromHeight(double height) {
  constexpr double referenceSize = 12;
  const double referenceHeight =
      platform::graphics::measureText("TestString", platform::graphics::systemFont(referenceSize)).height;
  if (referenceHeight <= 0) {
    return std::ceil(static_cast<float>(height));
  }
  return std::ceil(static_cast<float>(referenceSize / referenceHeight * height));
}

std::int32_t VantileHelpers::doMathWithString(std::string_view text) {
  std::string expression;
  if (text.starts_with("math(") && text.ends_with(")")) {
    expression = std::string(text.substr(5, text.size() - 6));
  } else {
    expression = foundation::replacingOccurrences(foundation::replacingOccurrences(text, "math(", ""), ")", "");
  }
  if (foundation::trimmingWhiteSpace(expression).empty()) {
    return 0;
  }
  const auto result = foundation::evaluateArithmetic(expression);
  if (const auto* error = std::get_if<foundation::ExpressionError>(&result)) {
    foundation::systemLog("Math expression error: " + error->reason + " for string: " + expression);
    return 0;
  }
  return saturatedInt32(std::get<double>(result));
}

}  // namespace vantile
