#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/selection/FrameWriteBack.h"
#include "editor/selection/SnapArithmetic.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::graphics::Point;

TEST(SnapArithmeticTest, GridRoundingTakesHalvesAwayFromZeroAndNeverWritesMinusZero) {
  struct Case {
    double value;
    double rounded;
    const char* text;
  };
  const Case cases[] = {
      {12.5, 15, "15"}, {-12.5, -15, "-15"}, {12.4, 10, "10"}, {2.5, 5, "5"},     {-2.5, -5, "-5"},
      {-1, 0, "0"},     {0, 0, "0"},         {7.49, 5, "5"},   {140, 140, "140"},
  };
  for (const Case& test : cases) {
    const double rounded = SnapArithmetic::roundToGrid(test.value);
    EXPECT_EQ(rounded, test.rounded) << test.value;
    EXPECT_EQ(SnapArithmetic::wholeNumberText(rounded), test.text) << test.value;
  }
}

TEST(SnapArithmeticTest, EachAxisWithinTheDistanceOfTheCentreTakesItTheDistanceIncluded) {
  const Point centre{100, 200};
  struct Case {
    Point proposed;
    double distance;
    Point snapped;
  };
  const Case cases[] = {
      {{90, 210}, 10, {100, 200}},       {{89.9, 210.1}, 10, {89.9, 210.1}}, {{110, 150}, 10, {100, 150}},
      {{102.5, 197.5}, 2.5, {100, 200}}, {{102.6, 0}, 2.5, {102.6, 0}},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(SnapArithmetic::snapToCenter(test.proposed, centre, test.distance), test.snapped)
        << test.proposed.x << ", " << test.proposed.y;
  }
}

TEST(SnapArithmeticTest, LengthsStayAtLeastTenAndReleasedOnesLandOnTheGrid) {
  EXPECT_EQ(SnapArithmetic::draggedLength(100, -33), 67);
  EXPECT_EQ(SnapArithmetic::draggedLength(20, -15), 10);
  EXPECT_EQ(SnapArithmetic::releasedLength(67), 65);
  EXPECT_EQ(SnapArithmetic::releasedLength(112.5), 115);
  EXPECT_EQ(SnapArithmetic::releasedLength(11), 10);
  EXPECT_EQ(SnapArithmetic::releasedLength(-40), 10);
}

Value frame(const char* x, const char* y) { return {{"x", x}, {"y", y}, {"width", "50"}, {"height", "20"}}; }

TEST(FrameWriteBackTest, TheEntriesGoIntoTheFrameOfTheElementAtItsPathAtAnyDepth) {
  Value inner = {{"type", "UILabel"}, {"text", "hi"}, {"frame", frame("1", "2")}};
  Value box = {{"type", "UIView"}, {"frame", frame("3", "4")}, {"children", {{"Inner", inner}}}};
  const Value theme = {{"PresetView", {{"children", {{"Box", box}}}, {"order", {"Box"}}}}};
  const std::vector<std::string> path = {"PresetView", "children", "Box", "children", "Inner"};

  const std::optional<Value> edited = themeWithFrameEntries(theme, path, {{"x", "40"}, {"y", "center"}});
  ASSERT_TRUE(edited.has_value());
  Value expected = theme;
  expected["PresetView"]["children"]["Box"]["children"]["Inner"]["frame"]["x"] = "40";
  expected["PresetView"]["children"]["Box"]["children"]["Inner"]["frame"]["y"] = "center";
  EXPECT_EQ(*edited, expected);
  EXPECT_EQ(theme["PresetView"]["children"]["Box"]["children"]["Inner"]["frame"]["x"], "1") << "the theme is copied";

  const std::vector<std::string> top = {"PresetView", "children", "Box"};
  EXPECT_EQ((*themeWithFrameEntries(theme, top, {{"width", "65"}}))["PresetView"]["children"]["Box"]["frame"],
            (Value{{"x", "3"}, {"y", "4"}, {"width", "65"}, {"height", "20"}}));
}

TEST(FrameWriteBackTest, AMissingElementOrFrameWritesNothing) {
  const Value theme = {{"PresetView",
                        {{"children",
                          {{"NoFrame", {{"type", "UILabel"}}},
                           {"OddFrame", {{"type", "UILabel"}, {"frame", "0,0,10,10"}}},
                           {"List", Value::array({1})}}}}}};
  const std::vector<std::vector<std::string>> paths = {
      {"PresetView", "children", "NoFrame"},
      {"PresetView", "children", "OddFrame"},
      {"PresetView", "children", "Gone"},
      {"PresetView", "children", "List", "children", "X"},
      {},
  };
  for (const auto& path : paths) {
    EXPECT_FALSE(themeWithFrameEntries(theme, path, {{"x", "5"}}).has_value()) << path.size();
  }
}

}  // namespace
}  // namespace vantile::testing
