#include <gtest/gtest.h>

#include <map>

#include "integration/HookTable.h"
#include "integration/Replacements.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"

namespace vantile::integration {
namespace {

namespace objc = platform::objc;
using platform::foundation::MainQueue;
using testing::RuntimeView;
using testing::TweakTest;
using Calls = std::vector<std::string>;

class LockScreenEventTest : public TweakTest {
 protected:
  template <class Sig>
  void stock(std::string_view cls, std::string_view selector) {
    declareWithStock<Sig>(cls, selector);
  }
  void install() {
    installRows(themeGroupRows());
    takeCalls();
  }
};

struct EventCase {
  const char* name;
  bool enabled;
  bool enabled_sb;
  std::function<void()> raise;
  Calls expected;
};

TEST_F(LockScreenEventTest, DeviceEventsReachTheControllerAsTheSwitchesSay) {
  stock<sig::StartWakeAnimations>("SBScreenWakeAnimationController", "_startWakeAnimationsForWaking:animationSettings:");
  stock<sig::Action>("SBLockScreenManager", "lockScreenViewControllerDidPresent");
  stock<sig::Action>("SBLockScreenManager", "lockScreenViewControllerWillDismiss");
  stock<sig::NotificationAction>("SBLockScreenManager", "_handleBacklightLevelWillChange:");
  stock<sig::PresentationStateChange>("SBControlCenterController", "controlCenterViewController:didChangePresentationState:");
  stock<sig::AlarmsUpdated>("MTAlarmManagerExportedObject", "alarmsUpdated:");
  stock<sig::ValueSetter>("SBApplication", "setBadgeValue:");
  stock<sig::Action>("SBStatusBarStateAggregator", "_updateTimeItems");
  stock<sig::ItemChanged>("SBStatusBarStateAggregator", "_notifyItemChanged:");
  stock<sig::Action>("SBFLockScreenDateView", "_updateLabels");
  install();
  state().hooks.updateWebViews = [this] { record("updateWebViews"); };

  objc::Object wake("SBScreenWakeAnimationController");
  objc::Object manager("SBLockScreenManager");
  objc::Object controlCenter("SBControlCenterController");
  objc::Object alarms("MTAlarmManagerExportedObject");
  objc::Object app("SBApplication");
  objc::Object aggregator("SBStatusBarStateAggregator");
  objc::Object dateView("SBFLockScreenDateView");
  const auto wakeUp = [&] { objc::send<sig::StartWakeAnimations>(wake, "_startWakeAnimationsForWaking:animationSettings:", true, nullptr); };
  const auto unlock = [&] { objc::send<sig::Action>(manager, "lockScreenViewControllerWillDismiss"); };
  const auto backlight = [&](platform::Value factor) {
    objc::send<sig::NotificationAction>(manager, "_handleBacklightLevelWillChange:",
                                        platform::foundation::Notification{"backlight", {{"SBBacklightNewFactorKey", factor}}});
  };
  const auto s = std::string("stock ");

  const EventCase cases[] = {
      {"wake, theme on", true, false, wakeUp,
       {"timeUpdated lockscreen", "timeUpdated homescreen", "deviceWakening YES", s + "_startWakeAnimationsForWaking:animationSettings:"}},
      {"wake, home theme only", false, true, wakeUp,
       {"timeUpdated lockscreen", "timeUpdated homescreen", s + "_startWakeAnimationsForWaking:animationSettings:"}},
      {"going to sleep", true, true,
       [&] { objc::send<sig::StartWakeAnimations>(wake, "_startWakeAnimationsForWaking:animationSettings:", false, nullptr); },
       {s + "_startWakeAnimationsForWaking:animationSettings:"}},
      {"lock presented", false, true, [&] { objc::send<sig::Action>(manager, "lockScreenViewControllerDidPresent"); },
       {"deviceUnlocked NO", s + "lockScreenViewControllerDidPresent"}},
      {"unlock, theme on", true, false, unlock,
       {s + "lockScreenViewControllerWillDismiss", "deviceUnlocked YES", "deviceWakening NO"}},
      {"unlock, home theme only", false, true, unlock,
       {s + "lockScreenViewControllerWillDismiss", "timeUpdated homescreen", "deviceUnlocked YES"}},
      {"unlock, both off", false, false, unlock, {s + "lockScreenViewControllerWillDismiss"}},
      {"backlight to 0", true, false, [&] { backlight(0); }, {s + "_handleBacklightLevelWillChange:", "deviceWakening NO"}},
      {"backlight to \"0\"", true, false, [&] { backlight("0"); }, {s + "_handleBacklightLevelWillChange:", "deviceWakening NO"}},
      {"backlight to 0.5", true, false, [&] { backlight(0.5); }, {s + "_handleBacklightLevelWillChange:"}},
      {"control centre state 3", false, false,
       [&] { objc::send<sig::PresentationStateChange>(controlCenter, "controlCenterViewController:didChangePresentationState:", nullptr, std::int64_t{3}); },
       {"timeUpdated homescreen", s + "controlCenterViewController:didChangePresentationState:"}},
      {"control centre state 1", true, true,
       [&] { objc::send<sig::PresentationStateChange>(controlCenter, "controlCenterViewController:didChangePresentationState:", nullptr, std::int64_t{1}); },
       {s + "controlCenterViewController:didChangePresentationState:"}},
      {"alarms", true, false, [&] { objc::send<sig::AlarmsUpdated>(alarms, "alarmsUpdated:", platform::Value::array()); },
       {s + "alarmsUpdated:", "timeUpdated lockscreen", "timeUpdated homescreen"}},
      {"badge, both off", false, false, [&] { objc::send<sig::ValueSetter>(app, "setBadgeValue:", "3"); },
       {s + "setBadgeValue:", "fastUpdate homescreen", "fastUpdate lockscreen"}},
      {"time items", false, true, [&] { objc::send<sig::Action>(aggregator, "_updateTimeItems"); },
       {s + "_updateTimeItems", "fastUpdate homescreen", "fastUpdate lockscreen"}},
      {"status bar item", true, false, [&] { objc::send<sig::ItemChanged>(aggregator, "_notifyItemChanged:", std::int64_t{7}); },
       {s + "_notifyItemChanged:", "updateWebViews", "fastUpdate homescreen", "fastUpdate lockscreen"}},
      {"status bar item, both off", false, false,
       [&] { objc::send<sig::ItemChanged>(aggregator, "_notifyItemChanged:", std::int64_t{7}); }, {s + "_notifyItemChanged:"}},
      {"date labels, theme not attached", true, false, [&] { objc::send<sig::Action>(dateView, "_updateLabels"); },
       {s + "_updateLabels"}},
  };
  for (const EventCase& test : cases) {
    state().settings.enabled = test.enabled;
    state().settings.enabled_sb = test.enabled_sb;
    test.raise();
    EXPECT_EQ(takeCalls(), test.expected) << test.name;
  }

  state().settings.enabled = true;
  state().lockScreen.lockScreenThemeAttached = true;
  objc::send<sig::Action>(dateView, "_updateLabels");
  EXPECT_EQ(takeCalls(), (Calls{s + "_updateLabels", "timeUpdated lockscreen"}));
}

TEST_F(LockScreenEventTest, FastWakeGivesTheWakeFilterNoDurationAndLaunchRefreshesHalfASecondLater) {
  stock<sig::StartWakeAnimations>("SBScreenWakeAnimationController", "_startWakeAnimationsForWaking:animationSettings:");
  stock<sig::ObjectAction>("SpringBoard", "applicationDidFinishLaunching:");
  objc::Class& settingsClass = declare("SBWakeAnimationSettings");
  objc::Class& filterClass = declare("SBFilterSettings");
  install();
  state().hooks.showChargingAnimation = [this] { record("showChargingAnimation"); };
  state().hooks.showChargingAnimationAfterWake = [this] { record("showChargingAnimationAfterWake"); };

  const auto filter = testing::makeObject("SBFilterSettings");
  double duration = 0.3;
  ObjectRef awake;
  objc::addMethod<sig::SetSeconds>(filterClass, "setDuration:", [&](objc::Object&, double value) { duration = value; });
  objc::addMethod<sig::Getter>(settingsClass, "sleepWallpaperFilterSettings", [&](objc::Object&) -> ObjectRef { return filter; });
  objc::addMethod<sig::Setter>(settingsClass, "setAwakeWallpaperFilterSettings:", [&](objc::Object&, ObjectRef value) { awake = value; });
  const auto animationSettings = testing::makeObject("SBWakeAnimationSettings");

  state().settings.fastwake = true;
  state().settings.showbatteryanimationonwake = true;
  objc::Object wake("SBScreenWakeAnimationController");
  objc::send<sig::StartWakeAnimations>(wake, "_startWakeAnimationsForWaking:animationSettings:", false, animationSettings);
  EXPECT_EQ(duration, 0);
  EXPECT_EQ(awake, filter);
  MainQueue::shared().advance(0.1);
  EXPECT_EQ(takeCalls(), (Calls{"stock _startWakeAnimationsForWaking:animationSettings:", "showChargingAnimationAfterWake"}));

  state().settings.enabled_sb = true;
  objc::Object springBoard("SpringBoard");
  objc::send<sig::ObjectAction>(springBoard, "applicationDidFinishLaunching:", nullptr);
  EXPECT_EQ(takeCalls(), (Calls{"stock applicationDidFinishLaunching:", "showChargingAnimation"}));
  MainQueue::shared().advance(0.4);
  EXPECT_TRUE(takeCalls().empty());
  MainQueue::shared().advance(0.1);
  EXPECT_EQ(takeCalls(), (Calls{"timeUpdated lockscreen", "timeUpdated homescreen"}));
}

TEST_F(LockScreenEventTest, TouchesOnTheListAreForwardedAtMostOncePerFourTenthsOfASecond) {
  declare("NCNotificationListView");
  declare("SBStockListView", "NCNotificationListView");
  objc::Class& base = declare("CSCoverSheetViewBase");
  std::shared_ptr<View> hit;
  objc::addMethod<sig::HitTest>(base, "hitTest:withEvent:", [&](objc::Object&, Point, const Event*) { return hit; });
  install();
  state().settings.enabled = state().settings.enablelstouch = true;
  state().settings.lsthemexaxis = 5;
  std::vector<double> forwarded;
  state().hooks.checkLSTouch = [&](Point, const Event* event, Point offset, const std::shared_ptr<View>& touched) {
    EXPECT_EQ(offset, (Point{5, 0}));
    EXPECT_EQ(touched, hit);
    forwarded.push_back(event->timestamp);
  };
  const auto coverSheet = RuntimeView::make("CSCoverSheetViewBase");
  const auto list = RuntimeView::make("SBStockListView");
  const auto otherView = RuntimeView::make("CSCoverSheetViewBase");
  const auto touch = [&](const std::shared_ptr<View>& target, double at) {
    hit = target;
    platform::ui::Event event;
    event.timestamp = at;
    EXPECT_EQ(objc::send<sig::HitTest>(*coverSheet, "hitTest:withEvent:", Point{10, 10}, &event), target);
  };

  // About three weeks of uptime, where a float can no longer tell 0.3 s apart.
  constexpr double start = 2'000'000.0;
  touch(list, start);
  touch(list, start + 0.3);
  touch(otherView, start + 1.0);
  touch(list, start + 1.0);
  touch(list, start + 1.4);
  touch(list, start + 1.41);
  EXPECT_EQ(forwarded, (std::vector<double>{start, start + 1.0, start + 1.41}));

  state().settings.enablelstouch = false;
  touch(list, start + 5);
  EXPECT_EQ(forwarded.size(), 3u);
}

class ForecastTest : public LockScreenEventTest {
 protected:
  void SetUp() override {
    stock<sig::ForecastModelSetter>("WALockscreenWidgetViewController", "setCurrentForecastModel:");
    objc::Class& model = declare("WAForecastModel");
    // City and temperature lead back to the model itself, which knows its Fahrenheit value.
    objc::addMethod<sig::Getter>(model, "city", [](objc::Object& self) -> ObjectRef {
      return static_cast<objc::SharedObject&>(self).shared_from_this();
    });
    objc::addMethod<sig::Getter>(model, "temperature", [](objc::Object& self) -> ObjectRef {
      return static_cast<objc::SharedObject&>(self).shared_from_this();
    });
    objc::addMethod<sig::Seconds>(model, "fahrenheit", [this](objc::Object& self) { return fahrenheit[&self]; });
    install();
    state().hooks.parseModel = [this](const ObjectRef& parsed) { parsedModels.push_back(parsed); };
  }

