#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/objc/MessageHook.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/homescreen/SBIconContentView.h"
#include "platform/springboard/homescreen/SBRootFolderView.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/lockscreen/CSTimerViewController.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/services/AVFlashlight.h"
#include "platform/springboard/services/MediaRemote.h"
#include "platform/springboard/services/SBMediaController.h"
#include "platform/springboard/services/SBScreenWakeAnimationController.h"
#include "platform/springboard/services/SpringBoard.h"
#include "platform/springboard/tests/SpringBoardFixture.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/views/Device.h"

namespace platform::springboard {
namespace {

namespace sig = signatures;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Replacements installed as the tweak installs them, before launch, over the process's classes.
class ReplacementTest : public testing::SpringBoardFixture {
 protected:
  SpringBoardProcess& prepare(DeviceState state = testing::sampleDevice()) { return start(std::move(state), false); }

  static objc::Class& cls(std::string_view name) {
    objc::Class* found = objc::getClass(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
  }

  template <class Sig>
  void recordCalls(std::string_view className, std::string_view selector, objc::Slot<Sig>& slot) {
    ASSERT_TRUE(objc::MSHookMessageEx(cls(className), selector,
                                      [this, &slot, name = std::string(selector)](objc::Object& self, auto... args) {
                                        calls.push_back(name);
                                        return slot(self, args...);
                                      },
                                      &slot));
  }

  std::vector<std::string> calls;
};

TEST_F(ReplacementTest, AReplacedPresentationRunsAtTheFirstPresentationOfTheLockScreen) {
  auto& springBoard = prepare();
  objc::Slot<sig::ObjectAction> kept;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("CSMainPageView"), "updateForPresentation:",
                                    [&](objc::Object& self, sig::Object presentation) {
                                      auto& page = dynamic_cast<ui::View&>(self);
                                      auto theme = ui::View::make(page.bounds());
                                      theme->setTag(8945);
                                      page.addSubview(theme);
                                      page.sendSubviewToBack(*theme);
                                      kept(self, presentation);
                                    },
                                    &kept));
  springBoard.launch();
  const auto& page = springBoard.coverSheetViewController()->mainPageView();
  EXPECT_EQ(page->presentationCount(), 1);
  ASSERT_FALSE(page->subviews().empty());
  EXPECT_EQ(page->subviews().front()->tag(), 8945);
}

TEST_F(ReplacementTest, TheHomeScreenViewIsMadeThroughAReplacedInitializer) {
  auto& springBoard = prepare();
  objc::Slot<sig::InitWithFrame> kept;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SBHomeScreenView"), "initWithFrame:",
                                    [&](objc::Object& self, graphics::Rect frame) {
                                      auto view = kept(self, frame);
                                      auto theme = ui::View::make(view->bounds());
                                      theme->setTag(8955);
                                      view->addSubview(theme);
                                      return view;
                                    },
                                    &kept));
  springBoard.launch();
  auto home = springBoard.homeScreenView();
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->window(), springBoard.homeScreenWindow());
  // In front of the content the view held when it was made.
  EXPECT_EQ(home->subviews().back()->tag(), 8955);
  EXPECT_EQ(home->viewWithTag(8955)->superview(), home);
}

TEST_F(ReplacementTest, AnOperationReplacedTwiceRunsNewestThenOlderThenStock) {
  auto& springBoard = prepare();
  objc::Slot<sig::Action> groupA;
  objc::Slot<sig::Action> groupC;
  recordCalls("SBIconContentView", "didMoveToWindow", groupA);
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SBIconContentView"), "didMoveToWindow",
                                    [&](objc::Object& self) {
                                      calls.push_back("C");
                                      groupC(self);
                                    },
                                    &groupC));
  springBoard.launch();
  EXPECT_THAT(calls, ElementsAre("C", "didMoveToWindow"));
  EXPECT_EQ(springBoard.homeScreenView()->iconContentView()->windowMoves(), 1);
}

