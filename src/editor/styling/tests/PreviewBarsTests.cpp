#include <gtest/gtest.h>

#include "editor/styling/PreviewBars.h"

namespace vantile::previewbars {
namespace {

TEST(PreviewBars, TheFillTakesTheValueShareOfTheWholePointsOfTheBar) {
  struct Case {
    double value;
    double barWidth;
    double fill;
  };
  for (const Case& c : {Case{50, 201.7, 100.5}, Case{75, 200, 150}, Case{50, 0.9, 0}, Case{75, -3.5, -2.25}}) {
    EXPECT_DOUBLE_EQ(fillWidth(c.value, c.barWidth), c.fill) << c.value << " of " << c.barWidth;
  }
}

TEST(PreviewBars, AProgressBarAtFiftyTakesItsColourFromTheTwoThresholds) {
  struct Case {
    std::int32_t lowValue;
    std::int32_t midValue;
    std::string_view key;
  };
  for (const Case& c : {Case{60, 0, "lowColor"}, Case{20, 60, "midColor"}, Case{50, 60, "innerColor"},
                        Case{20, 40, "innerColor"}, Case{20, 50, "innerColor"}, Case{51, 99, "lowColor"}}) {
    EXPECT_EQ(progressColorKey(c.lowValue, c.midValue), c.key) << c.lowValue << "/" << c.midValue;
  }
}

TEST(PreviewBars, EachBarTypeHasItsFillTagValueAndGradientRule) {
  EXPECT_EQ(barPreviewFor("BatteryIcon")->fillTag, 9967);
  EXPECT_FALSE(barPreviewFor("BatteryIcon")->readsGradient);
  EXPECT_EQ(barPreviewFor("BatteryBar")->fillTag, 9968);
  EXPECT_EQ(barPreviewFor("ProgressBar")->fillTag, 9937);
  EXPECT_DOUBLE_EQ(barPreviewFor("ElapsedBar")->value, 75);
  EXPECT_FALSE(barPreviewFor("batterybar"));
  EXPECT_FALSE(barPreviewFor("UILabel"));
}

}  // namespace
}  // namespace vantile::previewbars
