#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "integration/DarwinHandlers.h"
#include "integration/TweakStartup.h"
#include "integration/charging/AnimatedImageView.h"
#include "integration/charging/ChargingAnimation.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/lockscreen/CSMainPageView.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/springboard/services/SBBacklightController.h"
#include "platform/springboard/services/SBIdleTimerGlobalCoordinator.h"
#include "platform/springboard/services/SBUIController.h"

namespace vantile::integration {
namespace {

namespace springboard = platform::springboard;
namespace foundation = platform::foundation;
using platform::foundation::MainQueue;
using platform::graphics::Rect;
using platform::graphics::Size;

constexpr const char* kSequence = "var/mobile/Library/VantileAssets/chargingSequences/bolt/";

std::string frameName(int frame) {
  std::string name = "frame_";
  name += std::to_string(frame);
  name += ".png";
  return name;
}

struct PlacementCase {
  const char* name;
  std::optional<std::string> options;
  Rect frame;
  double duration;
};

TEST(ChargingPlacement, OptionsPlaceTheFramesAndMissingOrBadOnesGiveTheDefaults) {
  const Size container{400, 800};
  const PlacementCase cases[] = {
      {"no file", std::nullopt, {125, 630, 150, 150}, 2},
      {"no JSON", std::string("{width: 3"), {125, 630, 150, 150}, 2},
      {"no object", std::string("[200]"), {125, 630, 150, 150}, 2},
      {"width without x keeps the default x", std::string(R"({"width": 200})"), {125, 630, 200, 150}, 2},
      {"right edge", std::string(R"({"x": "right", "xOffsetFromBottom": 10, "width": 100})"), {290, 630, 100, 150}, 2},
      {"centred y", std::string(R"({"y": "center", "width": 100, "height": 60})"), {125, 370, 100, 60}, 2},
      {"bottom gap", std::string(R"({"y": "bottom", "height": 100, "yOffsetFromBottom": 50})"), {125, 650, 150, 100}, 2},
      {"numbers as text", std::string(R"({"x": "12.5", "y": 40, "animationDuration": "3"})"), {12.5, 40, 150, 150}, 3},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ChargingPlacement placement =
        chargingPlacement(c.options ? std::optional<std::string_view>(*c.options) : std::nullopt, container);
    EXPECT_EQ(placement.frame, c.frame);
    EXPECT_DOUBLE_EQ(placement.duration, c.duration);
  }
}

TEST(ChargingFrames, PlayInTheOrderOfTheirNumbersWithNamesWithoutDigitsLast) {
  std::vector<std::string> listed;
  for (int frame = 1; frame <= 12; ++frame) listed.push_back(frameName(frame));
  std::sort(listed.begin(), listed.end());
  listed.insert(listed.begin(), "cover.png");
  std::vector<std::string> expected;
  for (int frame = 1; frame <= 12; ++frame) expected.push_back(frameName(frame));
  expected.push_back("cover.png");
  EXPECT_EQ(AnimatedImageView::sortArrayByNumbersInString(listed), expected);
  EXPECT_EQ(AnimatedImageView::sortArrayByNumbersInString({"b10.png", "a2.png", "7.png", "x.png", "a.png"}),
            (std::vector<std::string>{"a2.png", "7.png", "b10.png", "a.png", "x.png"}));
}

// 2026-12-09T08:59:50Z.
constexpr foundation::TimeStamp kStart = 1796806790;

// The tweak in the stand-in's SpringBoard with a sequence "bolt" of twelve frames, frame n
// n pixels wide.
class ChargingTest : public testing::TweakTest {
 protected:
  ChargingTest() {
    MainQueue::shared().useManualClock(kStart);
    for (int frame = 1; frame <= 12; ++frame) {
      const auto image = platform::graphics::Image::blank(frame, 1);
      write(std::string(kSequence) + frameName(frame), *platform::graphics::encodePNG(*image));
    }
    write(std::string(kSequence) + "options.json", R"({"width": 100, "height": 50, "x": "center"})");
  }
  ~ChargingTest() override {
    process.reset();
    springboard::removeSpringBoardClasses();
    MainQueue::shared().clear();
  }

