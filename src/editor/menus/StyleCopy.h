#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace vantile {

// Copying a style value, or one field of a dictionary-valued style, from one element to another;
// pure, on values.
namespace StyleCopy {

// "frame~x" → {"frame", "x"}; a plain style key has no field.
struct StyleAddress {
  std::string style;
  std::string field;
};
StyleAddress split(std::string_view styleAddress);

// A stored value as text: a dictionary as its JSON text, a text as it is.
std::string valueText(const platform::Value& value);

// The copy menu's second column for one element's value of the style: the field when it is one
// the menu shows ("x", "y", "width", "height", "radius", "color"; "" when the element lacks it),
// else the whole value.
std::string valueColumn(const platform::Value& value, std::string_view field);

// The target's dictionary with the field taken from the source's (either may be its JSON text);
// nothing when the target has no such dictionary or the source no such field.
std::optional<platform::Value> withCopiedField(const platform::Value& target, const platform::Value& source,
                                               const std::string& field);

}  // namespace StyleCopy

}  // namespace vantile
