#include "platform/ui/layers/KeyValueCoding.h"

#include <cmath>
#include <limits>

#include "platform/foundation/values/Conversions.h"

namespace platform::ui::keyvalue {

namespace {

std::string_view kindName(const KeyValue& value) {
  switch (value.index()) {
    case 0:
      return "nil";
    case 1:
    case 2:
      return "a number";
    case 3:
      return "a boolean";
    case 4:
      return "a string";
    default:
      return "a colour";
  }
}

std::int64_t saturatedInteger(double number) {
  if (std::isnan(number)) return 0;
  constexpr double lowest = static_cast<double>(std::numeric_limits<std::int64_t>::min());
  constexpr double highest = static_cast<double>(std::numeric_limits<std::int64_t>::max());
  if (number <= lowest) return std::numeric_limits<std::int64_t>::min();
  if (number >= highest) return std::numeric_limits<std::int64_t>::max();
  return static_cast<std::int64_t>(number);
}

}  // namespace

std::optional<double> number(const KeyValue& value) {
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return static_cast<double>(*whole);
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? 1.0 : 0.0;
  if (const auto* string = std::get_if<std::string>(&value)) return foundation::doubleValue(*string);
  return std::nullopt;
}

std::optional<std::int64_t> integer(const KeyValue& value) {
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return *whole;
  if (const auto* string = std::get_if<std::string>(&value)) return foundation::integerValue(*string);
  if (const auto real = number(value)) return saturatedInteger(*real);
  return std::nullopt;
}

std::optional<bool> boolean(const KeyValue& value) {
  if (const auto* string = std::get_if<std::string>(&value)) return foundation::boolValue(*string);
  if (const auto real = number(value)) return *real != 0;
  return std::nullopt;
}

std::optional<std::string> text(const KeyValue& value) {
  if (std::holds_alternative<std::monostate>(value)) return std::string();
  if (const auto* string = std::get_if<std::string>(&value)) return *string;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return std::to_string(*whole);
  if (const auto* real = std::get_if<double>(&value)) return foundation::description(*real);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "1" : "0";
  return std::nullopt;
}

std::optional<std::optional<graphics::Color>> color(const KeyValue& value) {
  if (std::holds_alternative<std::monostate>(value)) return std::optional<graphics::Color>();
  if (const auto* colour = std::get_if<graphics::Color>(&value)) return std::optional(*colour);
  return std::nullopt;
}

KeyValueFailure wrongKind(std::string_view key, const KeyValue& value) {
  return {std::string(kindName(value)) + " is not a valid value for the key \"" + std::string(key) + "\""};
}

}  // namespace platform::ui::keyvalue
