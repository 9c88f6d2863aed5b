#include <gtest/gtest.h>

#include "controller/styling/LayoutGeometry.h"
#include "controller/tests/StylingFixture.h"
#include "platform/ui/views/View.h"

namespace vantile::layout {
namespace {

using platform::graphics::Rect;
using platform::graphics::Size;

TEST(EvenSpacingLayout, SharesTheSpareWidthEquallyAndCentresVertically) {
  const auto frames = evenSpacingFrames(3, {50, 20}, {0, 0, 300, 100});
  ASSERT_EQ(frames.size(), 3U);
  EXPECT_EQ(frames[0], Rect(37.5, 40, 50, 20));
  EXPECT_EQ(frames[1], Rect(125, 40, 50, 20));
  EXPECT_EQ(frames[2], Rect(212.5, 40, 50, 20));
}

TEST(EvenSpacingLayout, OverlapsMembersThatDoNotFit) {
  const auto frames = evenSpacingFrames(2, {100, 10}, {0, 0, 150, 10});
  ASSERT_EQ(frames.size(), 2U);
  EXPECT_DOUBLE_EQ(frames[0].x(), -50.0 / 3);
  EXPECT_LT(frames[1].x(), frames[0].maxX());
}

struct GridShapeCase {
  const char* name;
  std::size_t count;
  Size member;
  Rect frame;
  GridShape expected;
};

class GridShapeChoice : public ::testing::TestWithParam<GridShapeCase> {};

TEST_P(GridShapeChoice, PicksTheTightestFitWithFewerColumnsOnTies) {
  const GridShapeCase& c = GetParam();
  EXPECT_EQ(gridShapeFor(c.count, c.member, c.frame), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridShapeChoice,
    ::testing::Values(
        // Scores: one column 230, two 300, three 230, four 230: the first wins the tie.
        GridShapeCase{"FourInASquareStayInOneColumn", 4, {60, 60}, {0, 0, 300, 300}, {4, 1}},
        // Too high for one column; two columns (score 80) and three (80) tie, the fewer win.
        GridShapeCase{"SixInANarrowBoxTakeTwoColumns", 6, {60, 60}, {0, 0, 220, 230}, {3, 2}},
        GridShapeCase{"NothingFitsGivesOneColumn", 5, {500, 500}, {0, 0, 300, 300}, {5, 1}},
        GridShapeCase{"OneMemberIsOneCell", 1, {60, 60}, {0, 0, 100, 100}, {1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridLayout, PlacesFourSquaresInOneCentredColumnWithTheMinimumGapDown) {
  const auto frames = gridFrames(4, {60, 60}, {0, 0, 300, 300});
  ASSERT_EQ(frames.size(), 4U);
  EXPECT_EQ(frames[0], Rect(120, 20, 60, 60));
  EXPECT_EQ(frames[1], Rect(120, 90, 60, 60));
  EXPECT_EQ(frames[2], Rect(120, 160, 60, 60));
  EXPECT_EQ(frames[3], Rect(120, 230, 60, 60));
}

TEST(GridLayout, FillsRowsLeftToRight) {
  // Four columns of two rows in 300 by 200: gaps of 10 across (the minimum), (180 - 120) / 3 = 20 down.
  const auto frames = gridFrames(5, {60, 60}, {0, 0, 300, 200});
  ASSERT_EQ(frames.size(), 5U);
  EXPECT_EQ(frames[0], Rect(20, 30, 60, 60));
  EXPECT_EQ(frames[3], Rect(230, 30, 60, 60));
  EXPECT_EQ(frames[4], Rect(20, 110, 60, 60));
}

TEST(GridLayout, OverflowsInOneColumnWithMinimumGapsWhenNothingFits) {
  const auto frames = gridFrames(3, {500, 500}, {0, 0, 300, 300});
  ASSERT_EQ(frames.size(), 3U);
  EXPECT_EQ(frames[0], Rect(20, 20, 500, 500));
  EXPECT_EQ(frames[1], Rect(20, 530, 500, 500));
  EXPECT_EQ(frames[2], Rect(20, 1040, 500, 500));
}

using ContainerAutoLayout = StylingFixture;

platform::Value row(const char* type, const char* layout) {
  const platform::Value member = {{"type", "UIView"},
                                  {"frame", {{"x", "0"}, {"y", "0"}, {"width", "50"}, {"height", "20"}}}};
  return {{"type", type},
          {"autoLayout", layout},
          {"frame", {{"x", "0"}, {"y", "0"}, {"width", "300"}, {"height", "100"}}},
          {"children", {{"a", member}, {"b", member}, {"c", member}}}};
}

TEST_F(ContainerAutoLayout, SpacesAUIViewsChildrenEvenlyInTheirFileOrder) {
  load({{"row", row("UIView", "evenSpacing")}});
  EXPECT_EQ(view("a")->frame(), Rect(37.5, 40, 50, 20));
  EXPECT_EQ(view("b")->frame(), Rect(125, 40, 50, 20));
  EXPECT_EQ(view("c")->frame(), Rect(212.5, 40, 50, 20));
}

TEST_F(ContainerAutoLayout, LeavesOtherContainerTypesAndUnknownLayoutsAlone) {
  for (const auto& [type, layout] : {std::pair{"GlassView", "evenSpacing"}, std::pair{"ScrollView", "grid"},
                                     std::pair{"UIView", "columns"}, std::pair{"UIView", "none"}}) {
    SCOPED_TRACE(std::string(type) + " " + layout);
    load({{"row", row(type, layout)}});
    ASSERT_TRUE(view("b"));
    EXPECT_EQ(view("b")->frame(), Rect(0, 0, 50, 20));
  }
}

// Both screens have a container named "row": each screen's pass lays out its own.
TEST_F(ContainerAutoLayout, LaysOutTheContainerOfTheScreenBeingStyled) {
  load({{"row", row("UIView", "evenSpacing")}});
  const platform::Value wide = {{"type", "UIView"},
                                {"frame", {{"x", "0"}, {"y", "0"}, {"width", "60"}, {"height", "20"}}}};
  const platform::Value home = {
      {"PresetView",
       {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "667"}}},
        {"children",
         {{"row",
           {{"type", "UIView"},
            {"autoLayout", "evenSpacing"},
            {"frame", {{"x", "0"}, {"y", "0"}, {"width", "300"}, {"height", "100"}}},
            {"children", {{"left", wide}, {"right", wide}}}}}}}}}};
  const std::string homePath = "/var/mobile/Library/Vantile/themes/home.json";
  root().writeFile(homePath, home.dump());
  controller->createViewFromTheme(homePath, "homescreen");

  // (300 - 2 × 60) / 3 = 60 apart, (100 - 20) / 2 = 40 down.
  EXPECT_EQ(controller->getElDict("left", "homescreen").view->frame(), Rect(60, 40, 60, 20));
  EXPECT_EQ(controller->getElDict("right", "homescreen").view->frame(), Rect(180, 40, 60, 20));
  EXPECT_EQ(view("a")->frame(), Rect(37.5, 40, 50, 20));
  EXPECT_EQ(view("c")->frame(), Rect(212.5, 40, 50, 20));
}

}  // namespace
}  // namespace vantile::layout
