#pragma once

#include "platform/foundation/values/Value.h"

#include <cstdint>
#include <string>
#include <string_view>

// Foundation's readings of strings and numbers, in one place. Element descriptions hold
// almost everything as text ("20", "0.6", "YES"), and every reader must agree on them.
namespace platform::foundation {

// NSString semantics: leading white space skipped, optional sign, leading digits; text that
// does not start with a number reads 0; out-of-range values saturate.
std::int32_t intValue(std::string_view text);
std::int64_t integerValue(std::string_view text);
// Leading decimal number (digits, optional fraction, optional exponent); 0 when there is none;
// overflow gives +/-HUGE_VAL.
float floatValue(std::string_view text);
double doubleValue(std::string_view text);
// YES when, after white space and an optional sign followed by zeros, the text starts with
// "Y", "y", "T", "t" or a digit 1-9.
bool boolValue(std::string_view text);

// Strings would otherwise be ambiguous between the text and the JSON readings.
inline std::int32_t intValue(const std::string& text) { return intValue(std::string_view(text)); }
inline std::int64_t integerValue(const std::string& text) { return integerValue(std::string_view(text)); }
inline float floatValue(const std::string& text) { return floatValue(std::string_view(text)); }
inline double doubleValue(const std::string& text) { return doubleValue(std::string_view(text)); }
inline bool boolValue(const std::string& text) { return boolValue(std::string_view(text)); }
inline std::int32_t intValue(const char* text) { return intValue(std::string_view(text)); }
inline std::int64_t integerValue(const char* text) { return integerValue(std::string_view(text)); }
inline float floatValue(const char* text) { return floatValue(std::string_view(text)); }
inline double doubleValue(const char* text) { return doubleValue(std::string_view(text)); }
inline bool boolValue(const char* text) { return boolValue(std::string_view(text)); }

// The same readings of a JSON value: strings as above, numbers as NSNumber converts them
// (truncated toward zero, saturated), booleans as 1 / 0, anything else as 0 / NO.
std::int32_t intValue(const Value& value);
std::int64_t integerValue(const Value& value);
float floatValue(const Value& value);
double doubleValue(const Value& value);
bool boolValue(const Value& value);

// What "%@" prints: a string as itself, a whole number without decimals, a real number in its
// shortest exact form ("0.5", "12"), a boolean as "1" / "0", null as "<null>", containers as JSON.
std::string description(const Value& value);

// What "%f" prints: six decimals.
std::string formatFixed(double number);

}  // namespace platform::foundation
