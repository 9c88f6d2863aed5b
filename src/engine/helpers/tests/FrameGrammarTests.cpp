#include <gtest/gtest.h>

#include "engine/helpers/VantileHelpers.h"

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Rect;

const Rect kScreen(0, 0, 375, 812);

struct FrameCase {
  const char* name;
  Value frame;
  Rect expected;
};

void PrintTo(const FrameCase& frameCase, std::ostream* out) { *out << frameCase.name; }

class FrameGrammar : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameGrammar, ResolvesAgainstTheScreen) {
  const auto& frameCase = GetParam();
  EXPECT_EQ(VantileHelpers::getRect(frameCase.frame, kScreen), frameCase.expected) << frameCase.frame.dump();
}

Value frame(const char* x, const char* y, const char* width, const char* height) {
  return Value{{"x", x}, {"y", y}, {"width", width}, {"height", height}};
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameGrammar,
    ::testing::Values(
        FrameCase{"centre and bottom edge", frame("center", "FB~20", "100", "50"), Rect(137, 742, 100, 50)},
        FrameCase{"right edge", frame("FR~10", "0", "100", "50"), Rect(265, 0, 100, 50)},
        FrameCase{"right edge inside math", frame("math(FR~10)", "0", "100", "50"), Rect(265, 0, 100, 50)},
        FrameCase{"centre inside math", frame("math(center+10)", "0", "100", "50"), Rect(147, 0, 100, 50)},
        FrameCase{"bottom edge inside math", frame("0", "math(FB~12)", "100", "50"), Rect(0, 750, 100, 50)},
        FrameCase{"size token in math", frame("0", "0", "math(screen_width/2)", "50"), Rect(0, 0, 187, 50)},
        FrameCase{"view tokens mean the reference too", frame("0", "0", "math(view_width-75)", "math(view_height/4)"),
                  Rect(0, 0, 300, 203)},
        FrameCase{"empty frame", Value::object(), Rect(0, 0, 375, 812)},
        FrameCase{"empty width is zero", frame("0", "0", "", "50"), Rect(0, 0, 0, 50)},
        FrameCase{"decimal width is the full size", frame("0", "0", "12.5", "50"), Rect(0, 0, 375, 50)},
        FrameCase{"bare size token is the full size", frame("0", "0", "screen_width", "50"), Rect(0, 0, 375, 50)},
        FrameCase{"decimal x truncates", frame("12.5", "0", "10", "10"), Rect(12, 0, 10, 10)},
        FrameCase{"negative x", frame("-5", "-7", "10", "10"), Rect(-5, -7, 10, 10)},
        FrameCase{"leading integer of digits and minus", frame("1-2", "0", "3-4", "10"), Rect(1, 0, 3, 10)},
        FrameCase{"odd width centres on the integer half", frame("center", "center", "101", "51"),
                  Rect(137, 381, 101, 51)},
        FrameCase{"bottom marker is not special for x", frame("FB~20", "FR~20", "10", "10"), Rect(0, 0, 10, 10)},
        FrameCase{"edge marker without distance counts zero", frame("FR", "FB", "100", "50"), Rect(275, 762, 100, 50)},
        FrameCase{"other text reads its leading number", frame("  42px", "abc", "10", "10"), Rect(42, 0, 10, 10)},
        FrameCase{"faulty math gives zero", frame("math(1/0)", "math(2+)", "math(abc)", "10"), Rect(0, 0, 0, 10)},
        FrameCase{"huge values saturate", frame("99999999999", "-1e300", "10", "10"),
                  Rect(2147483647, -2147483648.0, 10, 10)}));

TEST(FrameGrammarOutsideTheFormat, ReadsJsonNumbersAsTheirValues) {
  const Value numbers = {{"x", 12.9}, {"y", -3}, {"width", 100}, {"height", 50.5}};
  EXPECT_EQ(VantileHelpers::getRect(numbers, kScreen), Rect(12, -3, 100, 50));
}

TEST(FrameGrammarOutsideTheFormat, ReadsAnythingButADictionaryAsAnEmptyFrame) {
  for (const Value& notAFrame : {Value(), Value("center"), Value::array({1, 2, 3, 4}), Value(true)}) {
    EXPECT_EQ(VantileHelpers::getRect(notAFrame, kScreen), Rect(0, 0, 375, 812)) << notAFrame.dump();
  }
}

TEST(FrameGrammarOutsideTheFormat, ReadsOtherValueKindsAsMissingKeys) {
  const Value odd = {{"x", Value::array()}, {"y", nullptr}, {"width", true}, {"height", Value::object()}};
  EXPECT_EQ(VantileHelpers::getRect(odd, kScreen), Rect(0, 0, 375, 812));
}

TEST(FrameGrammarOutsideTheFormat, UsesOnlyTheReferenceSizeNeverItsOrigin) {
  EXPECT_EQ(VantileHelpers::getRect(frame("center", "FB~0", "100", "50"), Rect(40, 60, 200, 100)),
            Rect(50, 50, 100, 50));
}

TEST(SizeTokenReplacement, ReplacesInKeysAndValuesWithSixDecimals) {
  const Value replaced = VantileHelpers::replaceScreenHeightScreenWidth(
      Value{{"x", "screen_width-view_height"}, {"screen_height", "math(view_width)"}, {"n", 3}}, kScreen);
  EXPECT_EQ(replaced, (Value{{"x", "375.000000-812.000000"}, {"812.000000", "math(375.000000)"}, {"n", 3}}));
}

}  // namespace
}  // namespace vantile
