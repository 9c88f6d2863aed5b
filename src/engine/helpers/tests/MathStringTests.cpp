#include <gtest/gtest.h>

#include "engine/helpers/VantileHelpers.h"

namespace vantile {
namespace {

struct MathCase {
  const char* text;
  std::int32_t expected;
  bool logs;
};

class MathString : public ::testing::TestWithParam<MathCase> {};

TEST_P(MathString, EvaluatesToATruncatedInteger) {
  const auto& mathCase = GetParam();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(VantileHelpers::doMathWithString(mathCase.text), mathCase.expected) << mathCase.text;
  const auto logged = ::testing::internal::GetCapturedStderr();
  if (mathCase.logs) {
    EXPECT_NE(logged.find("Math expression error: "), std::string::npos) << logged;
    EXPECT_NE(logged.find(" for string: "), std::string::npos) << logged;
  } else {
    EXPECT_EQ(logged, "") << mathCase.text;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, MathString,
                         ::testing::Values(MathCase{"math()", 0, false}, MathCase{"math(   )", 0, false},
                                           MathCase{"math((1+2)*3)", 9, false}, MathCase{"math(5)+10", 15, false},
                                           MathCase{"10+math(5)", 15, false}, MathCase{"math(7/2)", 3, false},
                                           MathCase{"math(-7/2)", -3, false},
                                           MathCase{"math(265.00000010)", 265, false},
                                           MathCase{"math(1e12)", 2147483647, false}, MathCase{"42", 42, false},
                                           MathCase{"math(1/0)", 0, true}, MathCase{"math(2*)", 0, true},
                                           MathCase{"math(sqrt(4))", 0, true}, MathCase{"math((1+2)", 0, true}));

TEST(MathStringLogLine, NamesTheExpressionWithoutItsWrapper) {
  ::testing::internal::CaptureStderr();
  VantileHelpers::doMathWithString("math(1/0)");
  const auto logged = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(logged.find(" for string: 1/0"), std::string::npos) << logged;
}

}  // namespace
}  // namespace vantile