  static void write(const std::string& path, std::string_view contents) {
    ASSERT_TRUE(foundation::writeFileAtomically(foundation::devicePath("/" + path), contents));
  }

  springboard::SpringBoardProcess& start(platform::Value settings, int ios = 16, bool locked = true) {
    settings["enabled"] = true;
    settings["enablebatteryanimation"] = true;
    // null: no name stored at all.
    if (!settings.contains("VantileBatteryAnimation")) {
      settings["VantileBatteryAnimation"] = "bolt";
    } else if (settings["VantileBatteryAnimation"].is_null()) {
      settings.erase("VantileBatteryAnimation");
    }
    writeSettings(settings);
    springboard::DeviceState device;
    device.ios = ios;
    device.locked = locked;
    device.timeZone = "UTC";
    process = std::make_unique<springboard::SpringBoardProcess>(std::move(device));
    installTweak();
    readSystemVersion();
    process->launch();
    return *process;
  }

  const std::shared_ptr<platform::ui::View>& container() { return state().lockScreen.chargingContainerView; }
  std::shared_ptr<AnimatedImageView> animation() {
    return std::dynamic_pointer_cast<AnimatedImageView>(container()->viewWithTag(321));
  }
  bool playing() {
    const auto view = animation();
    return view && view->imageView && view->imageView->layer()->animationForKey("animation") != nullptr;
  }
  void powerChange() { process->uiController()->ACPowerChanged(); }