TEST_F(ReplacementTest, ALockScreenHitTestSeesTheTouchWithAnEventStampedWithTheUptime) {
  auto& springBoard = prepare();
  springBoard.setUptime(2'000'000.25);
  struct Seen {
    std::string hitClass;
    double timestamp;
  };
  std::vector<Seen> seen;
  objc::Slot<sig::HitTest> kept;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("CSCoverSheetViewBase"), "hitTest:withEvent:",
                                    [&](objc::Object& self, graphics::Point point, const ui::Event* event) {
                                      auto hit = kept(self, point, event);
                                      seen.push_back({hit ? std::string(hit->className()) : "", event->timestamp});
                                      return hit;
                                    },
                                    &kept));
  springBoard.launch();
  const auto& list = springBoard.coverSheetViewController()->notificationListView();
  const auto listFrame = *list->convertRectToView(list->bounds(), nullptr);
  // On the first notification, then on the list below its items, then on the clock (iOS 16's).
  springBoard.tap({listFrame.origin.x + 30, listFrame.origin.y + 20});
  springBoard.tap({listFrame.origin.x + 30, listFrame.origin.y + listFrame.size.height - 5});
  springBoard.tap({180, 150});
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].hitClass, "NCMaterialDisplayingCaptureOnlyViewControllerView");
  EXPECT_EQ(seen[1].hitClass, "NCNotificationListView");
  EXPECT_EQ(seen[2].hitClass, "CSProminentTimeView");
  EXPECT_NEAR(seen[0].timestamp, 2'000'000.25, 1e-6);
  // The injected tap let 0.05 s pass, and the stamp is precise enough to show it.
  EXPECT_GT(seen[1].timestamp, seen[0].timestamp + 0.04);
}

TEST_F(ReplacementTest, AHomeScreenHitTestTellsAnEmptyPartOfThePageFromAnIcon) {
  auto& springBoard = prepare();
  std::vector<std::string> hits;
  objc::Slot<sig::HitTest> kept;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SBIconListView"), "hitTest:withEvent:",
                                    [&](objc::Object& self, graphics::Point point, const ui::Event* event) {
                                      auto hit = kept(self, point, event);
                                      hits.push_back(hit ? std::string(hit->className()) : "none");
                                      return hit;
                                    },
                                    &kept));
  springBoard.launch();
  springBoard.unlock();
  const auto& folder = springBoard.homeScreenView()->iconContentView()->rootFolderView();
  const auto icon = folder->iconListViews().front()->iconViews().front();
  const auto iconCentre = *icon->convertPointToView({30, 30}, springBoard.homeScreenWindow().get());
  springBoard.tap({iconCentre.x, iconCentre.y + 300});
  springBoard.tap(iconCentre);
  ASSERT_GE(hits.size(), 2u);
  EXPECT_EQ(hits.front(), "SBIconListView");
  EXPECT_EQ(hits.back(), "SBIconView");
  EXPECT_EQ(springBoard.frontApplication(), icon->applicationBundleIdentifier());
}

