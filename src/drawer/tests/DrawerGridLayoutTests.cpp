#include <gtest/gtest.h>

#include "drawer/DrawerGridLayout.h"

namespace vantile {
namespace {

using platform::graphics::Rect;

constexpr platform::graphics::Size kScreen{375, 667};

TEST(DrawerGridLayout, TheFallbacksOnA375By667ScreenGiveTheWorkedExample) {
  const auto layout = DrawerGridLayout::compute(kScreen, 0, {}, 46);
  EXPECT_EQ(layout.topOffset, 40);
  EXPECT_EQ(layout.usableWidth, 285);
  EXPECT_EQ(layout.pageHeight, 567);
  EXPECT_FLOAT_EQ(layout.iconSize, 33);
  EXPECT_EQ(layout.cellHeight, 53);
  EXPECT_EQ(layout.rowsPerPage, 9);
  EXPECT_EQ(layout.capacity, 45);
  EXPECT_EQ(layout.leftMargin, 45);
  EXPECT_EQ(layout.lastPage, 1);
  EXPECT_EQ(layout.pageFrame(1), (Rect{420, 40, 285, 567}));

  const auto frames = layout.iconFrames(46);
  ASSERT_EQ(frames.size(), 45u);
  for (int column = 0; column < 5; ++column) EXPECT_EQ(frames[column].x(), 63 * column);
  for (int row = 0; row < 9; ++row) EXPECT_EQ(frames[row * 5].y(), 10 + 63 * row);
  EXPECT_EQ(frames[0], (Rect{0, 10, 33, 53}));
  EXPECT_EQ(layout.iconFrames(1), std::vector<Rect>{Rect(0, 10, 33, 53)});
}

TEST(DrawerGridLayout, ATopSafeAreaMovesThePagesDown) {
  EXPECT_EQ(DrawerGridLayout::compute({375, 812}, 44, {}, 0).topOffset, 104);
  EXPECT_EQ(DrawerGridLayout::compute(kScreen, 0, {}, 0).lastPage, 0);
}

TEST(DrawerGridLayout, StackingFromTheBottomStartsAboveTheBottomMarginAndClimbs) {
  DrawerGridSettings settings;
  settings.stackFromBottom = true;
  const auto layout = DrawerGridLayout::compute(kScreen, 0, settings, 10);
  // (30 + 567 - 80 - 10) / (30 + 53)
  EXPECT_EQ(layout.rowsPerPage, 6);
  const auto frames = layout.iconFrames(10);
  EXPECT_EQ(frames[0].y(), 567 - 53 - 80);
  EXPECT_EQ(frames[5].y(), 567 - 53 - 80 - 83);
}

TEST(DrawerGridLayout, RightToLeftRowsStartAtTheRightEdge) {
  DrawerGridSettings settings;
  settings.rightToLeft = true;
  const auto frames = DrawerGridLayout::compute(kScreen, 0, settings, 6).iconFrames(6);
  EXPECT_EQ(frames[0].x(), 252);
  EXPECT_EQ(frames[4].x(), 0);
  EXPECT_EQ(frames[5].x(), 252);
  EXPECT_EQ(frames[5].y(), 73);
}

TEST(DrawerGridLayout, CountsBelowOneAreClampedSoNothingDividesByZero) {
  struct Case {
    std::int64_t iconsPerRow;
    std::int64_t yPadding;
    bool fromBottom;
  };
  for (const Case& test : {Case{0, 30, false}, Case{-3, 30, false}, Case{5, 900, false}, Case{5, 30, true}}) {
    DrawerGridSettings settings;
    settings.iconsPerRow = test.iconsPerRow;
    settings.yPadding = test.yPadding;
    settings.stackFromBottom = test.fromBottom;
    settings.bottomMargin = 5000;
    const auto layout = DrawerGridLayout::compute(kScreen, 0, settings, 7);
    EXPECT_GE(layout.iconsPerRow, 1);
    EXPECT_GE(layout.rowsPerPage, 1);
    EXPECT_EQ(layout.lastPage, 7 / layout.capacity);
  }
  EXPECT_EQ(DrawerGridLayout::getMaxIconsForHeight(20, 33, 567, 30), 9);
  EXPECT_EQ(DrawerGridLayout::getMaxIconsForHeight(20, 600, 567, 30), 1);
}

}  // namespace
}  // namespace vantile