  ObjectRef forecast(double degrees) {
    ObjectRef model = testing::makeObject("WAForecastModel");
    fahrenheit[model.get()] = degrees;
    return model;
  }

  std::map<const objc::Object*, double> fahrenheit;
  std::vector<ObjectRef> parsedModels;
};

TEST_F(ForecastTest, AModelWithoutAWholeDegreeIsNeverKeptAndTheKeptOneStandsIn) {
  objc::Object widget("WALockscreenWidgetViewController");
  const auto send = [&](const ObjectRef& model) {
    objc::send<sig::ForecastModelSetter>(widget, "setCurrentForecastModel:", model);
  };
  const ObjectRef tooEarly = forecast(0.4);
  const ObjectRef warm = forecast(71);
  const ObjectRef empty = forecast(0);
  send(tooEarly);
  EXPECT_TRUE(parsedModels.empty());
  send(warm);
  send(empty);
  send(nullptr);
  EXPECT_EQ(parsedModels, (std::vector<ObjectRef>{warm, warm}));
  EXPECT_EQ(state().lockScreen.savedModel, warm);
  EXPECT_EQ(takeCalls().size(), 4u) << "the widget gets every model as it came";
}

TEST_F(LockScreenEventTest, WithMusicOnOnlyMediaRemotesAnswerIsStored) {
  objc::Class& media = declare("SBMediaController");
  std::vector<platform::Value> stored;
  objc::addMethod<sig::ValueSetter>(media, "setNowPlayingInfo:", [&](objc::Object&, platform::Value info) {
    stored.push_back(std::move(info));
  });
  install();
  std::function<void(platform::Value)> pending;
  state().links.getNowPlayingInfo = [&](std::function<void(platform::Value)> completion) { pending = std::move(completion); };
  const auto controller = testing::makeObject("SBMediaController");
  const platform::Value springBoards = {{"title", "from SpringBoard"}};

  objc::send<sig::ValueSetter>(*controller, "setNowPlayingInfo:", springBoards);
  EXPECT_TRUE(stored.empty());
  ASSERT_TRUE(pending);
  pending(platform::Value{{"kMRMediaRemoteNowPlayingInfoTitle", "from MediaRemote"}});
  EXPECT_EQ(stored, (std::vector<platform::Value>{{{"kMRMediaRemoteNowPlayingInfoTitle", "from MediaRemote"}}}));
  EXPECT_EQ(takeCalls(), (Calls{"fastUpdate lockscreen", "fastUpdate homescreen"}));

  // Not a dictionary, or the switch off: passed on at once.
  stored.clear();
  pending = nullptr;
  objc::send<sig::ValueSetter>(*controller, "setNowPlayingInfo:", nullptr);
  state().settings.enablemusic = false;
  objc::send<sig::ValueSetter>(*controller, "setNowPlayingInfo:", springBoards);
  EXPECT_EQ(stored, (std::vector<platform::Value>{nullptr, springBoards}));
  EXPECT_FALSE(pending);
}

TEST_F(LockScreenEventTest, TheTimerLabelMirrorsTheSystemTimerFromVersionTen) {
  objc::Class& controllerClass = declareWithStock<sig::Action>("CSTimerViewController", "_updateTimerLabelView");
  declareWithStock<sig::Action>("CSTimerViewController", "_stopTimer");
  objc::Class& timerView = declare("SBUITimerView");
  objc::addMethod<sig::Text>(timerView, "string", [](objc::Object&) { return std::string("04:59"); });
  const auto view = testing::makeObject("SBUITimerView");
  objc::addMethod<sig::Getter>(controllerClass, "timerView", [view](objc::Object&) -> ObjectRef { return view; });
  install();
  objc::Object controller("CSTimerViewController");

  objc::send<sig::Action>(controller, "_updateTimerLabelView");
  state().lockScreen.timerLabel = platform::ui::Label::make();
  state().lockScreen.timerLabel->setHidden(true);
  state().systemVersion = 9;
  objc::send<sig::Action>(controller, "_updateTimerLabelView");
  EXPECT_EQ(state().lockScreen.timerLabel->text(), "Timer:04:59");
  EXPECT_FALSE(state().lockScreen.timerLabel->isHidden());
  objc::send<sig::Action>(controller, "_stopTimer");
  EXPECT_FALSE(state().lockScreen.timerLabel->isHidden()) << "below version 10 the label stays";
  state().systemVersion = 16;
  objc::send<sig::Action>(controller, "_stopTimer");
  EXPECT_EQ(state().lockScreen.timerLabel->text(), "");
  EXPECT_TRUE(state().lockScreen.timerLabel->isHidden());
}

TEST_F(LockScreenEventTest, DimmingAnswersFollowTheSettings) {
  objc::Class& monitor = declare("SBIdleTimerGlobalStateMonitor");
  objc::addMethod<sig::Seconds>(monitor, "minimumLockscreenIdleTime", [](objc::Object&) { return 8.0; });
  declareWithStock<sig::Answer>("SBDashBoardIdleTimerProvider", "isIdleTimerEnabled");
  install();
  objc::Object idle("SBIdleTimerGlobalStateMonitor");
  objc::Object provider("SBDashBoardIdleTimerProvider");
  state().settings.dimtime = 30;
  EXPECT_EQ(objc::send<sig::Seconds>(idle, "minimumLockscreenIdleTime"), 8.0);
  state().settings.dimtimeenabled = true;
  EXPECT_EQ(objc::send<sig::Seconds>(idle, "minimumLockscreenIdleTime"), 30.0);
  EXPECT_TRUE(objc::send<sig::Answer>(provider, "isIdleTimerEnabled"));
  state().settings.stopdim = true;
  EXPECT_FALSE(objc::send<sig::Answer>(provider, "isIdleTimerEnabled"));
  EXPECT_TRUE(takeCalls().empty()) << "the stock idle answer is never asked";
}

}  // namespace
}  // namespace vantile::integration
