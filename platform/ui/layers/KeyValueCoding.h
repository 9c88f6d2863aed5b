#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/graphics/Color.h"

namespace platform::ui {

// What key-value coding hands a property: nothing (nil), a whole number, a real number, a
// boolean, text or a colour.
using KeyValue = std::variant<std::monostate, std::int64_t, double, bool, std::string, graphics::Color>;

// Why a value could not be set, as the platform's exception would describe it.
struct KeyValueFailure {
  std::string description;
};

// Setting a property by its name, with the platform's coercions: a number or boolean
// property takes numbers, booleans and text (read as Foundation reads text); a text property
// takes text and numbers (their "%@" form) and nil (empty); a colour property takes colours
// and nil (none). Any other kind fails and leaves the property as it was.
namespace keyvalue {

std::optional<double> number(const KeyValue& value);
std::optional<std::int64_t> integer(const KeyValue& value);
std::optional<bool> boolean(const KeyValue& value);
std::optional<std::string> text(const KeyValue& value);
// The outer nothing: not a colour; the inner one: nil.
std::optional<std::optional<graphics::Color>> color(const KeyValue& value);

KeyValueFailure wrongKind(std::string_view key, const KeyValue& value);

// Converts with `read`, then hands the result to `set`; a failure when `read` gives nothing.
template <typename Read, typename Set>
std::optional<KeyValueFailure> apply(std::string_view key, const KeyValue& value, Read read, Set set) {
  auto converted = read(value);
  if (!converted) return wrongKind(key, value);
  set(*converted);
  return std::nullopt;
}

}  // namespace keyvalue

// The settable properties of one class by name.
template <typename Object>
using KeyValueSetters =
    std::map<std::string, std::optional<KeyValueFailure> (*)(Object&, std::string_view key, const KeyValue&),
             std::less<>>;

}  // namespace platform::ui
