#include "engine/marquee/MarqueeLabel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "MarqueeLabelFixture.h"
#include "platform/ui/views/ViewController.h"

namespace vantile {
namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

TEST_F(MarqueeLabelTest, LaysOutHomeOffsetAndCopiesByType) {
  struct Case {
    unsigned type;
    bool restsAtRight;
    int copies;
  };
  for (const Case& test : {Case{0, false, 1}, Case{1, true, 1}, Case{2, false, 2}, Case{3, true, 2},
                           Case{4, false, 1}, Case{5, true, 1}}) {
    SCOPED_TRACE(test.type);
    auto label = shownLabel(test.type, longText, 10);
    const double w = label->subLabelSize().width;
    ASSERT_GT(w, 200);
    const graphics::Rect home = label->homeLabelFrame();
    EXPECT_EQ(home.x(), test.restsAtRight ? std::floor(200 - w) : 0);
    EXPECT_EQ(home.width(), std::ceil(home.x() + w) - home.x());
    EXPECT_EQ(home.height(), 30);
    const double gap = 10;  // the largest of the buffers and the fade
    const double expectedOffset = test.type == 2   ? -(home.width() + gap)
                                  : test.type == 3 ? home.width() + gap
                                  : test.restsAtRight ? w - 200
                                                      : 200 - w;
    EXPECT_DOUBLE_EQ(label->awayOffset(), expectedOffset);
    EXPECT_EQ(label->repliLayer()->instanceCount(), static_cast<std::size_t>(test.copies));
    if (test.copies == 2) {
      EXPECT_EQ(label->repliLayer()->instanceTransform(), graphics::AffineTransform::translation(-expectedOffset, 0));
    }
    EXPECT_EQ(label->subLabel()->frame(), home);
    EXPECT_EQ(label->subLabel()->tag(), 700);
    EXPECT_NEAR(label->animationDuration(), std::abs(expectedOffset) / 30, 1e-9);
  }
}

TEST_F(MarqueeLabelTest, MovesEachTypeThroughItsRunOnTheClock) {
  // Fractions of the way from home to the far side, one movement lasting 5 s after a 1 s rest.
  struct Case {
    unsigned type;
    std::vector<std::pair<double, double>> fractionAt;
  };
  const std::vector<std::pair<double, double>> thereAndBack{{0.5, 0}, {3.5, 0.5}, {6.5, 1}, {9.5, 0.5}, {12.5, 0},
                                                            {13.5, 0.1}, {14.5, 0.3}};
  const std::vector<std::pair<double, double>> continuous{{0.5, 0}, {3.5, 0.5}, {5.5, 0.9}, {6.5, 0}, {9.5, 0.5}};
  const std::vector<std::pair<double, double>> oneWay{{0.5, 0}, {3.5, 0.5}, {6.5, 1}, {12.5, 1}, {500, 1}};
  for (const Case& test : {Case{0, thereAndBack}, Case{1, thereAndBack}, Case{2, continuous}, Case{3, continuous},
                           Case{4, oneWay}, Case{5, oneWay}}) {
    SCOPED_TRACE(test.type);
    queue().clear();
    queue().useManualClock(start);
    auto label = shownLabel(test.type);
    moveInFiveSeconds(*label);
    const double home = label->homeLabelFrame().x();
    for (const auto& [seconds, fraction] : test.fractionAt) {
      SCOPED_TRACE(seconds);
      advanceTo(seconds);
      EXPECT_NEAR(shownX(*label), home + fraction * label->awayOffset(), 1e-6);
    }
    label->removeFromSuperview();
  }
}

TEST_F(MarqueeLabelTest, RateAndDurationReplaceEachOther) {
  auto label = shownLabel(0);
  label->setScrollDuration(7.0);
  EXPECT_EQ(label->rate(), 0);
  EXPECT_EQ(label->animationDuration(), 7.0);
  label->setRate(30);
  EXPECT_EQ(label->scrollDuration(), 0);
  EXPECT_NEAR(label->animationDuration(), std::abs(label->awayOffset()) / 30, 1e-9);
  EXPECT_FALSE(label->setValueForKey("rate", std::string("60")));
  EXPECT_EQ(label->rate(), 60);
  label->setRate(0);
  EXPECT_FALSE(label->labelShouldScroll());
}

TEST_F(MarqueeLabelTest, TextThatFitsRestsWithTheLabelsAlignmentAndNoFade) {
  auto label = MarqueeLabel::makeWithRate({10, 10, 200, 30}, 30, 10);
  label->setTextAlignment(ui::TextAlignment::center);
  label->setText("Short");
  controller_->view()->addSubview(label);
  EXPECT_FALSE(label->labelShouldScroll());
  EXPECT_EQ(label->homeLabelFrame(), (graphics::Rect{0, 0, 200, 30}));
  EXPECT_EQ(label->awayOffset(), 0);
  EXPECT_EQ(label->subLabel()->textAlignment(), ui::TextAlignment::center);
  EXPECT_EQ(label->maskLayer(), nullptr);
  advanceTo(5);
  EXPECT_EQ(label->subLabel()->layer()->animationForKey("position"), nullptr);
}

TEST_F(MarqueeLabelTest, EmptyTextNeverScrollsAndNoTextLeavesTheLabelAlone) {
  auto untouched = MarqueeLabel::makeWithRate({0, 0, 200, 30}, 30, 0);
  controller_->view()->addSubview(untouched);
  EXPECT_EQ(untouched->homeLabelFrame(), graphics::Rect{});
  auto empty = shownLabel(0, "");
  EXPECT_FALSE(empty->labelShouldScroll());
  EXPECT_EQ(empty->homeLabelFrame(), (graphics::Rect{0, 0, 200, 30}));
}

TEST_F(MarqueeLabelTest, SameTextDoesNotRestartButNewTextDoes) {
  auto label = shownLabel(0);
  moveInFiveSeconds(*label);
  advanceTo(3.5);
  const double midway = shownX(*label);
  label->setText(longText);
  EXPECT_EQ(shownX(*label), midway);
  label->setText(std::string(longText) + " and once more");
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x());
  advanceTo(4.0);  // resting again
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x());
}

