#include <gtest/gtest.h>

#include <vector>

#include "MarqueeLabelFixture.h"
#include "engine/marquee/MarqueeLabel.h"
#include "engine/marquee/MarqueeTimingCurve.h"

namespace vantile {
namespace {

namespace ui = platform::ui;

// The mask's colours as stops: 1 shows the text, 0 hides it.
std::vector<int> opacities(const ui::ColorList& colors) {
  std::vector<int> stops;
  for (const auto& color : colors) stops.push_back(color.alpha > 0.5 ? 1 : 0);
  return stops;
}

TEST_F(MarqueeLabelTest, FadesTheCutEdgeAtRestAndBothEdgesWhileMoving) {
  struct Case {
    unsigned type;
    std::vector<int> atRest;
    std::vector<int> atArrival;
  };
  for (const Case& test : {Case{0, {1, 1, 1, 0}, {0, 1, 1, 1}}, Case{1, {0, 1, 1, 1}, {1, 1, 1, 0}},
                           Case{2, {1, 1, 1, 0}, {1, 1, 1, 0}}, Case{3, {0, 1, 1, 1}, {0, 1, 1, 1}},
                           Case{4, {1, 1, 1, 0}, {0, 1, 1, 1}}, Case{5, {0, 1, 1, 1}, {1, 1, 1, 0}}}) {
    SCOPED_TRACE(test.type);
    queue().clear();
    queue().useManualClock(start);
    auto label = shownLabel(test.type, longText, 10);
    moveInFiveSeconds(*label);
    queue().runPending();
    const auto mask = label->maskLayer();
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->locations(), (std::vector<double>{0, 0.05, 0.95, 1}));
    EXPECT_EQ(opacities(mask->colors()), test.atRest);
    advanceTo(0.5);
    EXPECT_EQ(opacities(mask->presentationGradientProperties().colors), test.atRest);
    advanceTo(3.5);
    EXPECT_EQ(opacities(mask->presentationGradientProperties().colors), (std::vector<int>{0, 1, 1, 0}));
    // Loops show their rest pattern again once the first copy has left; the others arrive.
    advanceTo(test.type == 2 || test.type == 3 ? 5.95 : 6.5);
    EXPECT_EQ(opacities(mask->presentationGradientProperties().colors), test.atArrival);
    label->removeFromSuperview();
  }
}

TEST_F(MarqueeLabelTest, NoFadeLengthMeansNoMaskAndNoFadeAnimation) {
  auto label = shownLabel(0, longText, 0);
  EXPECT_EQ(label->maskLayer(), nullptr);
  label->setFadeLength(-3);
  EXPECT_EQ(label->fadeLength(), -3);
  EXPECT_EQ(label->maskLayer(), nullptr);
}

TEST_F(MarqueeLabelTest, ShortTextLosesItsMaskAndLongTextGainsOne) {
  auto label = shownLabel(0, longText, 10);
  ASSERT_NE(label->maskLayer(), nullptr);
  label->setText("Short");
  EXPECT_EQ(label->maskLayer(), nullptr);
  label->setText(longText);
  EXPECT_NE(label->maskLayer(), nullptr);
}

TEST(MarqueeTimingCurve, FindsTheTimeAtWhichACurveCoversADistance) {
  const auto linear = ui::TimingFunction::named(ui::TimingFunction::Name::linear);
  const auto easeIn = ui::TimingFunction::named(ui::TimingFunction::Name::easeIn);
  for (const double position : {0.0, 0.1, 0.25, 0.5, 0.9, 1.0}) {
    EXPECT_NEAR(durationPercentageForPositionPercentage(linear, position, 10), position, 0.001);
  }
  EXPECT_EQ(durationPercentageForPositionPercentage(easeIn, 0, 10), 0);
  EXPECT_EQ(durationPercentageForPositionPercentage(easeIn, 1, 10), 1);
  const double half = durationPercentageForPositionPercentage(easeIn, 0.5, 10);
  EXPECT_GT(half, 0.5);
  const double t = solveTForY(0.5, 1e-3, controlPoints(easeIn));
  EXPECT_NEAR(XforCurveAt(t, controlPoints(easeIn)), half, 1e-12);
  EXPECT_NEAR(YforCurveAt(t, controlPoints(easeIn)), 0.5, 1e-3);
}

TEST(MarqueeTimingCurve, AFlatCurveAnswersTheLastGuess) {
  const CurveControlPoints flat{platform::graphics::Point{0, 0}, {0.5, 0}, {0.5, 0}, {1, 0}};
  EXPECT_EQ(solveTForY(0.5, 1e-3, flat), 0.5);
}

}  // namespace
}  // namespace vantile
