#include "controller/tests/ControllerTestSupport.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::foundation::MainQueue;

class RefreshScheduling : public ControllerTest {
 protected:
  RefreshScheduling() {
    // Every data pass starts by asking for the installed apps.
    controller->hooks.appRecords = [this] {
      ++dataPasses;
      return std::vector<Value>{};
    };
    controller->providers.checkIfWeatherNeedsUpdating = [this] { ++weatherChecks; };
    controller->providers.saveSystemJSON = [this] { ++snapshots; };
  }

  void loadLockScreen(const Value& children = {{"T", label("[seconds]")}}) {
    std::vector<std::string> order;
    for (const auto& [name, element] : children.items()) order.push_back(name);
    controller->createViewFromTheme(writeTheme("lock.json", theme(children, order)), "lockscreen");
  }

  int dataPasses = 0;
  int weatherChecks = 0;
  int snapshots = 0;
};

TEST_F(RefreshScheduling, RefreshesBeforeAnyLoadDoNothing) {
  controller->fastUpdate("lockscreen");
  controller->timeUpdated("lockscreen");
  MainQueue::shared().advance(3);
  EXPECT_EQ(dataPasses, 0);
  EXPECT_EQ(snapshots, 0);
}

TEST_F(RefreshScheduling, FastUpdateRefreshesAtOnceEveryTime) {
  loadLockScreen();
  controller->fastUpdate("lockscreen");
  controller->fastUpdate("lockscreen");
  controller->fastUpdate("elsewhere");
  EXPECT_EQ(dataPasses, 3);
  EXPECT_EQ(snapshots, 3);
}

TEST_F(RefreshScheduling, TimeEventsInABurstGiveOneRefreshTwoSecondsLater) {
  loadLockScreen();
  MainQueue::shared().advance(10);
  const auto firstEvent = MainQueue::shared().now();
  controller->timeUpdated("lockscreen");
  MainQueue::shared().advance(0.4);
  controller->timeUpdated("lockscreen");
  MainQueue::shared().advance(0.4);
  controller->timeUpdated("lockscreen");

  MainQueue::shared().advance(1.1);
  EXPECT_EQ(dataPasses, 0) << "not before 2 s";
  MainQueue::shared().advance(1.0);
  EXPECT_EQ(dataPasses, 1);
  ASSERT_TRUE(controller->lastTimeUpdate);
  EXPECT_NEAR(*controller->lastTimeUpdate, firstEvent + 2, 1e-6) << "stamped by the first one to run";
}

TEST_F(RefreshScheduling, ATimeEventWithinThreeSecondsOfTheLastRefreshIsSkipped) {
  loadLockScreen();
  controller->timeUpdated("lockscreen");
  MainQueue::shared().advance(2.5);
  EXPECT_EQ(dataPasses, 0) << "the load stamped the time 2 s before";

  MainQueue::shared().advance(2);
  controller->timeUpdated("lockscreen");
  MainQueue::shared().advance(2);
  EXPECT_EQ(dataPasses, 1) << "4.5 s after the load";
}

TEST_F(RefreshScheduling, OneTickChainServesBothLocations) {
  loadLockScreen();
  controller->createViewFromTheme(writeTheme("home.json", theme({{"H", label("[seconds]")}}, {"H"})), "homescreen");
  ASSERT_EQ(controller->updateEverySecondArray.size(), 2u);
  weatherChecks = 0;

  MainQueue::shared().advance(1);
  EXPECT_EQ(weatherChecks, 2) << "each entry once a second";
  MainQueue::shared().advance(3);
  EXPECT_EQ(weatherChecks, 8);
}

TEST_F(RefreshScheduling, TheTickKeepsLabelsCurrent) {
  loadLockScreen({{"T", label("[seconds]s", {{"textStyle", "uppercase"}})}});
  const auto label = std::dynamic_pointer_cast<platform::ui::Label>(controller->vantileView->subviews().front());
  ASSERT_TRUE(label);
  MainQueue::shared().advance(1);
  const std::string before = label->text();
  MainQueue::shared().advance(1);
  EXPECT_NE(label->text(), before);
  EXPECT_TRUE(label->text().ends_with("S"));
}

