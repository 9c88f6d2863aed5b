#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "editor/canvas/CanvasGrid.h"
#include "editor/canvas/CanvasTags.h"
#include "editor/canvas/DisplayGlide.h"

namespace vantile {
namespace {

TEST(CanvasGrid, LinesOfA375PointRootStepOutwardFromTheCentreByFiveThenSix) {
  const CanvasGridLines lines = canvasGridLines(375, 812);
  ASSERT_EQ(lines.verticalX.size(), 120U);
  ASSERT_EQ(lines.horizontalY.size(), 200U);
  EXPECT_EQ(std::vector<int>(lines.verticalX.begin(), lines.verticalX.begin() + 8),
            (std::vector<int>{192, 182, 197, 177, 203, 171, 209, 165}));
  EXPECT_EQ(lines.centreX, 187);
  // 811 / 2 − 0.5 = 405.5, cut to 405; the lower line of each pair comes first.
  EXPECT_EQ(lines.centreY, 405);
  EXPECT_EQ(std::vector<int>(lines.horizontalY.begin(), lines.horizontalY.begin() + 4),
            (std::vector<int>{410, 400, 415, 395}));
  EXPECT_EQ(lines.width, 375);
  EXPECT_EQ(lines.height, 812);
}

TEST(CanvasGrid, PositionsLeftOfTheOriginAreCutTowardZero) {
  const CanvasGridLines lines = canvasGridLines(7.5, 7.5);
  // Centre 3.25: 8.25 → 8, −1.75 → −1; the size is cut to 7.
  EXPECT_EQ(lines.verticalX[0], 8);
  EXPECT_EQ(lines.verticalX[1], -1);
  EXPECT_EQ(lines.centreX, 3);
  EXPECT_EQ(lines.width, 7);
}

TEST(CanvasTags, TheNextTagStepsOverInnerViewTagsAndGlassInnerTags) {
  const std::set<std::int32_t> glass = {5};
  const struct {
    std::int32_t counter;
    std::int32_t next;
  } cases[] = {{0, 1}, {43, 45}, {699, 701}, {1004, 1006}, {3353, 3355}, {9965, 9969}, {9990, 9992}};
  for (const auto& c : cases) EXPECT_EQ(nextCanvasTag(c.counter, glass), c.next) << c.counter;
}

TEST(DisplayGlideTest, AFlickGlidesAFifthOfItsVelocityForLongerTheFasterItMovesSideways) {
  const struct {
    platform::graphics::Point velocity;
    platform::graphics::Point offset;
    double duration;
  } cases[] = {
      {{1000, 0}, {200, 0}, 0.24},
      {{-1000, 50}, {-200, 10}, 0.24},
      {{0, 3000}, {0, 600}, 0.2},
      {{0, 0}, {0, 0}, 0.2},
  };
  for (const auto& c : cases) {
    const DisplayGlide glide = displayGlide(c.velocity);
    EXPECT_DOUBLE_EQ(glide.offset.x, c.offset.x);
    EXPECT_DOUBLE_EQ(glide.offset.y, c.offset.y);
    EXPECT_DOUBLE_EQ(glide.duration, c.duration);
  }
}

TEST(DisplayGlideTest, ThePanVelocityIsTheLastMoveOverItsTime) {
  PanVelocity velocity;
  velocity.start(10);
  velocity.addMove({5, 0}, 10.5);
  EXPECT_DOUBLE_EQ(velocity.velocity().x, 10);
  velocity.addMove({0, 3}, 10.6);
  EXPECT_NEAR(velocity.velocity().y, 30, 1e-9);
  EXPECT_DOUBLE_EQ(velocity.velocity().x, 0);
  // A move in the same instant keeps the velocity.
  velocity.addMove({100, 100}, 10.6);
  EXPECT_NEAR(velocity.velocity().y, 30, 1e-9);
}

}  // namespace
}  // namespace vantile
