#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "integration/DarwinHandlers.h"
#include "integration/Replacements.h"
#include "integration/TweakStartup.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"

namespace vantile::integration {
namespace {

namespace objc = platform::objc;
using platform::foundation::DarwinNotificationCenter;
using platform::foundation::MainQueue;
using testing::TweakTest;

class DarwinHandlerTest : public TweakTest {
 protected:
  // A flashlight class whose init SpringBoard calls; each object keeps its own level.
  void declareFlashlight() {
    objc::Class& flashlight = declare("AVFlashlight");
    objc::addMethod<sig::Init>(flashlight, "init",
                               [](objc::Object&) -> ObjectRef { return testing::makeObject("AVFlashlight"); });
    objc::addMethod<sig::Level>(flashlight, "flashlightLevel", [this](objc::Object& self) { return levels[&self]; });
    objc::addMethod<sig::SetFlashlightLevel>(flashlight, "setFlashlightLevel:withError:",
                                             [this](objc::Object& self, float level, std::string* error) {
                                               EXPECT_EQ(error, nullptr);
                                               levels[&self] = level;
                                               return true;
                                             });
  }

  ObjectRef makeFlashlight() {
    objc::Class* flashlight = objc::getClass("AVFlashlight");
    objc::Object allocated(flashlight);
    return objc::send<sig::Init>(allocated, "init");
  }

  std::map<const objc::Object*, float> levels;
};

TEST_F(DarwinHandlerTest, TheToggleTurnsTheFirstFlashlightOffAboveZeroElseFullyOn) {
  declareFlashlight();
  declareWithStock<sig::ObjectAction>("CSMainPageView", "updateForPresentation:");
  writeSettings({{"enabled", true}});
  installTweak();
  const ObjectRef first = makeFlashlight();
  const ObjectRef second = makeFlashlight();
  ASSERT_EQ(state().keptFlashlight, first);

  const std::pair<float, float> levelToNext[] = {{0.0f, 1.0f}, {0.3f, 0.0f}, {1.0f, 0.0f}, {-0.5f, 1.0f}};
  for (const auto& [level, next] : levelToNext) {
    levels[first.get()] = level;
    DarwinNotificationCenter::shared().post("com.kestrune.vantile/toggleFlashlight");
    MainQueue::shared().advance(0);
    EXPECT_EQ(levels[first.get()], next) << "from " << level;
  }
  EXPECT_EQ(levels.count(second.get()), 0u);

  // Posts that arrive before their delivery runs are coalesced into one.
  levels[first.get()] = 0;
  DarwinNotificationCenter::shared().post("com.kestrune.vantile/toggleFlashlight");
  DarwinNotificationCenter::shared().post("com.kestrune.vantile/toggleFlashlight");
  MainQueue::shared().advance(0);
  EXPECT_EQ(levels[first.get()], 1.0f);
}

TEST_F(DarwinHandlerTest, TheToggleDoesNothingWithoutAFlashlightOrItsOperations) {
  toggleFlashlight();
  state().keptFlashlight = testing::makeObject("NSObject");
  toggleFlashlight();
  EXPECT_TRUE(takeCalls().empty());
}

TEST_F(DarwinHandlerTest, TwoThemeChangesBeforeAPresentationCostOneRebuild) {
  declareWithStock<sig::ObjectAction>("CSMainPageView", "updateForPresentation:");
  writeSettings({{"enabled", true}});
  installTweak();
  const auto page = testing::RuntimeView::make("CSMainPageView", {0, 0, 320, 568});
  objc::send<sig::ObjectAction>(*page, "updateForPresentation:", nullptr);
  takeCalls();

  DarwinNotificationCenter::shared().post("com.kestrune.vantile/lsChanged");
  DarwinNotificationCenter::shared().post("com.kestrune.vantile/lsChanged");
  MainQueue::shared().advance(0);
  objc::send<sig::ObjectAction>(*page, "updateForPresentation:", nullptr);
  objc::send<sig::ObjectAction>(*page, "updateForPresentation:", nullptr);
  const std::vector<std::string> calls = takeCalls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(),
                       "createViewFromTheme /var/mobile/Library/Vantile/themes/vertical.json lockscreen"),
            1);
}

TEST_F(DarwinHandlerTest, OpeningTheNotificationCentreAsksThePresentationManagerOnTheMainQueue) {
  openNotificationCenter();
  MainQueue::shared().advance(0);

  objc::Class& manager = declare("SBCoverSheetPresentationManager");
  const auto shared = testing::makeObject("SBCoverSheetPresentationManager");
  objc::addClassMethod<sig::Getter>(manager, "sharedInstance", [shared](objc::Object&) -> ObjectRef { return shared; });
  openNotificationCenter();
  MainQueue::shared().advance(0);
  EXPECT_TRUE(takeCalls().empty()) << "a manager that does not answer is left alone";

  objc::addMethod<sig::SetCoverSheetPresented>(manager, "setCoverSheetPresented:animated:withCompletion:",
                                               [this](objc::Object&, bool presented, bool animated,
                                                      const std::function<void()>& completion) {
                                                 record(std::string("present ") + (presented ? "YES" : "NO") +
                                                        (animated ? " animated" : "") + (completion ? " completion" : ""));
                                               });
  openNotificationCenter();
  EXPECT_TRUE(takeCalls().empty()) << "not before the main queue runs";
  MainQueue::shared().advance(0);
  EXPECT_EQ(takeCalls(), std::vector<std::string>{"present YES animated"});
}

TEST_F(DarwinHandlerTest, OpeningSettingsOpensTheVantilePaneThroughTheSharedApplication) {
  openSettingsPane();
  objc::Class& springBoard = declare("SpringBoard");
  const auto application = testing::makeObject("SpringBoard");
  objc::addClassMethod<sig::Getter>(springBoard, "sharedApplication",
                                    [application](objc::Object&) -> ObjectRef { return application; });
  objc::addMethod<sig::OpenURL>(springBoard, "openURL:", [this](objc::Object&, std::string url) {
    record("openURL " + url);
    return false;
  });
  openSettingsPane();
  EXPECT_EQ(takeCalls(), std::vector<std::string>{"openURL prefs:root=Vantile"});
}

}  // namespace
}  // namespace vantile::integration