TEST_F(ReplacementTest, AReplacedFlashlightInitSeesTheFlashlightSpringBoardMakes) {
  auto& springBoard = prepare();
  std::shared_ptr<objc::Object> keptFlashlight;
  objc::Slot<sig::Init> kept;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("AVFlashlight"), "init",
                                    [&](objc::Object& self) {
                                      auto made = kept(self);
                                      if (!keptFlashlight) keptFlashlight = made;
                                      return made;
                                    },
                                    &kept));
  springBoard.launch();
  ASSERT_NE(keptFlashlight, nullptr);
  EXPECT_EQ(keptFlashlight, std::static_pointer_cast<objc::Object>(springBoard.flashlight()));
  EXPECT_TRUE(objc::send<sig::SetFlashlightLevel>(*keptFlashlight, "setFlashlightLevel:withError:", 1.0F, nullptr));
  EXPECT_EQ(DeviceModel::shared().state().flashlight, 1.0);
  EXPECT_EQ(objc::send<sig::Level>(*keptFlashlight, "flashlightLevel"), 1.0F);
  std::string error;
  EXPECT_FALSE(springBoard.flashlight()->setFlashlightLevel(2, &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(ReplacementTest, TheDateViewUpdatesItsLabelsAtTheChangeOfMinute) {
  auto& springBoard = prepare();
  std::vector<std::string> times;
  const auto now = [] {
    return *foundation::formatDate(foundation::MainQueue::shared().now(), "HH:mm:ss");
  };
  objc::Slot<sig::Action> labels;
  objc::Slot<sig::Action> prominent;
  objc::Slot<sig::Action> timeItems;
  for (auto [className, selector, slot] : {std::tuple{"SBFLockScreenDateView", "_updateLabels", &labels},
                                           std::tuple{"CSProminentTimeView", "_updateTimeString", &prominent},
                                           std::tuple{"SBStatusBarStateAggregator", "_updateTimeItems", &timeItems}}) {
    ASSERT_TRUE(objc::MSHookMessageEx(cls(className), selector,
                                      [&, kept = slot, name = selector](objc::Object& self) {
                                        times.push_back(std::string(name) + " " + now());
                                        (*kept)(self);
                                      },
                                      slot));
  }
  springBoard.launch();
  times.clear();
  foundation::MainQueue::shared().advance(9.5);
  EXPECT_TRUE(times.empty());
  foundation::MainQueue::shared().advance(61);
  EXPECT_THAT(times, ElementsAre("_updateLabels 09:00:00", "_updateTimeString 09:00:00", "_updateTimeItems 09:00:00",
                                 "_updateLabels 09:01:00", "_updateTimeString 09:01:00", "_updateTimeItems 09:01:00"));
  EXPECT_EQ(springBoard.coverSheetViewController()->prominentTimeView()->timeLabel()->text(), "9:01");
}

TEST_F(ReplacementTest, NowPlayingStoresWhatAReplacementHandsOn) {
  DeviceState state = testing::sampleDevice();
  state.nowPlaying = {"Song", "Band", "Record", 200, 30, true, "", "com.apple.Music"};
  auto& springBoard = prepare(state);
  // As a replacement that asks the media service instead of passing SpringBoard's dictionary on.
  objc::Slot<sig::ValueSetter> kept;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SBMediaController"), "setNowPlayingInfo:",
                                    [&](objc::Object& self, platform::Value) {
                                      auto controller = receiver<SBMediaController>(self).shared_from_this();
                                      MRMediaRemoteGetNowPlayingInfo([controller, &kept](platform::Value information) {
                                        information["answeredLater"] = true;
                                        kept(*controller, information);
                                      });
                                    },
                                    &kept));
  springBoard.launch();
  EXPECT_EQ(springBoard.mediaController()->storeCount(), 0);
  foundation::MainQueue::shared().runPending();
  const auto& stored = springBoard.mediaController()->nowPlayingInfo();
  EXPECT_EQ(stored.value("kMRMediaRemoteNowPlayingInfoTitle", ""), "Song");
  EXPECT_EQ(stored.value("kMRMediaRemoteNowPlayingInfoPlaybackRate", 0.0), 1.0);
  EXPECT_EQ(stored.value("kMRMediaRemoteNowPlayingInfoElapsedTime", 0.0), 30);
  EXPECT_TRUE(stored.value("answeredLater", false));
}

