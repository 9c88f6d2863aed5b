#include "editor/pad/PadReadOut.h"

#include <string_view>
#include <utility>
#include <vector>

#include "platform/foundation/locale/LocalizedText.h"
#include "platform/foundation/values/Conversions.h"

namespace vantile {

namespace {

using platform::Value;

std::string printed(const Value& dictionary, std::string_view key) {
  if (!dictionary.is_object()) return {};
  const auto found = dictionary.find(key);
  return found == dictionary.end() ? std::string() : platform::foundation::description(*found);
}

// Each entry after its label, joined as "%@ W:%@" joins them; the first label takes no blank
// unless `leadingBlank`.
std::string labelled(const Value& dictionary, const std::vector<std::pair<std::string_view, std::string_view>>& entries,
                     bool leadingBlank) {
  std::string text;
  bool first = true;
  for (const auto& [label, key] : entries) {
    if (!first || leadingBlank) text += ' ';
    first = false;
    text.append(label).append(":").append(printed(dictionary, key));
  }
  return text;
}

std::string captioned(std::string_view key, const Value& dictionary) {
  return platform::foundation::capitalizedFirstCharacter(key) + ": " + printed(dictionary, key);
}

}  // namespace

std::string padReadOut(const PadAddress& address, const Value& element) {
  const std::string& style = address.style;
  const Value styleValue = element.is_object() ? element.value(style, Value()) : Value();
  if (style == "frame") {
    return labelled(styleValue, {{"X", "x"}, {"Y", "y"}, {"W", "width"}, {"H", "height"}}, false);
  }
  if (style == "contentSize") return labelled(styleValue, {{"W", "width"}, {"H", "height"}}, true);
  if (style == "initialOffset") return labelled(styleValue, {{"X", "x"}, {"Y", "y"}}, true);
  if (style == "textShadow" || style == "boxShadow") return captioned(address.subKey, styleValue);
  return captioned(address.subKey, element);
}

}  // namespace vantile
