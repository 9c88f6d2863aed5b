#pragma once

// Internal to platform/foundation (not part of its interface): the decimal-number scanner that
// Conversions and ArithmeticExpression share, so both read "2.5e3" the same way.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

namespace platform::foundation::detail {

struct DecimalSpan {
  // Characters taken: digits [. digits] [(e|E) [sign] digits]; 0 when the text does not start
  // with a number (at least one mantissa digit is needed: ".5" and "5." are numbers, "." is not).
  std::size_t length = 0;
  // Whether the magnitude is at least 10, judged from its first significant digit and exponent:
  // tells overflow from underflow when the parser reports a value out of range.
  bool aboveOne = false;
};

inline bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Scans an unsigned decimal number at the start of `text`. The exponent is taken only when at
// least one digit follows the 'e' and its optional sign.
inline DecimalSpan scanUnsignedDecimal(std::string_view text) {
  DecimalSpan span;
  std::size_t index = 0;
  std::size_t integerDigits = 0;
  std::size_t significantIntegerDigits = 0;
  for (; index < text.size() && isDecimalDigit(text[index]); ++index) {
    ++integerDigits;
    if (significantIntegerDigits > 0 || text[index] != '0') {
      ++significantIntegerDigits;
    }
  }
  std::size_t fractionDigits = 0;
  std::size_t leadingFractionZeros = 0;
  bool fractionSignificant = false;
  if (index < text.size() && text[index] == '.') {
    for (++index; index < text.size() && isDecimalDigit(text[index]); ++index) {
      ++fractionDigits;
      if (!fractionSignificant) {
        if (text[index] == '0') {
          ++leadingFractionZeros;
        } else {
          fractionSignificant = true;
        }
      }
    }
  }
  if (integerDigits == 0 && fractionDigits == 0) {
    return span;
  }
  std::int64_t exponent = 0;
  if (index < text.size() && (text[index] == 'e' || text[index] == 'E')) {
    std::size_t exponentIndex = index + 1;
    bool exponentNegative = false;
    if (exponentIndex < text.size() && (text[exponentIndex] == '+' || text[exponentIndex] == '-')) {
      exponentNegative = text[exponentIndex] == '-';
      ++exponentIndex;
    }
    if (exponentIndex < text.size() && isDecimalDigit(text[exponentIndex])) {
      for (; exponentIndex < text.size() && isDecimalDigit(text[exponentIndex]); ++exponentIndex) {
        if (exponent < 1'000'000'000) {  // far beyond any double; stops the sum from overflowing
          exponent = exponent * 10 + (text[exponentIndex] - '0');
        }
      }
      if (exponentNegative) {
        exponent = -exponent;
      }
      index = exponentIndex;
    }
  }
  span.length = index;
  std::int64_t order = 0;  // decimal order of magnitude of the first significant digit
  if (significantIntegerDigits > 0) {
    order = static_cast<std::int64_t>(significantIntegerDigits) - 1 + exponent;
  } else if (fractionSignificant) {
    order = -static_cast<std::int64_t>(leadingFractionZeros) - 1 + exponent;
  } else {
    order = -1;  // zero
  }
  span.aboveOne = order > 0;
  return span;
}

// Reads a span found by scanUnsignedDecimal, locale-independently. Out of range gives infinity
// (overflow) or 0 (underflow).
template <typename Real>
Real readUnsignedDecimal(std::string_view text, const DecimalSpan& span) {
  Real value = 0;
  const char* first = text.data();
  const char* last = first + span.length;
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    return span.aboveOne ? std::numeric_limits<Real>::infinity() : Real(0);
  }
  if (result.ec != std::errc()) {
    return Real(0);
  }
  return value;
}

}  // namespace platform::foundation::detail