TEST_F(MarqueeLabelTest, TappedLabelsStartAtOnceExceptThereAndBackTypes) {
  for (const unsigned type : {0u, 2u, 4u}) {
    SCOPED_TRACE(type);
    auto label = shownLabel(type);
    label->setTapToScroll(true);
    moveInFiveSeconds(*label);
    const double startedAt = elapsed();
    advanceTo(startedAt + 2);
    EXPECT_EQ(shownX(*label), label->homeLabelFrame().x()) << "no run without a tap";
    label->labelWasTapped();
    advanceTo(startedAt + 2.5);
    const double moved = shownX(*label) - label->homeLabelFrame().x();
    EXPECT_NEAR(moved, type == 0 ? 0 : 0.1 * label->awayOffset(), 1e-6);
    label->removeFromSuperview();
  }
}

TEST_F(MarqueeLabelTest, HoldLetsTheRunFinishAndReleaseStartsANewOne) {
  auto label = shownLabel(0);
  moveInFiveSeconds(*label);
  advanceTo(3.5);
  label->setHoldScrolling(true);
  advanceTo(13.5);
  EXPECT_EQ(label->subLabel()->layer()->animationForKey("position"), nullptr);
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x());
  label->setHoldScrolling(false);
  advanceTo(17);  // 1 s rest, then half way
  EXPECT_NEAR(shownX(*label), label->homeLabelFrame().x() + 0.5 * label->awayOffset(), 1e-6);
}

TEST_F(MarqueeLabelTest, PauseFreezesARunAwayFromHomeAndResumeGoesOn) {
  auto label = shownLabel(0, longText, 10);
  moveInFiveSeconds(*label);
  advanceTo(0.5);
  label->pauseLabel();
  EXPECT_FALSE(label->isPaused()) << "at home nothing pauses";

  advanceTo(3.5);
  label->pauseLabel();
  ASSERT_TRUE(label->isPaused());
  const double frozen = shownX(*label);
  const ui::ColorList frozenFade = label->maskLayer()->presentationGradientProperties().colors;
  advanceTo(30);
  EXPECT_EQ(shownX(*label), frozen);
  EXPECT_EQ(label->maskLayer()->presentationGradientProperties().colors, frozenFade);
  label->unpauseLabel();
  EXPECT_FALSE(label->isPaused());
  EXPECT_NEAR(shownX(*label), frozen, 1e-6);
  advanceTo(31);  // the run is now where it was at 4.5 s
  EXPECT_NEAR(shownX(*label), label->homeLabelFrame().x() + 0.7 * label->awayOffset(), 1e-6);
  advanceTo(40.5);  // and it still repeats: the cycle ended at 38.5, the next one moves from 39.5
  EXPECT_NEAR(shownX(*label), label->homeLabelFrame().x() + 0.2 * label->awayOffset(), 1e-6);
}

TEST_F(MarqueeLabelTest, LabelizeStopsTheTextAndLettingGoScrollsAgain) {
  auto label = shownLabel(0, longText, 10);
  moveInFiveSeconds(*label);
  advanceTo(3.5);
  label->setLabelize(true);
  EXPECT_FALSE(label->labelShouldScroll());
  EXPECT_EQ(label->maskLayer(), nullptr);
  EXPECT_EQ(shownX(*label), 0);
  advanceTo(10);
  EXPECT_EQ(shownX(*label), 0);
  label->setLabelize(false);
  advanceTo(13.5);
  EXPECT_NEAR(shownX(*label), label->homeLabelFrame().x() + 0.5 * label->awayOffset(), 1e-6);
}

