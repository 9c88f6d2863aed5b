#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "editor/pad/PadDirections.h"

namespace vantile {
namespace {

using platform::Value;

TEST(PadDirections, ChoosesTheEntryAndTheSignForEachStyleAndArrow) {
  struct Case {
    const char* reference;
    std::optional<PadChange> change;
  };
  const Case cases[] = {
      // Frames opened from a position move: y grows downwards, x to the right.
      {"up~y~frame", PadChange{"y", -1}},
      {"down~y~frame", PadChange{"y", 1}},
      {"left~x~frame", PadChange{"x", -1}},
      {"right~x~frame", PadChange{"x", 1}},
      {"up~x~frame", PadChange{"y", -1}},
      // Frames opened from a size resize: height grows upwards, width to the right.
      {"up~height~frame", PadChange{"height", 1}},
      {"down~height~frame", PadChange{"height", -1}},
      {"left~height~frame", PadChange{"width", -1}},
      {"right~width~frame", PadChange{"width", 1}},
      {"up~width~frame", PadChange{"height", 1}},
      {"up~anything~contentSize", PadChange{"height", 1}},
      {"left~anything~contentSize", PadChange{"width", -1}},
      {"down~anything~initialOffset", PadChange{"y", 1}},
      {"right~anything~initialOffset", PadChange{"x", 1}},
      {"up~x~textShadow", PadChange{"x", 1}},
      {"down~radius~boxShadow", PadChange{"radius", -1}},
      {"up~fontSize~fontSize", PadChange{std::nullopt, 1}},
      {"down~cornerRadius~cornerRadius", PadChange{std::nullopt, -1}},
      // Arrows those pads do not show.
      {"left~x~textShadow", std::nullopt},
      {"right~fontSize~fontSize", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto reference = ArrowReference::parse(c.reference);
    ASSERT_TRUE(reference) << c.reference;
    EXPECT_EQ(padChangeFor(*reference), c.change) << c.reference;
  }
}

TEST(PadDirections, StepsFollowTheSelectorAndLeaveOtherIndicesAlone) {
  EXPECT_EQ(padStepTitles(), (std::vector<std::string>{"1px", "5px", "10px", "20px", "50px", "100px"}));
  const int expected[] = {1, 5, 10, 20, 50, 100};
  for (int index = 0; index < 6; ++index) EXPECT_EQ(padStepForSegment(index), expected[index]) << index;
  EXPECT_FALSE(padStepForSegment(-1));
  EXPECT_FALSE(padStepForSegment(6));
}

TEST(PadDirections, StepsTheWholeNumberPrefixOfTheStoredValue) {
  struct Case {
    Value stored;
    std::int64_t delta;
    const char* expected;
  };
  const Case cases[] = {
      {"20", 10, "30"},
      {"12", -20, "-8"},
      {" 7px", 1, "8"},
      {"12.9", 1, "13"},
      {"-3", -2, "-5"},
      {"center", 5, "5"},
      {"math(10+5)", -1, "-1"},
      {"", 1, "1"},
      {Value(), 1, "1"},
      {Value(40), 5, "45"},
      {Value(2.7), 1, "3"},
      {"2147483647", 1, "2147483647"},
      {"-2147483648", -100, "-2147483648"},
  };
  for (const Case& c : cases) EXPECT_EQ(steppedValue(c.stored, c.delta), c.expected) << c.stored.dump();
}

}  // namespace
}  // namespace vantile
