#include <memory>

#include "controller/actions/ElementActions.h"
#include "controller/actions/HomeScreenGestures.h"
#include "controller/actions/TouchRouting.h"
#include "controller/tests/ControllerTestSupport.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/services/SBLockScreenManager.h"
#include "platform/springboard/services/SBMediaController.h"
#include "platform/ui/feedback/AlertSounds.h"
#include "platform/ui/feedback/ImpactFeedbackGenerator.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/Device.h"
#include "platform/ui/views/View.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::foundation::MainQueue;
using platform::springboard::DeviceModel;
using platform::springboard::DeviceState;
using platform::springboard::SpringBoardProcess;
using platform::ui::View;

constexpr const char* kSafari = "com.apple.mobilesafari";
constexpr const char* kMusic = "com.apple.Music";

Value element(double x, double y, const Value& extra) {
  Value element = {{"type", "UIView"},
                   {"frame",
                    {{"x", std::to_string(int(x))}, {"y", std::to_string(int(y))}, {"width", "100"}, {"height", "100"}}}};
  for (const auto& [key, value] : extra.items()) element[key] = value;
  return element;
}

// A stand-in drawer: a plain view whose open flag and completion the test holds.
struct FakeDrawer {
  std::shared_ptr<View> view;
  bool open = false;
  std::function<void(const std::string&)> completion;
  int made = 0;
};

class Actions : public ControllerTest {
 protected:
  Actions() {
    platform::ui::ImpactFeedbackGenerator::forgetImpacts();
    platform::ui::forgetPlayedAlertSounds();
    auto& drawer = controller->hooks.drawer;
    drawer.initAppDrawerWithFrame = [this](const platform::graphics::Rect& frame) {
      fake.view = View::make(frame);
      fake.open = true;
      ++fake.made;
      return fake.view;
    };
    drawer.setCompletionBlock = [this](View&, std::function<void(const std::string&)> completion) {
      fake.completion = std::move(completion);
    };
    drawer.isDrawerOpen = [this](const View&) { return fake.open; };
    drawer.setDrawerOpen = [this](View&, bool open) { fake.open = open; };
  }

  ~Actions() override {
    process.reset();
    platform::ui::Device::currentDevice().setSystemVersion(systemVersion_);
    platform::ui::Device::currentDevice().setFeedbackSupportLevel(2);
  }

  SpringBoardProcess& start(bool locked) {
    DeviceState state;
    state.locked = locked;
    for (const char* bundleID : {kSafari, kMusic}) {
      platform::springboard::AppState app;
      app.bundleID = bundleID;
      app.name = bundleID;
      state.apps.push_back(app);
    }
    process = std::make_unique<SpringBoardProcess>(state);
    process->launch();
    return *process;
  }

  void load(const std::string& location, const Value& children) {
    std::vector<std::string> order;
    for (const auto& [name, element] : children.items()) order.push_back(name);
    controller->createViewFromTheme(writeTheme(location + ".json", theme(children, order)), location);
  }

  std::shared_ptr<View> view(const std::string& location, const std::string& name) {
    const auto& preset = location == "lockscreen" ? controller->vantilePreset : controller->vantilePresetSB;
    const auto& root = location == "lockscreen" ? controller->vantileView : controller->vantileViewSB;
    const auto tag = preset->nameIndex.tagForName(name);
    return tag ? preset->views.find(*tag, *root) : nullptr;
  }

  std::shared_ptr<platform::springboard::SBHomeScreenView> home() const { return process->homeScreenView(); }

  std::unique_ptr<SpringBoardProcess> process;
  FakeDrawer fake;
  TouchRouting routing{*controller};
  ElementActions actions{*controller};

 private:
  std::string systemVersion_ = platform::ui::Device::currentDevice().systemVersion();
};