TEST_F(RefreshScheduling, ReloadsAndNewLoadsDropTheEntriesOfReplacedViews) {
  loadLockScreen({{"T", label("[seconds]")}, {"U", label("[seconds]")}});
  ASSERT_EQ(controller->updateEverySecondArray.size(), 2u);

  controller->reloadThemes();
  EXPECT_EQ(controller->updateEverySecondArray.size(), 2u);
  loadLockScreen({{"T", label("[seconds]")}, {"U", label("[seconds]")}});
  EXPECT_EQ(controller->updateEverySecondArray.size(), 2u);
  for (const auto& entry : controller->updateEverySecondArray) {
    EXPECT_TRUE(entry.itemView->isDescendantOfView(*controller->vantileView));
  }
}

struct TriggerCase {
  const char* name;
  std::string trigger;
  bool flag;
  std::vector<std::string> animated;
};

void PrintTo(const TriggerCase& triggerCase, std::ostream* out) { *out << triggerCase.name; }

class WakeTriggers : public RefreshScheduling, public ::testing::WithParamInterface<TriggerCase> {};

TEST_P(WakeTriggers, AnimateTheNamedElementATenthOfASecondLater) {
  std::vector<std::string> animated;
  controller->hooks.handleAnimation = [&animated](const std::shared_ptr<platform::ui::View>& view) {
    animated.push_back(view->accessibilityIdentifier().value_or(""));
  };
  Value box = container(Value::object());
  box["triggerOnWake"] = GetParam().trigger;
  Value blocked = container(Value::object());
  blocked["triggerOnWake"] = "wake:*,sleep:Second";
  loadLockScreen({{"Blocked", blocked}, {"Box", box}, {"First", label("1")}, {"Second", label("2")}});

  controller->deviceWakening(GetParam().flag);
  MainQueue::shared().advance(0.05);
  EXPECT_TRUE(animated.empty());
  MainQueue::shared().advance(0.1);
  EXPECT_EQ(animated, GetParam().animated);
}

INSTANTIATE_TEST_SUITE_P(
    Triggers, WakeTriggers,
    ::testing::Values(TriggerCase{"wakingRunsTheFirst", "wake:First,sleep:Second", true, {"First"}},
                      TriggerCase{"sleepingRunsTheSecond", "wake:First,sleep:Second", false, {"Second"}},
                      TriggerCase{"starDisables", "wake:First,sleep:*", true, {}},
                      TriggerCase{"none", "none", true, {}}, TriggerCase{"singlePair", "wake:First", true, {}},
                      TriggerCase{"unknownName", "wake:Ghost,sleep:Second", true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RefreshScheduling, UnlockTriggersUseTheHomeScreen) {
  std::vector<bool> lockScreenFlags;
  controller->hooks.handleAnimation = [this, &lockScreenFlags](const std::shared_ptr<platform::ui::View>&) {
    lockScreenFlags.push_back(controller->isLSTap);
  };
  Value box = container(Value::object());
  box["triggerOnUnlock"] = "a:Target,b:Target";
  controller->createViewFromTheme(
      writeTheme("home.json", theme({{"Box", box}, {"Target", label("")}}, {"Box", "Target"})), "homescreen");
  controller->isLSTap = true;
  controller->deviceUnlocked(true);
  MainQueue::shared().advance(0.2);
  EXPECT_EQ(lockScreenFlags, std::vector<bool>{false});
}

TEST_F(RefreshScheduling, AnElapsedBarFollowsThePlayingItem) {
  bool playing = true;
  controller->providers.isMusicPlaying = [&playing] { return playing; };
  controller->providers.internalElapsed = [] { return 50.0F; };
  controller->providers.internalDuration = [] { return 200.0F; };
  const Value bar = {{"type", "ElapsedBar"}, {"frame", {{"x", "0"}, {"y", "0"}, {"width", "100"}, {"height", "10"}}}};
  loadLockScreen({{"Bar", bar}});
  const auto fill = controller->vantileView->subviews().front()->viewWithTag(9968);
  ASSERT_TRUE(fill);
  EXPECT_EQ(fill->frame().width(), 25);

  controller->providers.internalElapsed = [] { return 100.0F; };
  playing = false;
  MainQueue::shared().advance(1);
  EXPECT_EQ(fill->frame().width(), 25) << "without a playing item the bar keeps its state";
}

}  // namespace
}  // namespace vantile::testing