  std::unique_ptr<springboard::SpringBoardProcess> process;
};

TEST_F(ChargingTest, PluggingInWhileLockedPlaysTheSequenceForFourSecondsThenHidesIt) {
  start({});
  ASSERT_TRUE(container());
  EXPECT_EQ(container()->alpha(), 0);
  process->plug();
  EXPECT_EQ(container()->alpha(), 1);
  const auto view = animation();
  ASSERT_TRUE(view);
  const double width = container()->bounds().width();
  EXPECT_EQ(view->frame(), (Rect{width / 2 - 50, container()->bounds().height() - 170, 100, 50}));
  ASSERT_EQ(view->loadedImages.size(), 12U);
  for (int frame = 0; frame < 12; ++frame) EXPECT_EQ(view->loadedImages[frame].width(), frame + 1);
  EXPECT_TRUE(playing());

  MainQueue::shared().advance(1);
  EXPECT_EQ(view->imageView->layer()->presentationContents()->width(), 6);
  MainQueue::shared().advance(3);
  EXPECT_EQ(container()->alpha(), 0);
  EXPECT_FALSE(playing());
  EXPECT_FALSE(state().lockScreen.keepScreenAwake);
}

TEST_F(ChargingTest, UnplugHidesStopsAndLetsTheScreenSleep) {
  start({{"loopbatteryanimation", true}, {"nosleepbatteryanimation", true}});
  process->plug();
  MainQueue::shared().advance(4);
  ASSERT_TRUE(state().lockScreen.keepScreenAwake);
  ASSERT_TRUE(playing());
  const int resets = process->idleTimerCoordinator()->resets;

  process->unplug();
  EXPECT_EQ(container()->alpha(), 0);
  EXPECT_FALSE(playing());
  EXPECT_FALSE(state().lockScreen.keepScreenAwake);
  EXPECT_EQ(process->idleTimerCoordinator()->resets, resets + 1);
  MainQueue::shared().advance(8);
  EXPECT_EQ(container()->alpha(), 0);
}

TEST_F(ChargingTest, OneLoopRestartsEveryFourSecondsHoweverOftenThePowerChanges) {
  start({{"loopbatteryanimation", true}});
  process->plug();
  powerChange();
  powerChange();
  const std::uint64_t plays = state().lockScreen.chargingPlay;
  for (int loop = 1; loop <= 3; ++loop) {
    MainQueue::shared().advance(4);
    EXPECT_EQ(state().lockScreen.chargingPlay, plays + loop);
    EXPECT_EQ(container()->alpha(), 1);
    EXPECT_TRUE(playing());
  }
  // Without no-sleep the screen is never kept awake.
  EXPECT_FALSE(state().lockScreen.keepScreenAwake);
}

TEST_F(ChargingTest, KeepingAwakeDropsEveryBacklightChangeUntilUnlocked) {
  start({{"loopbatteryanimation", true}, {"nosleepbatteryanimation", true}});
  auto& backlight = *process->backlightController();
  backlight.setBacklightFactorPending(0.5F);
  EXPECT_FLOAT_EQ(backlight.backlightFactor, 0.5F);
  backlight.setBacklightFactorPending(1);

  process->plug();
  MainQueue::shared().advance(4);
  ASSERT_TRUE(state().lockScreen.keepScreenAwake);
  backlight.setBacklightFactorPending(0.5F);
  EXPECT_FLOAT_EQ(backlight.backlightFactor, 1);
  process->sleep();
  EXPECT_TRUE(process->isScreenOn());

  process->unlock();
  EXPECT_FALSE(state().lockScreen.keepScreenAwake);
  backlight.setBacklightFactorPending(0.5F);
  EXPECT_FLOAT_EQ(backlight.backlightFactor, 0.5F);
  // The loop goes on while on power, but a play armed before the unlock keeps nothing awake.
  MainQueue::shared().advance(4);
  EXPECT_FALSE(state().lockScreen.keepScreenAwake);
}

TEST_F(ChargingTest, ChangedOptionsTakeEffectOnlyInAViewMadeAnew) {
  start({});
  process->plug();
  ASSERT_TRUE(animation());
  EXPECT_EQ(animation()->frame().size.width, 100);
  write(std::string(kSequence) + "options.json", R"({"width": 80})");
  MainQueue::shared().advance(4);
  powerChange();
  EXPECT_EQ(animation()->frame().size.width, 100);

  // A rebuilt lock screen has a new container, whose first play makes a new view.
  lockScreenThemeChanged();
  process->coverSheetViewController()->mainPageView()->updateForPresentation(nullptr);
  powerChange();
  ASSERT_TRUE(animation());
  EXPECT_EQ(animation()->frame().size.width, 80);
}

TEST_F(ChargingTest, WithoutASequenceOrItsFramesNothingPlays) {
  for (const platform::Value& name : {platform::Value(), platform::Value("")}) {
    SCOPED_TRACE(name.dump());
    start({{"VantileBatteryAnimation", name}});
    process->plug();
    ASSERT_TRUE(animation());
    EXPECT_TRUE(animation()->loadedImages.empty());
    EXPECT_FALSE(playing());
    EXPECT_EQ(animation()->frame().size.width, 150);
    process.reset();
    springboard::removeSpringBoardClasses();
    state().lockScreen = LockScreenState{};
  }
}

TEST_F(ChargingTest, UnlockedOrDimmedTheContainerShowsButNoViewIsMade) {
  start({});
  process->unlock();
  process->plug();
  EXPECT_EQ(container()->alpha(), 1);
  EXPECT_FALSE(animation());
  process->unplug();

  process->lock();
  process->backlightController()->backlightFactor = 0.4F;
  process->plug();
  EXPECT_EQ(container()->alpha(), 1);
  EXPECT_FALSE(animation());
}

TEST_F(ChargingTest, TheIdleTimerIsResetWhereTheRunningVersionKeepsIt) {
  start({}, 10);
  resetIdleTimer();
  EXPECT_EQ(process->backlightController()->idleTimerResets, 1);
  EXPECT_EQ(process->idleTimerCoordinator(), nullptr);
  process.reset();
  springboard::removeSpringBoardClasses();

  start({}, 11);
  resetIdleTimer();
  EXPECT_EQ(process->backlightController()->idleTimerResets, 0);
  EXPECT_EQ(process->idleTimerCoordinator()->resets, 1);
}

}  // namespace
}  // namespace vantile::integration