TEST_F(Actions, OnlyTheLastWordContainedGetsARecogniserAndForwardedTouchesNeedExactWords) {
  start(false);
  load("homescreen", {{"M", element(0, 0, {{"actions", "openDrawer,vibrate"}})}});
  const auto menu = view("homescreen", "M");
  ASSERT_EQ(menu->gestureRecognizers().size(), 1U);
  platform::ui::TouchInjector(controller->vantileViewSB).tap({50, 50});
  EXPECT_EQ(platform::ui::ImpactFeedbackGenerator::impacts().size(), 1U);
  EXPECT_EQ(fake.made, 0);

  routing.checkSBTouch({50, 50}, {0, 0});
  EXPECT_EQ(platform::ui::ImpactFeedbackGenerator::impacts().size(), 1U);
}

TEST_F(Actions, WordsAreCaseSensitiveAndNoneInstallsNothing) {
  start(false);
  load("homescreen", {{"A", element(0, 0, {{"actions", "none"}})},
                      {"B", element(0, 100, {{"actions", "openplayingmusic"}})},
                      {"C", element(0, 200, {{"actions", "openDrawer"}})}});
  EXPECT_TRUE(view("homescreen", "A")->gestureRecognizers().empty());
  EXPECT_TRUE(view("homescreen", "B")->gestureRecognizers().empty());
  routing.checkSBTouch({50, 250}, {0, 0});
  EXPECT_EQ(fake.made, 0);
  platform::ui::TouchInjector(controller->vantileViewSB).tap({50, 250});
  EXPECT_EQ(fake.made, 1);
  EXPECT_EQ(fake.view->superview(), controller->vantileViewSB);
  EXPECT_EQ(fake.view->frame(), controller->vantileViewSB->bounds());
}

TEST_F(Actions, ALockScreenAppOpensOnlyAfterASuccessfulUnlock) {
  auto& springBoard = start(true);
  load("lockscreen", {{"L", element(0, 0, {{"bundleID", kSafari}, {"actions", "vibrate"}})}});
  springBoard.lockScreenManager()->unlockUI = [] { return false; };
  routing.checkLSTouch({60, 70}, {10, 20});
  EXPECT_EQ(platform::ui::ImpactFeedbackGenerator::impacts().size(), 1U);
  EXPECT_FALSE(springBoard.frontApplication());
  const auto request = springBoard.lockScreenManager()->lastUnlockRequest;
  ASSERT_NE(request, nullptr);
  EXPECT_EQ(request->name, "Vantile");
  EXPECT_EQ(request->source, 17);
  EXPECT_EQ(request->intent, 3);

  springBoard.lockScreenManager()->unlockUI = [&] {
    springBoard.unlock();
    return !DeviceModel::shared().state().locked;
  };
  routing.checkLSTouch({60, 70}, {10, 20});
  EXPECT_EQ(springBoard.frontApplication(), kSafari);
}

TEST_F(Actions, AnUnlockedDeviceLaunchesAtOnceAndHomeScreenAppsOpenThroughTheSystemService) {
  auto& springBoard = start(false);
  load("lockscreen", {{"L", element(0, 0, {{"bundleID", kMusic}})}});
  routing.checkLSTouch({50, 50}, {0, 0});
  EXPECT_EQ(springBoard.frontApplication(), kMusic);
  EXPECT_EQ(springBoard.lockScreenManager()->lastUnlockRequest, nullptr);

  load("homescreen", {{"S", element(0, 0, {{"bundleID", kSafari}})}});
  routing.checkSBTouch({50, 50}, {0, 0});
  EXPECT_EQ(springBoard.frontApplication(), kSafari);
}

TEST_F(Actions, TouchesSkipHiddenNearlyTransparentAndNonInteractiveElements) {
  start(false);
  load("homescreen", {{"Back", element(0, 0, {{"actions", "vibrate"}})},
                      {"Hidden", element(0, 0, {{"actions", "toggleFlashlight"}})},
                      {"Faint", element(0, 0, {{"actions", "toggleFlashlight"}})},
                      {"Inert", element(0, 0, {{"actions", "toggleFlashlight"}})}});
  view("homescreen", "Hidden")->setHidden(true);
  view("homescreen", "Faint")->setAlpha(0.005);
  view("homescreen", "Inert")->setUserInteractionEnabled(false);
  int flashes = 0;
  const auto observation = platform::foundation::DarwinNotificationCenter::shared().addObserver(
      ElementActions::kToggleFlashlightNotification, [&](const std::string&) { ++flashes; });
  routing.checkSBTouch({50, 50}, {0, 0});
  MainQueue::shared().runPending();
  EXPECT_EQ(flashes, 0);
  EXPECT_EQ(platform::ui::ImpactFeedbackGenerator::impacts().size(), 1U);
  actions.toggleFlashlight();
  MainQueue::shared().runPending();
  EXPECT_EQ(flashes, 1);
}