TEST_F(ReplacementTest, DeviceChangesRaiseSpringBoardsOwnOperations) {
  auto& springBoard = prepare();
  objc::Slot<sig::ValueSetter> badge;
  objc::Slot<sig::ItemChanged> item;
  objc::Slot<sig::Action> power;
  objc::Slot<sig::ValueSetter> nowPlaying;
  objc::Slot<sig::AlarmsUpdated> alarms;
  objc::Slot<sig::ForecastModelSetter> forecast;
  recordCalls("SBApplication", "setBadgeValue:", badge);
  recordCalls("SBStatusBarStateAggregator", "_notifyItemChanged:", item);
  recordCalls("SBUIController", "ACPowerChanged", power);
  recordCalls("SBMediaController", "setNowPlayingInfo:", nowPlaying);
  recordCalls("MTAlarmManagerExportedObject", "alarmsUpdated:", alarms);
  recordCalls("WALockscreenWidgetViewController", "setCurrentForecastModel:", forecast);
  springBoard.launch();
  calls.clear();
  struct Case {
    std::string path;
    platform::Value value;
    std::vector<std::string> raised;
  };
  const std::vector<Case> cases{
      {"apps.com.apple.MobileSMS.badge", "5", {"setBadgeValue:"}},
      {"battery.level", 30, {"_notifyItemChanged:"}},
      {"battery.externalPower", true, {"ACPowerChanged", "_notifyItemChanged:"}},
      {"wifi.bars", 1, {"_notifyItemChanged:"}},
      {"nowPlaying.title", "Next", {"setNowPlayingInfo:"}},
      {"alarm.time", "06:00", {"alarmsUpdated:", "_notifyItemChanged:"}},
      {"weather.temperature", 40, {"setCurrentForecastModel:"}},
  };
  for (const Case& change : cases) {
    calls.clear();
    ASSERT_TRUE(springBoard.setDeviceValue(change.path, change.value)) << change.path;
    EXPECT_THAT(calls, ElementsAreArray(change.raised)) << change.path;
  }
  const auto folder = springBoard.homeScreenView()->iconContentView()->rootFolderView();
  EXPECT_FALSE(folder->iconViewFor("com.apple.MobileSMS")->badgeView()->isHidden());
  calls.clear();
  springBoard.unplug();
  EXPECT_THAT(calls, ElementsAre("ACPowerChanged", "_notifyItemChanged:"));
}

TEST_F(ReplacementTest, UnlockDismissesTheLockScreenAndTheHomeScreenAnswersThatItShows) {
  auto& springBoard = prepare();
  std::vector<bool> answers;
  objc::Slot<sig::Action> willDismiss;
  objc::Slot<sig::Action> didPresent;
  objc::Slot<sig::Answer> showing;
  recordCalls("SBLockScreenManager", "lockScreenViewControllerWillDismiss", willDismiss);
  recordCalls("SBLockScreenManager", "lockScreenViewControllerDidPresent", didPresent);
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SpringBoard"), "isShowingHomescreen",
                                    [&](objc::Object& self) {
                                      const bool answer = showing(self);
                                      calls.push_back(answer ? "isShowingHomescreen YES" : "isShowingHomescreen NO");
                                      return answer;
                                    },
                                    &showing));
  springBoard.launch();
  EXPECT_THAT(calls, ElementsAre("lockScreenViewControllerDidPresent"));
  calls.clear();
  springBoard.unlock();
  EXPECT_THAT(calls, ElementsAre("lockScreenViewControllerWillDismiss", "isShowingHomescreen YES"));
  EXPECT_EQ(springBoard.shownScreen(), ShownScreen::homeScreen);
  calls.clear();
  springBoard.lock();
  EXPECT_THAT(calls, ElementsAre("lockScreenViewControllerDidPresent"));
  EXPECT_EQ(springBoard.shownScreen(), ShownScreen::lockScreen);
}

TEST_F(ReplacementTest, SleepAndWakeRunTheBacklightAndWakeAnimationOperations) {
  auto& springBoard = prepare();
  std::vector<std::string> factors;
  objc::Slot<sig::NotificationAction> backlight;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SBLockScreenManager"), "_handleBacklightLevelWillChange:",
                                    [&](objc::Object& self, const foundation::Notification& notification) {
                                      factors.push_back(notification.userInfo.at("SBBacklightNewFactorKey").dump());
                                      backlight(self, notification);
                                    },
                                    &backlight));
  std::vector<bool> wakes;
  objc::Slot<sig::StartWakeAnimations> animations;
  ASSERT_TRUE(objc::MSHookMessageEx(
      cls("SBScreenWakeAnimationController"), "_startWakeAnimationsForWaking:animationSettings:",
      [&](objc::Object& self, bool waking, sig::Object settings) {
        wakes.push_back(waking);
        // As a fast wake: the sleep filter settings with no duration become the awake ones.
        auto sleepSettings = objc::send<sig::Getter>(*settings, "sleepWallpaperFilterSettings");
        objc::send<sig::SetSeconds>(*sleepSettings, "setDuration:", 0.0);
        objc::send<sig::Setter>(*settings, "setAwakeWallpaperFilterSettings:", sleepSettings);
        animations(self, waking, settings);
      },
      &animations));
  springBoard.launch();
  springBoard.sleep();
  EXPECT_FALSE(springBoard.isScreenOn());
  springBoard.powerButton();
  EXPECT_TRUE(springBoard.isScreenOn());
  EXPECT_THAT(factors, ElementsAre("0", "1"));
  EXPECT_THAT(wakes, ElementsAre(false, true));
  EXPECT_EQ(springBoard.wakeAnimationController()->lastSettings->awakeWallpaperFilterSettings->duration, 0);
}

