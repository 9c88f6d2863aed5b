#include "platform/foundation/values/Conversions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

namespace platform::foundation {
namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();

// ---------------------------------------------------------------------------------------------
// Integers of strings

struct IntegerCase {
  std::string_view text;
  std::int32_t int32;
  std::int64_t int64;
};

class StringIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(StringIntegerTest, ReadsLikeNSString) {
  const IntegerCase& c = GetParam();
  EXPECT_EQ(intValue(c.text), c.int32) << '"' << c.text << '"';
  EXPECT_EQ(integerValue(c.text), c.int64) << '"' << c.text << '"';
  EXPECT_EQ(intValue(Value(std::string(c.text))), c.int32) << '"' << c.text << '"';
  EXPECT_EQ(integerValue(Value(std::string(c.text))), c.int64) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringIntegerTest,
    ::testing::Values(IntegerCase{"", 0, 0}, IntegerCase{"0", 0, 0}, IntegerCase{"42", 42, 42},
                      IntegerCase{"1-2", 1, 1}, IntegerCase{"-", 0, 0}, IntegerCase{"+", 0, 0},
                      IntegerCase{"  42abc", 42, 42}, IntegerCase{"--5", 0, 0}, IntegerCase{"+-5", 0, 0},
                      IntegerCase{"+7", 7, 7}, IntegerCase{"-7", -7, -7}, IntegerCase{"007", 7, 7},
                      IntegerCase{"12.9", 12, 12}, IntegerCase{"-12.9", -12, -12}, IntegerCase{"1e3", 1, 1},
                      IntegerCase{"0x1F", 0, 0}, IntegerCase{"abc", 0, 0}, IntegerCase{"- 5", 0, 0},
                      IntegerCase{" \t\n\r\v\f-13x", -13, -13}, IntegerCase{"\xC2\xA0" "5", 0, 0},
                      IntegerCase{"99999999999", kInt32Max, 99999999999LL},
                      IntegerCase{"-99999999999", kInt32Min, -99999999999LL},
                      IntegerCase{"2147483647", kInt32Max, 2147483647LL},
                      IntegerCase{"2147483648", kInt32Max, 2147483648LL},
                      IntegerCase{"-2147483648", kInt32Min, -2147483648LL},
                      IntegerCase{"-2147483649", kInt32Min, -2147483649LL},
                      IntegerCase{"9223372036854775807", kInt32Max, kInt64Max},
                      IntegerCase{"9223372036854775808", kInt32Max, kInt64Max},
                      IntegerCase{"-9223372036854775808", kInt32Min, kInt64Min},
                      IntegerCase{"-9223372036854775809", kInt32Min, kInt64Min},
                      IntegerCase{"123456789012345678901234567890", kInt32Max, kInt64Max},
                      IntegerCase{"-123456789012345678901234567890", kInt32Min, kInt64Min},
                      IntegerCase{"00000000000000000000000000000000001", 1, 1}));

// ---------------------------------------------------------------------------------------------
// Reals of strings

struct RealCase {
  std::string_view text;
  double expected;
};

class StringRealTest : public ::testing::TestWithParam<RealCase> {};

TEST_P(StringRealTest, ReadsLeadingDecimalNumber) {
  const RealCase& c = GetParam();
  const double value = doubleValue(c.text);
  if (std::isinf(c.expected)) {
    EXPECT_EQ(value, c.expected) << '"' << c.text << '"';
    EXPECT_EQ(value, c.expected > 0 ? HUGE_VAL : -HUGE_VAL);
  } else {
    EXPECT_DOUBLE_EQ(value, c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(doubleValue(Value(std::string(c.text))), value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringRealTest,
    ::testing::Values(RealCase{"", 0}, RealCase{"0", 0}, RealCase{"0.6", 0.6}, RealCase{"20", 20},
                      RealCase{"  -2.5xyz", -2.5}, RealCase{"+3.25", 3.25}, RealCase{".5", 0.5},
                      RealCase{"-.5", -0.5}, RealCase{"5.", 5}, RealCase{".", 0}, RealCase{"-.", 0},
                      RealCase{".e5", 0}, RealCase{"1e3", 1000}, RealCase{"1E3", 1000}, RealCase{"1e+3", 1000},
                      RealCase{"2.5e-3", 0.0025}, RealCase{"1e", 1}, RealCase{"1e+", 1}, RealCase{"1e-x", 1},
                      RealCase{"1.5.5", 1.5}, RealCase{"265.00000010", 265.0000001}, RealCase{"inf", 0},
                      RealCase{"-infinity", 0}, RealCase{"nan", 0}, RealCase{"0x1p3", 0}, RealCase{"--1", 0},
                      RealCase{"\t\n 7", 7}, RealCase{"1e400", HUGE_VAL}, RealCase{"-1e400", -HUGE_VAL},
                      RealCase{"1e-400", 0}, RealCase{"-1e-400", 0}, RealCase{"0e999999999999", 0},
                      RealCase{"1e99999999999999999999", HUGE_VAL}, RealCase{"0.000001e999999999", HUGE_VAL},
                      RealCase{"1,5", 1}, RealCase{"375", 375}, RealCase{"4e-320", 4e-320} /* subnormal */,
                      RealCase{"1.7976931348623157e308", 1.7976931348623157e308},
                      RealCase{"1.7976931348623159e308", HUGE_VAL} /* rounds past the largest double */));

TEST(Conversions, RealParsingIgnoresTheCLocale) {
  // A decimal comma locale must change nothing (the parser never consults the C locale).
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
  }
  EXPECT_DOUBLE_EQ(doubleValue("2.5"), 2.5);
  EXPECT_EQ(formatFixed(2.5), "2.500000");
  EXPECT_EQ(description(Value(0.5)), "0.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Conversions, NegativeZeroAndUnderflowKeepTheirSign) {
  EXPECT_TRUE(std::signbit(doubleValue("-0")));
  EXPECT_TRUE(std::signbit(doubleValue("-1e-400")));
  EXPECT_FALSE(std::signbit(doubleValue("1e-400")));
}

TEST(Conversions, FloatValueOfStrings) {
  EXPECT_FLOAT_EQ(floatValue("0.6"), 0.6f);
  EXPECT_FLOAT_EQ(floatValue(" -12.25e1 "), -122.5f);
  EXPECT_EQ(floatValue("abc"), 0.0f);
  EXPECT_EQ(floatValue("1e39"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(floatValue("-1e39"), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(floatValue("1e-50"), 0.0f);
  EXPECT_EQ(floatValue("1e300"), HUGE_VALF);
  EXPECT_EQ(floatValue(Value("1e39")), HUGE_VALF);
}

// ---------------------------------------------------------------------------------------------
// Booleans of strings

struct BoolCase {
  std::string_view text;
  bool expected;
};

class StringBoolTest : public ::testing::TestWithParam<BoolCase> {};

TEST_P(StringBoolTest, ReadsLikeNSString) {
  const BoolCase& c = GetParam();
  EXPECT_EQ(boolValue(c.text), c.expected) << '"' << c.text << '"';
  EXPECT_EQ(boolValue(Value(std::string(c.text))), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringBoolTest,
    ::testing::Values(BoolCase{"YES", true}, BoolCase{"NO", false}, BoolCase{"true", true},
                      BoolCase{"false", false}, BoolCase{"True", true}, BoolCase{"yes", true},
                      BoolCase{"y", true}, BoolCase{" y", true}, BoolCase{"t", true}, BoolCase{"0", false},
                      BoolCase{"1", true}, BoolCase{"9", true}, BoolCase{"00012", true}, BoolCase{"000", false},
                      BoolCase{"-0", false}, BoolCase{"+0", false}, BoolCase{"-1", true}, BoolCase{"+00t", true},
                      BoolCase{"--1", false}, BoolCase{"", false}, BoolCase{"   ", false}, BoolCase{"0.6", false},
                      BoolCase{"0x1", false}, BoolCase{"on", false}, BoolCase{"\n\tYES", true},
                      BoolCase{"- 1", false}, BoolCase{"xyes", false}));

// ---------------------------------------------------------------------------------------------
// Numbers, booleans and the rest as JSON values

struct ValueCase {
  const char* json;
  std::int32_t int32;
  std::int64_t int64;
  double real;
  bool boolean;
};

class ValueReadingTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueReadingTest, ReadsLikeNSNumber) {
  const ValueCase& c = GetParam();
  const Value value = Value::parse(c.json);
  EXPECT_EQ(intValue(value), c.int32) << c.json;
  EXPECT_EQ(integerValue(value), c.int64) << c.json;
  EXPECT_DOUBLE_EQ(doubleValue(value), c.real) << c.json;
  EXPECT_FLOAT_EQ(floatValue(value), static_cast<float>(c.real)) << c.json;
  EXPECT_EQ(boolValue(value), c.boolean) << c.json;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueReadingTest,
    ::testing::Values(ValueCase{"0", 0, 0, 0, false}, ValueCase{"20", 20, 20, 20, true},
                      ValueCase{"-20", -20, -20, -20, true}, ValueCase{"2.9", 2, 2, 2.9, true},
                      ValueCase{"-2.9", -2, -2, -2.9, true}, ValueCase{"0.6", 0, 0, 0.6, false},
                      ValueCase{"-0.6", 0, 0, -0.6, false}, ValueCase{"1e10", kInt32Max, 10000000000LL, 1e10, true},
                      ValueCase{"-1e10", kInt32Min, -10000000000LL, -1e10, true},
                      ValueCase{"1e30", kInt32Max, kInt64Max, 1e30, true},
                      ValueCase{"-1e30", kInt32Min, kInt64Min, -1e30, true},
                      ValueCase{"4294967296", kInt32Max, 4294967296LL, 4294967296.0, true},
                      ValueCase{"-4294967296", kInt32Min, -4294967296LL, -4294967296.0, true},
                      ValueCase{"18446744073709551615", kInt32Max, kInt64Max, 18446744073709551615.0, true},
                      ValueCase{"-9223372036854775808", kInt32Min, kInt64Min, -9223372036854775808.0, true},
                      ValueCase{"true", 1, 1, 1, true}, ValueCase{"false", 0, 0, 0, false},
                      ValueCase{"null", 0, 0, 0, false}, ValueCase{"[1, 2]", 0, 0, 0, false},
                      ValueCase{"{\"a\": 1}", 0, 0, 0, false}, ValueCase{"\"12.5\"", 12, 12, 12.5, true},
                      ValueCase{"\"YES\"", 0, 0, 0, true}));

TEST(Conversions, NonFiniteRealValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(intValue(Value(nan)), 0);
  EXPECT_EQ(integerValue(Value(nan)), 0);
  EXPECT_FALSE(boolValue(Value(nan)));
  EXPECT_EQ(intValue(Value(inf)), kInt32Max);
  EXPECT_EQ(intValue(Value(-inf)), kInt32Min);
  EXPECT_EQ(integerValue(Value(inf)), kInt64Max);
  EXPECT_EQ(integerValue(Value(-inf)), kInt64Min);
  EXPECT_EQ(floatValue(Value(1e300)), std::numeric_limits<float>::infinity());
  EXPECT_EQ(floatValue(Value(-1e300)), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(floatValue(Value(static_cast<double>(std::numeric_limits<float>::max()))),
            std::numeric_limits<float>::max());
  EXPECT_TRUE(std::isnan(floatValue(Value(nan))));
}

TEST(Conversions, IntegerBoundaries) {
  EXPECT_EQ(integerValue(Value(9223372036854775807LL)), kInt64Max);
  EXPECT_EQ(integerValue(Value(9223372036854775807ULL)), kInt64Max);
  EXPECT_EQ(integerValue(Value(9223372036854775808ULL)), kInt64Max);
  EXPECT_EQ(intValue(Value(2147483647)), kInt32Max);
  EXPECT_EQ(intValue(Value(2147483648LL)), kInt32Max);
  EXPECT_EQ(intValue(Value(-2147483648LL)), kInt32Min);
  EXPECT_EQ(intValue(Value(-2147483649LL)), kInt32Min);
  EXPECT_EQ(intValue(Value(2147483647.9)), kInt32Max);
  EXPECT_EQ(intValue(Value(-2147483648.9)), kInt32Min);
  EXPECT_EQ(intValue(Value(2147483648.0)), kInt32Max);
  EXPECT_EQ(integerValue(Value(9223372036854775808.0)), kInt64Max);
  EXPECT_EQ(integerValue(Value(-9223372036854775808.0)), kInt64Min);
}

// ---------------------------------------------------------------------------------------------
// Descriptions

struct DescriptionCase {
  Value value;
  std::string_view expected;
};

class DescriptionTest : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(DescriptionTest, PrintsLikePercentAt) {
  const DescriptionCase& c = GetParam();
  EXPECT_EQ(description(c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DescriptionTest,
    ::testing::Values(DescriptionCase{Value("hello"), "hello"}, DescriptionCase{Value(""), ""},
                      DescriptionCase{Value("say \"hi\""), "say \"hi\""}, DescriptionCase{Value(20), "20"},
                      DescriptionCase{Value(-7), "-7"}, DescriptionCase{Value(kInt64Min), "-9223372036854775808"},
                      DescriptionCase{Value(18446744073709551615ULL), "18446744073709551615"},
                      DescriptionCase{Value(12.0), "12"}, DescriptionCase{Value(0.5), "0.5"},
                      DescriptionCase{Value(-3.25), "-3.25"}, DescriptionCase{Value(0.1), "0.1"},
                      DescriptionCase{Value(0.6), "0.6"}, DescriptionCase{Value(1.0 / 3.0), "0.3333333333333333"},
                      DescriptionCase{Value(265.0000001), "265.0000001"}, DescriptionCase{Value(-0.0), "-0"},
                      DescriptionCase{Value(1e21), "1e+21"}, DescriptionCase{Value(true), "1"},
                      DescriptionCase{Value(false), "0"}, DescriptionCase{Value(nullptr), "<null>"},
                      DescriptionCase{Value::parse("[1, \"a\", null]"), "[1,\"a\",null]"},
                      DescriptionCase{Value::parse("{\"b\": 1, \"a\": [true]}"), "{\"b\":1,\"a\":[true]}"},
                      DescriptionCase{Value::array(), "[]"}, DescriptionCase{Value::object(), "{}"}));

TEST(Conversions, DescriptionOfInvalidUtf8InsideAContainerDoesNotThrow) {
  Value array = Value::array();
  array.push_back(std::string("\xff"));
  EXPECT_NO_THROW(description(array));
  EXPECT_EQ(description(Value(std::string("\xff"))), "\xff");
}

// ---------------------------------------------------------------------------------------------
// %f

struct FixedCase {
  double number;
  std::string_view expected;
};

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, PrintsLikePercentF) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(formatFixed(c.number), c.expected);
  char printed[512];
  std::snprintf(printed, sizeof printed, "%f", c.number);  // the reference, in the "C" locale
  EXPECT_EQ(formatFixed(c.number), printed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatFixedTest,
    ::testing::Values(FixedCase{375, "375.000000"}, FixedCase{-2.5, "-2.500000"}, FixedCase{0, "0.000000"},
                      FixedCase{-0.0, "-0.000000"}, FixedCase{0.1, "0.100000"}, FixedCase{1.0 / 3.0, "0.333333"},
                      FixedCase{2.0 / 3.0, "0.666667"}, FixedCase{0.0000005, "0.000000"},
                      FixedCase{0.0000015, "0.000002"}, FixedCase{1e-7, "0.000000"},
                      FixedCase{123456789.123456789, "123456789.123457"},
                      FixedCase{1e20, "100000000000000000000.000000"},
                      FixedCase{std::numeric_limits<double>::infinity(), "inf"},
                      FixedCase{-std::numeric_limits<double>::infinity(), "-inf"}));

TEST(Conversions, FormatFixedOfTheLargestDouble) {
  const double largest = std::numeric_limits<double>::max();
  char printed[512];
  std::snprintf(printed, sizeof printed, "%f", largest);
  EXPECT_EQ(formatFixed(largest), printed);
  EXPECT_EQ(formatFixed(-largest), std::string("-") + printed);
}

}  // namespace
}  // namespace platform::foundation