TEST_F(Actions, VibrationFallsBackToTheAlertSoundWithoutAHapticEngine) {
  for (const int level : {0, 1, 2}) {
    platform::ui::Device::currentDevice().setFeedbackSupportLevel(level);
    platform::ui::ImpactFeedbackGenerator::forgetImpacts();
    platform::ui::forgetPlayedAlertSounds();
    actions.doVibrate();
    if (level > 1) {
      ASSERT_EQ(platform::ui::ImpactFeedbackGenerator::impacts().size(), 1U);
      EXPECT_EQ(platform::ui::ImpactFeedbackGenerator::impacts()[0].style, 3);
      EXPECT_TRUE(platform::ui::ImpactFeedbackGenerator::impacts()[0].prepared);
      EXPECT_TRUE(platform::ui::playedAlertSounds().empty());
    } else {
      EXPECT_TRUE(platform::ui::ImpactFeedbackGenerator::impacts().empty()) << level;
      EXPECT_EQ(platform::ui::playedAlertSounds(), std::vector<std::uint32_t>{1519}) << level;
    }
  }
}

TEST_F(Actions, OverlaysOpenThroughTheIconControllerAndTheTodayViewNeedsTen) {
  start(false);
  platform::ui::Device::currentDevice().setSystemVersion("9.3");
  actions.openTodayView();
  EXPECT_TRUE(home()->todayView()->isHidden());
  platform::ui::Device::currentDevice().setSystemVersion("16.0");
  actions.openTodayView();
  EXPECT_FALSE(home()->todayView()->isHidden());
  actions.openAppLibrary();
  EXPECT_FALSE(home()->libraryView()->isHidden());
  actions.openSpotlight();
  EXPECT_FALSE(home()->searchView()->isHidden());
}

TEST_F(Actions, TheMusicAppIsTheOneLastSeenPlaying) {
  auto& springBoard = start(false);
  actions.openMusicApp();
  EXPECT_FALSE(springBoard.frontApplication());

  DeviceModel::shared().update([](DeviceState& state) {
    state.nowPlaying.title = "Song";
    state.nowPlaying.app = kMusic;
    state.nowPlaying.playing = true;
  });
  actions.playMusic();
  EXPECT_FALSE(DeviceModel::shared().state().nowPlaying.playing);
  actions.playMusic();
  EXPECT_TRUE(DeviceModel::shared().state().nowPlaying.playing);
  actions.nextTrack();
  actions.prevTrack();
  EXPECT_EQ(springBoard.mediaController()->trackChanges(), (std::vector<int>{1, -1}));

  actions.openMusicApp();
  EXPECT_EQ(springBoard.frontApplication(), kMusic);
  EXPECT_EQ(controller->lastNowPlayingApp, kMusic);
  springBoard.homeButton();
  DeviceModel::shared().update([](DeviceState& state) { state.nowPlaying.playing = false; });
  actions.openMusicApp();
  EXPECT_EQ(springBoard.frontApplication(), kMusic);
}