TEST_F(ReplacementTest, TheHomeButtonIsAPressOfType104WithoutForce) {
  auto& springBoard = prepare();
  std::vector<std::pair<long, double>> presses;
  objc::Slot<sig::PhysicalButtonEvent> kept;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SpringBoard"), "_handlePhysicalButtonEvent:",
                                    [&](objc::Object& self, const ui::Event* event) {
                                      presses.emplace_back(event->presses.front().type, event->presses.front().force);
                                      return kept(self, event);
                                    },
                                    &kept));
  springBoard.launch();
  springBoard.homeButton();
  EXPECT_THAT(presses, ElementsAre(std::pair<long, double>{104, 0}));
  // The stock handling unlocks from the lock screen.
  EXPECT_EQ(springBoard.shownScreen(), ShownScreen::homeScreen);
}

TEST_F(ReplacementTest, TheCameraHidesUntilTheCoverSheetReturnsToItsMainPage) {
  auto& springBoard = prepare();
  std::vector<bool> answers;
  objc::Slot<sig::Answer> camera;
  objc::Slot<sig::ObjectAction> dismiss;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SBCameraHardwareButton"), "_isCoverSheetCameraVisible",
                                    [&](objc::Object& self) {
                                      answers.push_back(camera(self));
                                      return answers.back();
                                    },
                                    &camera));
  recordCalls("CSCoverSheetViewController", "_dismissToMainPageFromPageViewController:", dismiss);
  springBoard.launch();
  const auto& button = springBoard.coverSheetViewController()->cameraButton();
  springBoard.tap(*button->convertPointToView({25, 25}, nullptr));
  EXPECT_THAT(answers, ElementsAre(true));
  springBoard.homeButton();
  EXPECT_THAT(calls, ElementsAre("_dismissToMainPageFromPageViewController:"));
  EXPECT_FALSE(springBoard.coverSheetViewController()->isShowingCamera());
  EXPECT_EQ(springBoard.shownScreen(), ShownScreen::lockScreen);
}

TEST_F(ReplacementTest, AReplacedLayoutOfAStockViewRunsAtTheLayoutPass) {
  auto& springBoard = prepare();
  objc::Slot<sig::Action> kept;
  ASSERT_TRUE(objc::MSHookMessageEx(cls("SBIconView"), "layoutSubviews",
                                    [&](objc::Object& self) {
                                      kept(self);
                                      objc::send<sig::Flag>(self, "setLabelHidden:", true);
                                    },
                                    &kept));
  springBoard.launch();
  const auto icon = springBoard.homeScreenView()->iconContentView()->rootFolderView()->iconViewFor("com.apple.Music");
  ASSERT_NE(icon, nullptr);
  // Laid out once when the screens were first shown; shown again, then resized.
  EXPECT_TRUE(icon->labelView()->isHidden());
  icon->labelView()->setHidden(false);
  icon->setFrame({0, 0, 70, 90});
  foundation::MainQueue::shared().runPending();
  EXPECT_TRUE(icon->labelView()->isHidden());
}

struct TimerCase {
  int ios;
  const char* labelOperation;
  const char* stopOperation;
};

