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

TEST_F(MarqueeLabelTest, LaysOutHomeOffsetAndCopiesByTypeWithTheBuffersAndFade) {
  // W = 200, H = 30, text w = 1358/3 (452.67), leading L = 7, trailing T = 13, fade 10, so the
  // continuous gap is 13. Left home: (7, 0, w) rounded out to (7, 0, 453); right home:
  // (200 - w - 7 = -259.67, 0, w) rounded out to (-260, 0, 453). One way across is
  // 200 - (w + 7 + 13) = -818/3; the continuous ones move a home width and the gap, 466.
  struct Case {
    unsigned type;
    graphics::Rect home;
    double awayOffset;
    std::size_t copies;
  };
  const Case cases[] = {
      {0, {7, 0, 453, 30}, -818.0 / 3, 1}, {1, {-260, 0, 453, 30}, 818.0 / 3, 1}, {2, {7, 0, 453, 30}, -466, 2},
      {3, {-260, 0, 453, 30}, 466, 2},     {4, {7, 0, 453, 30}, -818.0 / 3, 1}, {5, {-260, 0, 453, 30}, 818.0 / 3, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    auto label = shownLabel(c.type, longText, 10);
    ASSERT_DOUBLE_EQ(label->subLabelSize().width, 1358.0 / 3) << "the project's font measures the text so";
    label->setLeadingBuffer(7);
    label->setTrailingBuffer(13);
    EXPECT_EQ(label->homeLabelFrame(), c.home);
    EXPECT_EQ(label->subLabel()->frame(), c.home);
    EXPECT_NEAR(label->awayOffset(), c.awayOffset, 1e-9);
    EXPECT_EQ(label->repliLayer()->instanceCount(), c.copies);
    if (c.copies == 2) {
      EXPECT_EQ(label->repliLayer()->instanceTransform(), graphics::AffineTransform::translation(-c.awayOffset, 0));
    }
    EXPECT_NEAR(label->animationDuration(), std::abs(c.awayOffset) / 30, 1e-9);
    EXPECT_EQ(label->subLabel()->tag(), 700);
    label->removeFromSuperview();
  }
}

TEST_F(MarqueeLabelTest, TextThatFitsRestsAfterTheLeadingBuffer) {
  // (7, 0, 193, 30) for the left-resting types; the right-resting ones lose the strip at the right.
  for (const auto& [type, home] : {std::pair{0u, graphics::Rect{7, 0, 193, 30}}, std::pair{1u, graphics::Rect{0, 0, 193, 30}},
                                   std::pair{2u, graphics::Rect{7, 0, 193, 30}}, std::pair{5u, graphics::Rect{0, 0, 193, 30}}}) {
    SCOPED_TRACE(type);
    auto label = shownLabel(type, "Short");
    label->setLeadingBuffer(7);
    label->setTrailingBuffer(40);
    EXPECT_EQ(label->homeLabelFrame(), home);
    EXPECT_EQ(label->awayOffset(), 0);
    EXPECT_EQ(label->repliLayer()->instanceCount(), 1u);
    label->removeFromSuperview();
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

TEST_F(MarqueeLabelTest, AResetLabelHasNoHomeAndNoTapOrTriggerStartsARun) {
  auto label = shownLabel(2);
  label->setTapToScroll(true);
  label->resetLabel();
  EXPECT_TRUE(label->homeLabelFrame().isNull());
  EXPECT_EQ(label->awayOffset(), 0);

  label->labelWasTapped();
  label->triggerScrollStart();
  label->setTapToScroll(false);
  label->restartLabel();
  EXPECT_EQ(label->subLabel()->layer()->animationForKey("position"), nullptr);

  // The next layout pass finds the home again.
  label->updateSublabel();
  EXPECT_EQ(label->homeLabelFrame().x(), 0);
  EXPECT_NE(label->subLabel()->layer()->animationForKey("position"), nullptr);
}

TEST_F(MarqueeLabelTest, ATypeAboveFiveStartsNothingAndLogsNothingWhateverAsksForARun) {
  for (const unsigned type : {6u, 42u}) {
    SCOPED_TRACE(type);
    auto label = shownLabel(type);
    EXPECT_TRUE(label->homeLabelFrame() == graphics::Rect{}) << "the update pass stops at the zero rectangle";
    label->setTapToScroll(true);
    ::testing::internal::CaptureStderr();
    label->restartLabel();
    label->labelWasTapped();
    label->triggerScrollStart();
    label->setTapToScroll(false);
    label->setHoldScrolling(true);
    label->setHoldScrolling(false);
    advanceTo(elapsed() + 10);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(label->subLabel()->layer()->animationKeys(), std::vector<std::string>{});
    label->removeFromSuperview();
  }
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
