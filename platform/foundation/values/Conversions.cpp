#include "platform/foundation/values/Conversions.h"

#include "platform/foundation/values/DecimalNumber.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace platform::foundation {

namespace {

bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t skipWhiteSpace(std::string_view text) {
  std::size_t index = 0;
  while (index < text.size() && isWhiteSpace(text[index])) {
    ++index;
  }
  return index;
}

// Leading white space, optional sign, decimal digits; saturates at [minimum, maximum].
std::int64_t leadingInteger(std::string_view text, std::int64_t minimum, std::int64_t maximum) {
  std::size_t index = skipWhiteSpace(text);
  bool negative = false;
  if (index < text.size() && (text[index] == '+' || text[index] == '-')) {
    negative = text[index] == '-';
    ++index;
  }
  // Accumulate the magnitude as a non-positive number when negative, so the minimum fits.
  std::int64_t result = 0;
  for (; index < text.size() && detail::isDecimalDigit(text[index]); ++index) {
    const int digit = text[index] - '0';
    if (negative) {
      if (result < (minimum + digit) / 10) {
        return minimum;  // further digits only make it more negative
      }
      result = result * 10 - digit;
      if (result < minimum) {
        return minimum;
      }
    } else {
      if (result > (maximum - digit) / 10) {
        return maximum;
      }
      result = result * 10 + digit;
      if (result > maximum) {
        return maximum;
      }
    }
  }
  return result;
}

template <typename Real>
Real leadingReal(std::string_view text) {
  std::size_t index = skipWhiteSpace(text);
  bool negative = false;
  if (index < text.size() && (text[index] == '+' || text[index] == '-')) {
    negative = text[index] == '-';
    ++index;
  }
  const std::string_view rest = text.substr(index);
  const detail::DecimalSpan span = detail::scanUnsignedDecimal(rest);
  if (span.length == 0) {
    return Real(0);
  }
  const Real magnitude = detail::readUnsignedDecimal<Real>(rest, span);
  return negative ? -magnitude : magnitude;
}

template <typename Integer>
Integer truncateReal(double number) {
  if (std::isnan(number)) {
    return 0;
  }
  // Both bounds are powers of two, exactly representable as doubles.
  constexpr double upper = -static_cast<double>(std::numeric_limits<Integer>::min());  // 2^(bits-1)
  constexpr double lower = static_cast<double>(std::numeric_limits<Integer>::min());
  if (number >= upper) {
    return std::numeric_limits<Integer>::max();
  }
  if (number <= lower) {
    return std::numeric_limits<Integer>::min();
  }
  return static_cast<Integer>(number);  // truncates toward zero
}

template <typename Integer>
Integer integerOf(const Value& value) {
  using Limits = std::numeric_limits<Integer>;
  switch (value.type()) {
    case Value::value_t::string:
      return static_cast<Integer>(leadingInteger(value.get_ref<const std::string&>(), Limits::min(), Limits::max()));
    case Value::value_t::number_integer: {
      const auto number = value.get<std::int64_t>();
      if (number > static_cast<std::int64_t>(Limits::max())) {
        return Limits::max();
      }
      if (number < static_cast<std::int64_t>(Limits::min())) {
        return Limits::min();
      }
      return static_cast<Integer>(number);
    }
    case Value::value_t::number_unsigned: {
      const auto number = value.get<std::uint64_t>();
      if (number > static_cast<std::uint64_t>(Limits::max())) {
        return Limits::max();
      }
      return static_cast<Integer>(number);
    }
    case Value::value_t::number_float:
      return truncateReal<Integer>(value.get<double>());
    case Value::value_t::boolean:
      return value.get<bool>() ? 1 : 0;
    default:
      return 0;
  }
}

float narrowToFloat(double number) {
  // Beyond FLT_MAX plus half a unit in the last place, round-to-nearest gives infinity; the cast
  // itself would be undefined there.
  constexpr double roundsToInfinity = 0x1.ffffffp127;
  if (std::isfinite(number) && std::fabs(number) >= roundsToInfinity) {
    return number > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
  }
  return static_cast<float>(number);
}

}  // namespace

std::int32_t intValue(std::string_view text) {
  return static_cast<std::int32_t>(leadingInteger(text, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()));
}

std::int64_t integerValue(std::string_view text) {
  return leadingInteger(text, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
}

float floatValue(std::string_view text) { return leadingReal<float>(text); }

double doubleValue(std::string_view text) { return leadingReal<double>(text); }

bool boolValue(std::string_view text) {
  std::size_t index = skipWhiteSpace(text);
  if (index < text.size() && (text[index] == '+' || text[index] == '-')) {
    ++index;
  }
  while (index < text.size() && text[index] == '0') {
    ++index;
  }
  if (index >= text.size()) {
    return false;
  }
  const char c = text[index];
  return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

std::int32_t intValue(const Value& value) { return integerOf<std::int32_t>(value); }

std::int64_t integerValue(const Value& value) { return integerOf<std::int64_t>(value); }

double doubleValue(const Value& value) {
  switch (value.type()) {
    case Value::value_t::string:
      return doubleValue(value.get_ref<const std::string&>());
    case Value::value_t::number_integer:
      return static_cast<double>(value.get<std::int64_t>());
    case Value::value_t::number_unsigned:
      return static_cast<double>(value.get<std::uint64_t>());
    case Value::value_t::number_float:
      return value.get<double>();
    case Value::value_t::boolean:
      return value.get<bool>() ? 1.0 : 0.0;
    default:
      return 0.0;
  }
}

float floatValue(const Value& value) {
  switch (value.type()) {
    case Value::value_t::string:
      return floatValue(value.get_ref<const std::string&>());
    case Value::value_t::number_integer:
      return static_cast<float>(value.get<std::int64_t>());
    case Value::value_t::number_unsigned:
      return static_cast<float>(value.get<std::uint64_t>());
    case Value::value_t::number_float:
      return narrowToFloat(value.get<double>());
    case Value::value_t::boolean:
      return value.get<bool>() ? 1.0f : 0.0f;
    default:
      return 0.0f;
  }
}

bool boolValue(const Value& value) {
  switch (value.type()) {
    case Value::value_t::string:
      return boolValue(value.get_ref<const std::string&>());
    case Value::value_t::boolean:
      return value.get<bool>();
    case Value::value_t::number_integer:
    case Value::value_t::number_unsigned:
    case Value::value_t::number_float:
      // As the integer readings: a real number is truncated toward zero first (0.5 is NO).
      return integerValue(value) != 0;
    default:
      return false;
  }
}

std::string description(const Value& value) {
  switch (value.type()) {
    case Value::value_t::string:
      return value.get<std::string>();
    case Value::value_t::number_integer:
      return std::to_string(value.get<std::int64_t>());
    case Value::value_t::number_unsigned:
      return std::to_string(value.get<std::uint64_t>());
    case Value::value_t::number_float: {
      // Shortest round-trip form; whole numbers come out without ".0" ("12", "1e+20").
      char buffer[64];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, value.get<double>());
      return std::string(buffer, result.ptr);
    }
    case Value::value_t::boolean:
      return value.get<bool>() ? "1" : "0";
    case Value::value_t::null:
      return "<null>";
    default:
      // Containers (and anything else) as compact JSON; invalid UTF-8 is replaced, never thrown.
      return value.dump(-1, ' ', false, Value::error_handler_t::replace);
  }
}

std::string formatFixed(double number) {
  // The largest double has 309 integer digits; with the point and six decimals this fits.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

}  // namespace platform::foundation