class TimerReplacementTest : public ReplacementTest, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerReplacementTest, TheCountdownRunsTheOperationsOfItsVersion) {
  DeviceState state = testing::sampleDevice();
  state.ios = GetParam().ios;
  auto& springBoard = prepare(state);
  const std::string controllerClass = GetParam().ios >= 14 ? "CSTimerViewController" : "SBLockScreenTimerViewController";
  const std::string labelClass = GetParam().ios >= 14 ? "CSTimerViewController" : "SBLockScreenTimerView";
  std::vector<std::string> strings;
  objc::Slot<sig::Action> label;
  objc::Slot<sig::Action> stop;
  ASSERT_TRUE(objc::MSHookMessageEx(cls(labelClass), GetParam().labelOperation,
                                    [&](objc::Object& self) {
                                      label(self);
                                      // The timer view's string, however the class reaches it.
                                      auto timerView = GetParam().ios >= 14 ? objc::send<sig::Getter>(self, "timerView")
                                                                            : asObject(dynamic_cast<ui::View&>(self).shared_from_this());
                                      strings.push_back(objc::send<sig::Text>(*timerView, "string"));
                                    },
                                    &label));
  recordCalls(controllerClass, GetParam().stopOperation, stop);
  springBoard.launch();
  ASSERT_TRUE(springBoard.setDeviceValue("timer.remaining", 3));
  ASSERT_TRUE(springBoard.setDeviceValue("timer.running", true));
  foundation::MainQueue::shared().advance(3.5);
  EXPECT_THAT(strings, ElementsAre("0:03", "0:02", "0:01"));
  EXPECT_THAT(calls, ElementsAre(GetParam().stopOperation));
  EXPECT_TRUE(springBoard.timerViewController()->timerView()->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Versions, TimerReplacementTest,
                         ::testing::Values(TimerCase{16, "_updateTimerLabelView", "_stopTimer"},
                                           TimerCase{13, "updateTimerLabel", "_stopTimer"}),
                         [](const ::testing::TestParamInfo<TimerCase>& info) { return "iOS" + std::to_string(info.param.ios); });

TEST_F(ReplacementTest, RotationReachesTheDeviceOrientationObservers) {
  auto& springBoard = start();
  std::vector<ui::DeviceOrientation> told;
  auto observation = ui::Device::currentDevice().observeOrientationChanges(
      [&](ui::DeviceOrientation orientation) { told.push_back(orientation); });
  springBoard.rotate(ui::DeviceOrientation::landscapeLeft);
  springBoard.rotate(ui::DeviceOrientation::landscapeLeft);
  springBoard.rotate(ui::DeviceOrientation::portrait);
  EXPECT_THAT(told, ElementsAre(ui::DeviceOrientation::landscapeLeft, ui::DeviceOrientation::portrait));
}

TEST_F(ReplacementTest, OpenURLIsRecordedByTheApplication) {
  auto& springBoard = start();
  ui::Application::shared().forgetOpenedURLs();
  objc::send<sig::OpenURL>(*springBoard.springBoard(), "openURL:", std::string("prefs:root=Vantile"));
  EXPECT_THAT(ui::Application::shared().openedURLs(), ElementsAre("prefs:root=Vantile"));
}

TEST_F(ReplacementTest, TheCoverSheetPresentationManagerPullsTheCoverSheetOverTheHomeScreen) {
  auto& springBoard = start();
  springBoard.unlock();
  auto manager = objc::send<sig::Getter>(objc::getClass("SBCoverSheetPresentationManager"), "sharedInstance");
  ASSERT_NE(manager, nullptr);
  objc::send<sig::SetCoverSheetPresented>(*manager, "setCoverSheetPresented:animated:withCompletion:", true, true,
                                          std::function<void()>());
  EXPECT_EQ(springBoard.shownScreen(), ShownScreen::lockScreen);
  EXPECT_EQ(springBoard.coverSheetViewController()->mainPageView()->presentationCount(), 2);
  springBoard.swipe({187, 700}, SwipeDirection::up);
  EXPECT_EQ(springBoard.shownScreen(), ShownScreen::homeScreen);
}

}  // namespace
}  // namespace platform::springboard