TEST_F(Actions, ALongPressedLockScreenIconKeepsItsNewAppInTheLockScreenTheme) {
  start(false);
  load("lockscreen", {{"Icon", {{"type", "AppIcon"},
                                {"bundleID", kSafari},
                                {"frame", {{"x", "0"}, {"y", "0"}, {"width", "60"}, {"height", "60"}}}}}});
  load("homescreen", {{"Other", element(0, 0, {})}});
  const auto icon = view("lockscreen", "Icon");
  ASSERT_NE(icon, nullptr);
  platform::ui::TouchInjector(controller->vantileView).press({30, 30}, 0.5);
  ASSERT_EQ(fake.made, 1);
  EXPECT_EQ(fake.view->superview(), controller->vantileView);
  ASSERT_TRUE(fake.completion);
  fake.completion(kMusic);
  EXPECT_EQ(icon->layer()->name(), kMusic);
  const auto saved = platform::foundation::parseValue(
      platform::foundation::readFile(platform::foundation::devicePath(controller->currentLSTheme)).value_or(""));
  ASSERT_TRUE(saved);
  EXPECT_EQ((*saved)["PresetView"]["children"]["Icon"]["bundleID"], kMusic);
  EXPECT_EQ(controller->getLSPresetChildren()->at("Icon")["bundleID"], kMusic);
}

class Swipes : public Actions {
 protected:
  Swipes() {
    start(false);
    load("homescreen", {{"P", element(0, 0, {})}});
  }
  HomeScreenGestures gestures{*controller};
};

TEST_F(Swipes, EachSwipeHasItsOwnSwitch) {
  controller->disableSwipeUp = true;
  gestures.swipedUp();
  EXPECT_EQ(fake.made, 0);
  gestures.swipedDown();
  EXPECT_FALSE(home()->searchView()->isHidden());
  gestures.swipedRight();
  EXPECT_FALSE(home()->todayView()->isHidden());
}

TEST_F(Swipes, AnOpenDrawerBlocksEverySwipe) {
  gestures.swipedUp();
  ASSERT_EQ(fake.made, 1);
  gestures.swipedUp();
  gestures.swipedDown();
  gestures.swipedRight();
  gestures.swipedLeft();
  EXPECT_EQ(fake.made, 1);
  EXPECT_TRUE(home()->searchView()->isHidden());
  EXPECT_TRUE(home()->todayView()->isHidden());
  EXPECT_TRUE(home()->libraryView()->isHidden());
}

TEST_F(Swipes, LeftHidesAShownTodayViewThenOpensTheLibrary) {
  gestures.swipedRight();
  ASSERT_TRUE(HomeScreenGestures::todayShowing());
  gestures.swipedLeft();
  EXPECT_FALSE(HomeScreenGestures::todayShowing());
  EXPECT_TRUE(home()->libraryView()->isHidden());
  gestures.swipedLeft();
  EXPECT_FALSE(home()->libraryView()->isHidden());
}

TEST_F(Swipes, TheRootViewCarriesOneRecogniserPerDirection) {
  EXPECT_EQ(controller->vantileViewSB->gestureRecognizers().size(), 4U);
  platform::ui::TouchInjector(controller->vantileViewSB).drag({150, 500}, {150, 200}, 8);
  EXPECT_EQ(fake.made, 1);
}

TEST_F(Swipes, GoingHomeFadesTheDrawerAndRemovesItHalfASecondLater) {
  controller->swipeHappened();  // no drawer yet: nothing
  gestures.swipedUp();
  const auto drawer = fake.view;
  const double start = MainQueue::shared().now();
  platform::foundation::DarwinNotificationCenter::shared().post("com.kestrune.vantile.swipegesture");
  MainQueue::shared().runPending();
  MainQueue::shared().advance(0.1);
  EXPECT_EQ(drawer->layer()->presentationProperties().opacity, 0);
  MainQueue::shared().advance(start + 0.499 - MainQueue::shared().now());
  EXPECT_EQ(drawer->superview(), controller->vantileViewSB);
  EXPECT_TRUE(fake.open);
  MainQueue::shared().advance(0.001);
  EXPECT_EQ(drawer->superview(), nullptr);
  EXPECT_FALSE(fake.open);
  gestures.swipedUp();
  EXPECT_EQ(fake.made, 2);
}

TEST_F(Swipes, AnInterruptedFadeStillClosesTheDrawer) {
  gestures.swipedUp();
  const auto drawer = fake.view;
  controller->swipeHappened();
  drawer->layer()->removeAllAnimations();
  MainQueue::shared().advance(0.6);
  EXPECT_EQ(drawer->superview(), nullptr);
  EXPECT_FALSE(fake.open);
}

}  // namespace
}  // namespace vantile::testing
