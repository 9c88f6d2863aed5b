#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The rules by which typed text becomes a stored style value; pure, no canvas.
namespace StyleValues {

// Styles whose value is a dictionary; only their text is read as JSON.
bool isDictionaryValuedStyle(std::string_view style);
bool isShadowStyle(std::string_view style);

struct Conversion {
  // Nothing when the text was refused.
  std::optional<platform::Value> value;
  // Why the text was refused.
  std::string error;
};

// Text holding "{" under a dictionary-valued style is parsed (fragments allowed); any other text
// is stored as it is, so label text such as "{time}" stays text.
Conversion valueForStyle(std::string_view style, const std::string& text);

// The element with the shadow's "color" replaced; nothing when the element has no shadow
// dictionary under that style.
std::optional<platform::Value> withShadowColor(const platform::Value& element, std::string_view shadowStyle,
                                               const std::string& color);

// The dictionary (an empty one when it is none) with the entry set to the text.
platform::Value withEntry(const platform::Value& dictionary, const std::string& key, const std::string& text);

// The names of a "childorder" text without every occurrence of the name, joined by ","; "none"
// when no name is left.
std::string childorderWithout(std::string_view childorder, std::string_view name);

}  // namespace StyleValues

}  // namespace vantile
