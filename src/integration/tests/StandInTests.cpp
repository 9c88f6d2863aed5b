#include <gtest/gtest.h>

#include <algorithm>

#include "controller/VantileController.h"
#include "integration/TweakStartup.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/lockscreen/CSMainPageView.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/springboard/services/AVFlashlight.h"
#include "platform/ui/views/Application.h"

namespace vantile::integration {
namespace {

namespace springboard = platform::springboard;
using platform::foundation::MainQueue;
using Calls = std::vector<std::string>;

// 2026-12-09T08:59:50Z.
constexpr platform::foundation::TimeStamp kStart = 1796806790;

// The tweak in the stand-in's SpringBoard, loaded as the host loads it: after the process made
// its classes and objects, before it launches.
class StandInTest : public testing::TweakTest {
 protected:
  StandInTest() { MainQueue::shared().useManualClock(kStart); }
  ~StandInTest() override {
    process.reset();
    springboard::removeSpringBoardClasses();
    platform::foundation::useHostTimeZone();
    MainQueue::shared().clear();
  }

  springboard::SpringBoardProcess& start(const platform::Value& settings, int ios = 16, bool locked = true) {
    writeSettings(settings);
    springboard::DeviceState device;
    device.ios = ios;
    device.locked = locked;
    device.timeZone = "UTC";
    device.apps = {{"com.apple.MobileSMS", "Messages", "3", "", true, false, false}};
    process = std::make_unique<springboard::SpringBoardProcess>(std::move(device));
    installTweak();
    readSystemVersion();
    process->launch();
    return *process;
  }

  std::shared_ptr<platform::ui::View> mainPage() const { return process->coverSheetViewController()->mainPageView(); }

  static std::size_t count(const Calls& calls, const std::string& call) {
    return static_cast<std::size_t>(std::count(calls.begin(), calls.end(), call));
  }

  std::unique_ptr<springboard::SpringBoardProcess> process;
};

TEST_F(StandInTest, BothThemesAttachToSpringBoardsOwnViewsAtLaunch) {
  start({{"enabled", true}, {"enabled_sb", true}, {"darkoverlay", true}});
  EXPECT_FLOAT_EQ(state().systemVersion, 16);
  const auto page = mainPage();
  ASSERT_GE(page->subviews().size(), 3u);
  EXPECT_EQ(page->subviews()[0]->tag(), 8944);
  EXPECT_EQ(page->subviews()[1]->tag(), 8945);
  const auto home = process->homeScreenView();
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->subviews().back()->tag(), 8955);
  EXPECT_EQ(state().homeScreen.homeScreenView, home);
  EXPECT_EQ(state().keptFlashlight, std::static_pointer_cast<platform::objc::Object>(process->flashlight()));
  const auto& appRecords = VantileController::sharedInstance()->hooks.appRecords;
  ASSERT_TRUE(appRecords);
  EXPECT_EQ(appRecords(), (std::vector<platform::Value>{{{"bundle", "com.apple.MobileSMS"}, {"name", "Messages"}, {"badge", "3"}}}));
}

TEST_F(StandInTest, WithOnlyTheHomeThemeTheLockScreenStaysStockAndUnlockingSaysSo) {
  start({{"enabled", false}, {"enabled_sb", true}});
  EXPECT_EQ(mainPage()->viewWithTag(8945), nullptr);
  EXPECT_NE(process->homeScreenView()->viewWithTag(8955), nullptr);
  takeCalls();
  process->unlock();
  const Calls calls = takeCalls();
  EXPECT_EQ(count(calls, "deviceUnlocked YES"), 1u);
  EXPECT_EQ(count(calls, "deviceWakening NO"), 0u);
}

TEST_F(StandInTest, TheDateViewsMinuteChangeAsksForATimeRefreshAtNine) {
  start({{"enabled", true}});
  // Past the refresh half a second after launch.
  MainQueue::shared().advance(1);
  takeCalls();
  MainQueue::shared().advance(8.5);
  EXPECT_EQ(count(takeCalls(), "timeUpdated lockscreen"), 0u);
  MainQueue::shared().advance(0.5);
  EXPECT_EQ(MainQueue::shared().now(), kStart + 10);
  EXPECT_GE(count(takeCalls(), "timeUpdated lockscreen"), 1u);
}

TEST_F(StandInTest, NotificationsDriveTheFlashlightAndTheSettingsPane) {
  start({{"enabled", true}});
  const float before = platform::objc::send<sig::Level>(*process->flashlight(), "flashlightLevel");
  platform::foundation::DarwinNotificationCenter::shared().post("com.kestrune.vantile/toggleFlashlight");
  MainQueue::shared().advance(0);
  EXPECT_EQ(platform::objc::send<sig::Level>(*process->flashlight(), "flashlightLevel"), before > 0 ? 0.0f : 1.0f);

  platform::ui::Application::shared().forgetOpenedURLs();
  platform::foundation::DarwinNotificationCenter::shared().post("com.kestrune.vantile/openSettings");
  MainQueue::shared().advance(0);
  EXPECT_EQ(platform::ui::Application::shared().openedURLs(), std::vector<std::string>{"prefs:root=Vantile"});
}

TEST_F(StandInTest, AnOlderSystemWithoutTheCoverSheetClassesKeepsItsStockLockScreen) {
  start({{"enabled", true}, {"enabled_sb", true}}, 12);
  EXPECT_EQ(platform::objc::getClass("CSMainPageView"), nullptr);
  EXPECT_FALSE(state().kept.CSMainPageView_updateForPresentation_);
  EXPECT_NE(process->homeScreenView()->viewWithTag(8955), nullptr);
}

}  // namespace
}  // namespace vantile::integration
