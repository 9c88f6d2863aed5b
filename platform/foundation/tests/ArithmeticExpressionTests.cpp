#include "platform/foundation/values/ArithmeticExpression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <variant>

namespace platform::foundation {
namespace {

struct ValueCase {
  std::string_view text;
  double expected;
};

class ArithmeticValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ArithmeticValueTest, Evaluates) {
  const ValueCase& c = GetParam();
  const ExpressionResult result = evaluateArithmetic(c.text);
  ASSERT_TRUE(std::holds_alternative<double>(result))
      << '"' << c.text << "\": " << std::get<ExpressionError>(result).reason;
  EXPECT_DOUBLE_EQ(std::get<double>(result), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArithmeticValueTest,
    ::testing::Values(ValueCase{"1", 1}, ValueCase{"0", 0}, ValueCase{"(1+2)*3", 9}, ValueCase{"1+2*3", 7},
                      ValueCase{"5/2", 2.5}, ValueCase{"-(-3)", 3}, ValueCase{"265.00000010", 265.0000001},
                      ValueCase{"2.5", 2.5}, ValueCase{".5", 0.5}, ValueCase{"5.", 5}, ValueCase{"1e3", 1000},
                      ValueCase{"1E3", 1000}, ValueCase{"1e+3", 1000}, ValueCase{"2.5e-1", 0.25},
                      ValueCase{"10-4-3", 3}, ValueCase{"100/10/5", 2}, ValueCase{"2*3/4", 1.5},
                      ValueCase{"--5", 5}, ValueCase{"+5", 5}, ValueCase{"-+-5", 5}, ValueCase{"2*-3", -6},
                      ValueCase{"2--3", 5}, ValueCase{"-2*-2", 4}, ValueCase{"((((7))))", 7},
                      ValueCase{" \t( 1 +\n2 ) * 3 ", 9}, ValueCase{"1 + 2 * (3 - 4) / 8", 0.75},
                      ValueCase{"375*2/3", 250}, ValueCase{"0.1+0.2", 0.30000000000000004}));

struct ErrorCase {
  std::string_view text;
  std::string_view reasonContains;
};

class ArithmeticErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ArithmeticErrorTest, Fails) {
  const ErrorCase& c = GetParam();
  const ExpressionResult result = evaluateArithmetic(c.text);
  ASSERT_TRUE(std::holds_alternative<ExpressionError>(result))
      << '"' << c.text << "\" gave " << std::get<double>(result);
  const std::string& reason = std::get<ExpressionError>(result).reason;
  EXPECT_NE(reason.find(c.reasonContains), std::string::npos) << '"' << c.text << "\": " << reason;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArithmeticErrorTest,
    ::testing::Values(ErrorCase{"1/0", "division by zero"}, ErrorCase{"1/(2-2)", "division by zero"},
                      ErrorCase{"1/-0", "division by zero"}, ErrorCase{"0/0", "division by zero"},
                      ErrorCase{"2+", "expected a number at 2"}, ErrorCase{"2*", "expected a number at 2"},
                      ErrorCase{"abc", "expected a number at 0"}, ErrorCase{"", "empty"},
                      ErrorCase{"   ", "empty"}, ErrorCase{"1+2x", "unexpected character 'x' at 3"},
                      ErrorCase{"1 2", "unexpected character '2' at 2"}, ErrorCase{"(1+2", "missing ')'"},
                      ErrorCase{"((1)", "missing ')'"}, ErrorCase{"1)", "unexpected character ')' at 1"},
                      ErrorCase{"()", "expected a number at 1"}, ErrorCase{"-", "expected a number"},
                      ErrorCase{"1e", "unexpected character 'e' at 1"}, ErrorCase{".", "expected a number at 0"},
                      ErrorCase{"1..2", "unexpected character '.' at 2"}, ErrorCase{"2^3", "unexpected character '^'"},
                      ErrorCase{"1,5", "unexpected character ','"}, ErrorCase{"inf", "expected a number"},
                      ErrorCase{"nan", "expected a number"}, ErrorCase{"0x10", "unexpected character 'x'"},
                      ErrorCase{"1\x01", "unexpected character 0x01 at 1"}, ErrorCase{"1e999", "number too large"},
                      ErrorCase{"1e308*10", "result is not finite"}, ErrorCase{"-1e308-1e308", "not finite"},
                      ErrorCase{"1/(1e-300*1e-300)", "division by zero"},
                      ErrorCase{"1e308+1e308-1e308", "not finite"},
                      ErrorCase{"1e300/1e-300", "not finite"}));

TEST(ArithmeticExpression, UnderflowReadsZero) {
  const ExpressionResult result = evaluateArithmetic("1e-999 + 1");
  ASSERT_TRUE(std::holds_alternative<double>(result));
  EXPECT_EQ(std::get<double>(result), 1);
}

std::string nested(int depth, std::string_view inner = "1") {
  return std::string(static_cast<std::size_t>(depth), '(') + std::string(inner) +
         std::string(static_cast<std::size_t>(depth), ')');
}

TEST(ArithmeticExpression, NestingUpToTheLimitIsFine) {
  const ExpressionResult result = evaluateArithmetic(nested(kMaximumExpressionDepth));
  ASSERT_TRUE(std::holds_alternative<double>(result)) << std::get<ExpressionError>(result).reason;
  EXPECT_EQ(std::get<double>(result), 1);
  const ExpressionResult signs = evaluateArithmetic(std::string(kMaximumExpressionDepth, '-') + "1");
  ASSERT_TRUE(std::holds_alternative<double>(signs)) << std::get<ExpressionError>(signs).reason;
  EXPECT_EQ(std::get<double>(signs), 1);  // an even number of minus signs
}

TEST(ArithmeticExpression, NestingBeyondTheLimitIsAnError) {
  for (const std::string& text : {nested(kMaximumExpressionDepth + 1), nested(1000),
                                  std::string(kMaximumExpressionDepth + 1, '-') + "1",
                                  std::string(4000, '-') + "1", std::string(4000, '+') + "1",
                                  std::string(2000, '(') + std::string(2000, '-'), nested(40, std::string(40, '-') + "1"),
                                  nested(40, "1+" + nested(40))}) {
    const ExpressionResult result = evaluateArithmetic(text);
    ASSERT_TRUE(std::holds_alternative<ExpressionError>(result)) << text;
    EXPECT_EQ(std::get<ExpressionError>(result).reason, "expression nested too deeply") << text;
  }
}

TEST(ArithmeticExpression, SiblingsDoNotAddUpAsNesting) {
  std::string text = "0";
  for (int i = 0; i < 200; ++i) {
    text += "+((1))-(-1)";
  }
  const ExpressionResult result = evaluateArithmetic(text);
  ASSERT_TRUE(std::holds_alternative<double>(result)) << std::get<ExpressionError>(result).reason;
  EXPECT_EQ(std::get<double>(result), 400);
}

TEST(ArithmeticExpression, TenThousandNestedParenthesesAreAnErrorNotACrash) {
  const ExpressionResult result = evaluateArithmetic(nested(10000));
  ASSERT_TRUE(std::holds_alternative<ExpressionError>(result));
  EXPECT_FALSE(std::get<ExpressionError>(result).reason.empty());
  const ExpressionResult unbalanced = evaluateArithmetic(std::string(10000, '('));
  ASSERT_TRUE(std::holds_alternative<ExpressionError>(unbalanced));
}

TEST(ArithmeticExpression, LengthLimit) {
  std::string longest = "1";
  while (longest.size() + 2 <= kMaximumExpressionLength) {
    longest += "+1";
  }
  ASSERT_LE(longest.size(), kMaximumExpressionLength);
  const ExpressionResult fits = evaluateArithmetic(longest);
  ASSERT_TRUE(std::holds_alternative<double>(fits)) << std::get<ExpressionError>(fits).reason;
  EXPECT_EQ(std::get<double>(fits), static_cast<double>((longest.size() + 1) / 2));

  const ExpressionResult tooLong = evaluateArithmetic(std::string(kMaximumExpressionLength + 1, '1'));
  ASSERT_TRUE(std::holds_alternative<ExpressionError>(tooLong));
  EXPECT_NE(std::get<ExpressionError>(tooLong).reason.find("expression too long"), std::string::npos);
}

TEST(ArithmeticExpression, ResultsAreExactDoubleArithmetic) {
  EXPECT_EQ(std::get<double>(evaluateArithmetic("1/3")), 1.0 / 3.0);
  EXPECT_EQ(std::get<double>(evaluateArithmetic("0.1*3")), 0.1 * 3);
  EXPECT_TRUE(std::signbit(std::get<double>(evaluateArithmetic("-0"))));
}

TEST(ArithmeticExpression, TextWithEmbeddedNulIsRejected) {
  const std::string text("1+1\0" "2", 5);
  EXPECT_TRUE(std::holds_alternative<ExpressionError>(evaluateArithmetic(text)));
}

}  // namespace
}  // namespace platform::foundation