TEST_F(MarqueeLabelTest, RestsInTheBackgroundAndStartsOverWhenTheApplicationIsActiveAgain) {
  auto label = shownLabel(4);
  moveInFiveSeconds(*label);
  advanceTo(8);
  ASSERT_NE(shownX(*label), label->homeLabelFrame().x());

  platform::ui::Application::shared().enterBackground();
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x());
  advanceTo(20);
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x()) << "nothing scrolls in the background";

  platform::ui::Application::shared().becomeActive();
  advanceTo(23.5);
  EXPECT_NEAR(shownX(*label), label->homeLabelFrame().x() + 0.5 * label->awayOffset(), 1e-6);
}

TEST_F(MarqueeLabelTest, LaysItselfOutAgainWhenItsSizeChanges) {
  auto label = shownLabel(0);
  const double narrowOffset = label->awayOffset();
  label->setFrame({10, 10, 100, 30});
  queue().runPending();
  EXPECT_NE(label->awayOffset(), narrowOffset) << "the run's distance follows the new width";
}

TEST_F(MarqueeLabelTest, RestartReturnsHomeAndRestsBeforeMovingAgain) {
  auto label = shownLabel(4);
  moveInFiveSeconds(*label);
  advanceTo(8);
  ASSERT_NEAR(shownX(*label), label->homeLabelFrame().x() + label->awayOffset(), 1e-6);
  label->restartLabel();
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x());
  advanceTo(8.9);
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x());
  advanceTo(11.5);
  EXPECT_NEAR(shownX(*label), label->homeLabelFrame().x() + 0.5 * label->awayOffset(), 1e-6);
}

TEST_F(MarqueeLabelTest, LeavingTheWindowShutsTheLabelDown) {
  auto label = shownLabel(0, longText, 10);
  moveInFiveSeconds(*label);
  advanceTo(3.5);
  controller_->view()->removeFromSuperview();
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x());
  advanceTo(20);
  EXPECT_EQ(label->subLabel()->layer()->animationForKey("position"), nullptr);
}

TEST_F(MarqueeLabelTest, LabelsWithoutAViewControllerNeverScroll) {
  auto label = MarqueeLabel::makeWithRate({0, 0, 200, 30}, 30, 0);
  label->setText(longText);
  window_->addSubview(label);
  EXPECT_TRUE(label->labelShouldScroll());
  EXPECT_EQ(firstAvailableViewController(*label), nullptr);
  EXPECT_FALSE(label->labelReadyForScroll());
  advanceTo(5);
  EXPECT_EQ(shownX(*label), label->homeLabelFrame().x());
}

TEST_F(MarqueeLabelTest, OneLineIsKeptAndCurvesOutsideTheOptionsAreRefused) {
  auto label = shownLabel(0);
  label->setNumberOfLines(3);
  EXPECT_EQ(label->numberOfLines(), 1);
  label->setAnimationCurve(0x20000);
  EXPECT_EQ(label->animationCurve(), 0x20000u);
  label->setAnimationCurve(0x40000);
  EXPECT_EQ(label->animationCurve(), 0x20000u);
  label->setLeadingBuffer(-5);
  EXPECT_EQ(label->leadingBuffer(), 5);
}

TEST_F(MarqueeLabelTest, ControllerRequestsReachOnlyTheLabelsUnderThatController) {
  auto other = ui::ViewController::make();
  window_->addSubview(other->view());
  auto mine = shownLabel(0);
  auto theirs = MarqueeLabel::makeWithRate({0, 0, 200, 30}, 30, 0);
  theirs->setText(longText);
  other->view()->addSubview(theirs);

  MarqueeLabel::controllerLabelsShouldLabelize(controller_);
  EXPECT_TRUE(mine->labelize());
  EXPECT_FALSE(theirs->labelize());
  MarqueeLabel::controllerLabelsShouldAnimate(controller_);
  EXPECT_FALSE(mine->labelize());
  MarqueeLabel::notifyController(nullptr, kMarqueeLabelShouldLabelizeNotification);
  EXPECT_FALSE(mine->labelize());

  moveInFiveSeconds(*theirs);
  advanceTo(3.5);
  MarqueeLabel::controllerViewDidAppear(other);
  EXPECT_EQ(shownX(*theirs), theirs->homeLabelFrame().x());
  EXPECT_NE(shownX(*mine), mine->homeLabelFrame().x());
}

}  // namespace
}  // namespace vantile
