#include <gtest/gtest.h>

#include "integration/HookTable.h"
#include "integration/Replacements.h"
#include "integration/TweakStartup.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/objc/Messaging.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/views/Device.h"

namespace vantile::integration {
namespace {

namespace objc = platform::objc;
using testing::RuntimeView;
using testing::TweakTest;

constexpr const char* kSpringBoard = "com.apple.springboard";
constexpr const char* kSettingsApp = "com.apple.Preferences";

class PlayerLayer : public platform::ui::Layer, public objc::Object {
 public:
  explicit PlayerLayer(ConstructionKey key) : Layer(key), Object("AVPlayerLayer") {}
  static std::shared_ptr<PlayerLayer> make() { return std::make_shared<PlayerLayer>(ConstructionKey{}); }
};

class TweakStartupTest : public TweakTest {
 protected:
  void SetUp() override {
    declareWithStock<sig::ObjectAction>("CSMainPageView", "updateForPresentation:");
    declareWithStock<sig::Action>("SBIconContentView", "didMoveToWindow");
  }

  void startIn(const char* bundleIdentifier, const platform::Value& settings) {
    platform::foundation::Bundle::main().setBundleIdentifier(bundleIdentifier);
    writeSettings(settings);
    installTweak();
  }

  bool themeGroupInstalled() { return static_cast<bool>(state().kept.CSMainPageView_updateForPresentation_); }
  bool homeScreenHidingInstalled() { return static_cast<bool>(state().kept.SBIconContentView_didMoveToWindow_2); }
};

struct InstallCase {
  const char* name;
  const char* process;
  platform::Value settings;
  HookGroups groups;
};

TEST_F(TweakStartupTest, GroupsAreChosenByTheProcessAndTheExactSwitchValues) {
  const HookGroups none{};
  const HookGroups all{true, true, true, true};
  const InstallCase cases[] = {
      {"nothing on", kSpringBoard, platform::Value::object(), none},
      {"enabled", kSpringBoard, {{"enabled", true}}, {.theme = true}},
      {"enabled_sb alone", kSpringBoard, {{"enabled", false}, {"enabled_sb", "1"}}, {.theme = true}},
      {"switches as \"1\"", kSpringBoard,
       {{"hidelsitems", "1"}, {"enablesbhideitems", "1"}, {"iconscale", "1"}},
       {.lockScreenHiding = true, .homeScreenHiding = true, .iconLayout = true}},
      {"switches as 1", kSpringBoard,
       {{"hidelsitems", 1}, {"enablesbhideitems", 1}, {"icontopoffset", 1}},
       {.lockScreenHiding = true, .homeScreenHiding = true, .iconLayout = true}},
      {"switches as YES", kSpringBoard,
       {{"enabled", true}, {"hidelsitems", true}, {"enablesbhideitems", true}, {"iconopacity", true}}, all},
      {"switches as 1.5", kSpringBoard,
       {{"hidelsitems", 1.5}, {"enablesbhideitems", 1.5}, {"iconcolumns", 1.5}}, none},
      {"switches as 2", kSpringBoard, {{"hidelsitems", 2}, {"enablesbhideitems", "2"}, {"sideoffset", 2}}, none},
      {"only iconrows", kSpringBoard, {{"iconrows", 1}}, {.iconLayout = true}},
      {"not SpringBoard", kSettingsApp,
       {{"enabled", true}, {"hidelsitems", 1}, {"enablesbhideitems", 1}, {"iconrows", 1}}, none},
  };
  for (const InstallCase& test : cases) {
    SCOPED_TRACE(test.name);
    startIn(test.process, test.settings);
    const bool springBoard = std::string(test.process) == kSpringBoard;
    EXPECT_EQ(springBoard ? groupsFor(state().settings) : HookGroups{}, test.groups);
    EXPECT_EQ(themeGroupInstalled(), test.groups.theme);
    EXPECT_EQ(homeScreenHidingInstalled(), test.groups.homeScreenHiding);
    EXPECT_EQ(state().observers.size(), springBoard ? 8u : 0u);
    // Fresh classes and state for the next case.
    tweakState() = TweakState{};
    objc::removeClass("CSMainPageView");
    objc::removeClass("SBIconContentView");
    SetUp();
  }
}

TEST_F(TweakStartupTest, AnotherProcessGetsTheRemoteViewAndSplitViewInstallsOnly) {
  declareWithStock<extra::WindowMove>("_UIRemoteView", "_didMoveFromWindow:toWindow:");
  declareWithStock<sig::Answer>("UIViewController", "_canShowWhileLocked");
  objc::Class& remote = declare("_UIRemoteViewController", "UIViewController");
  objc::addClassMethod<sig::Answer>(remote, "_shouldUseXPCObjects", [](objc::Object&) { return true; });
  objc::addClassMethod<sig::Getter>(remote, "exportedInterface", [](objc::Object&) { return ObjectRef(); });
  forgetAfterwards("KWVRemoteRootViewController");
  declareWithStock<extra::SetDisplayMode>("PSSplitViewController", "setPreferredDisplayMode:");
  declareWithStock<extra::DisplayMode>("PSSplitViewController", "displayMode");
  declareWithStock<extra::DisplayMode>("PSSplitViewController", "preferredDisplayMode");

  startIn(kSettingsApp, {{"enabled", true}, {"enablesbhideitems", 1}});

  const KeptImplementations& kept = state().kept;
  EXPECT_TRUE(kept._UIRemoteView__didMoveFromWindow_toWindow_);
  EXPECT_TRUE(kept.UIViewController__canShowWhileLocked);
  EXPECT_TRUE(kept.PSSplitViewController_displayMode);
  EXPECT_TRUE(kept.KWVRemoteRootViewController__shouldUseXPCObjects);
  objc::Class* created = objc::getClass("KWVRemoteRootViewController");
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(created->isSubclassOf(remote));
  EXPECT_TRUE(objc::respondsToSelector(*created, "requestViewControllerWithConnectionHandler:"));
  EXPECT_EQ(objc::methodTypeEncoding(objc::metaclass(*created), "requestViewControllerWithConnectionHandler:"), "@@:@?");
  EXPECT_FALSE(objc::send<sig::Answer>(*created, "_shouldUseXPCObjects"));
  EXPECT_FALSE(themeGroupInstalled());
  EXPECT_FALSE(homeScreenHidingInstalled());
  EXPECT_TRUE(state().observers.empty());
  EXPECT_EQ(state().systemVersion, 0) << "the version is read by the second initializer";
}

TEST_F(TweakStartupTest, TheSplitViewIsForcedToHideItsPrimaryOnlyWithTheSwitchOn) {
  objc::Class& split = declare("PSSplitViewController");
  std::vector<std::int64_t> modesGiven;
  objc::addMethod<extra::SetDisplayMode>(split, "setPreferredDisplayMode:",
                                         [&](objc::Object&, std::int64_t mode) { modesGiven.push_back(mode); });
  objc::addMethod<extra::DisplayMode>(split, "displayMode", [](objc::Object&) -> std::int64_t { return 2; });
  objc::addMethod<extra::DisplayMode>(split, "preferredDisplayMode", [](objc::Object&) -> std::int64_t { return 3; });
  startIn(kSettingsApp, {{"ipadsettings", false}});
  objc::Object controller("PSSplitViewController");

  objc::send<extra::SetDisplayMode>(controller, "setPreferredDisplayMode:", std::int64_t{3});
  EXPECT_EQ(objc::send<extra::DisplayMode>(controller, "displayMode"), 2);
  EXPECT_EQ(objc::send<extra::DisplayMode>(controller, "preferredDisplayMode"), 3);

  state().settings.ipadsettings = true;
  objc::send<extra::SetDisplayMode>(controller, "setPreferredDisplayMode:", std::int64_t{3});
  EXPECT_EQ(objc::send<extra::DisplayMode>(controller, "displayMode"), 1);
  EXPECT_EQ(objc::send<extra::DisplayMode>(controller, "preferredDisplayMode"), 1);
  EXPECT_EQ(modesGiven, (std::vector<std::int64_t>{3, 1}));
}

TEST_F(TweakStartupTest, AnAbsentClassLeavesItsRowUnreplacedAndNothingElseChanges) {
  // Only the two classes of SetUp exist: their rows are the only ones installed.
  EXPECT_EQ(installRows(themeGroupRows()), 2);
  EXPECT_EQ(objc::getClass("SBLockScreenManager"), nullptr);
  EXPECT_EQ(objc::getClass("CSTimerViewController"), nullptr);
  EXPECT_FALSE(state().kept.SBLockScreenManager_lockScreenViewControllerDidPresent);
  EXPECT_TRUE(state().kept.SBIconContentView_didMoveToWindow);
}

TEST_F(TweakStartupTest, BothReplacementsOfTheIconContentViewChainNewestFirstToTheStockOperation) {
  root.writeFile("/var/jb/Library/MobileSubstrate/DynamicLibraries/Eneko.dylib", "");
  declare("AVPlayerLayer");
  startIn(kSpringBoard, {{"enabled_sb", true}, {"enablesbhideitems", 1}, {"hideicons", true}});
  state().homeScreen.homeScreenView = platform::ui::View::make();
  const auto contentView = RuntimeView::make("SBIconContentView");
  const auto player = PlayerLayer::make();
  contentView->layer()->addSublayer(player);

  // The second replacement's slot leads to the first, whose slot leads to the stock operation.
  state().kept.SBIconContentView_didMoveToWindow_2(*contentView);
  EXPECT_EQ(takeCalls(), std::vector<std::string>{"stock didMoveToWindow"});
  EXPECT_EQ(player->superlayer(), state().homeScreen.homeScreenView->layer());
  EXPECT_EQ(state().homeScreen.iconC, nullptr);

  objc::send<sig::Action>(*contentView, "didMoveToWindow");
  EXPECT_EQ(takeCalls(), std::vector<std::string>{"stock didMoveToWindow"});
  EXPECT_EQ(state().homeScreen.iconC, contentView);
  EXPECT_FALSE(contentView->isUserInteractionEnabled());
}

TEST_F(TweakStartupTest, TheSecondInitializerReadsTheDevicesSystemVersion) {
  platform::ui::Device& device = platform::ui::Device::currentDevice();
  const std::string before = device.systemVersion();
  device.setSystemVersion("15.4");
  readSystemVersion();
  EXPECT_FLOAT_EQ(state().systemVersion, 15.4f);
  device.setSystemVersion(before);
}

}  // namespace
}  // namespace vantile::integration
