#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <set>
#include <utility>

#include "integration/HookTable.h"
#include "integration/Replacements.h"
#include "integration/SettingsLoader.h"
#include "integration/TweakStartup.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/homescreen/SBHomeScreenViewController.h"
#include "platform/springboard/lockscreen/CSAdjunctListItem.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/springboard/services/SBApplication.h"
#include "platform/springboard/views/StockView.h"
#include "platform/ui/views/Screen.h"

namespace vantile::integration {
namespace {

namespace objc = platform::objc;
namespace springboard = platform::springboard;
using platform::Value;
using platform::foundation::MainQueue;
using platform::graphics::Rect;
using platform::ui::View;

constexpr platform::foundation::TimeStamp kStart = 1796806790;
const Rect kPhone{0, 0, 390, 844};

std::shared_ptr<View> subviewOfClass(const std::shared_ptr<View>& root, std::string_view className) {
  if (auto* object = dynamic_cast<objc::Object*>(root.get()); object != nullptr && objc::isKindOfClass(*object, className)) {
    return root;
  }
  for (const auto& subview : root->subviews()) {
    if (auto found = subviewOfClass(subview, className)) return found;
  }
  return nullptr;
}

// The tweak in the stand-in's SpringBoard on a 390 × 844 phone, started with the settings.
class CustomisationTest : public testing::TweakTest {
 protected:
  CustomisationTest() : screenBefore_(platform::ui::Screen::mainScreen().bounds()) {
    MainQueue::shared().useManualClock(kStart);
    platform::ui::Screen::mainScreen().setBounds(kPhone);
  }
  ~CustomisationTest() override {
    process.reset();
    springboard::removeSpringBoardClasses();
    MainQueue::shared().clear();
    platform::ui::Screen::mainScreen().setBounds(screenBefore_);
  }

  springboard::SpringBoardProcess& start(const Value& settings, int ios = 16, bool locked = true,
                                         bool nowPlaying = false) {
    writeSettings(settings);
    springboard::DeviceState device;
    device.ios = ios;
    device.locked = locked;
    device.timeZone = "UTC";
    for (int index = 0; index < 10; ++index) {
      device.apps.push_back({std::string("com.example.app").append(std::to_string(index)),
                             std::string("App ").append(std::to_string(index)),
                             index == 0 ? std::optional<std::string>("2") : std::nullopt, "", false, false, false});
    }
    device.dock = {"com.example.app8", "com.example.app9"};
    if (nowPlaying) device.nowPlaying = {"Song", "Band", "Record", 100, 25, true, "", "com.apple.Music"};
    process = std::make_unique<springboard::SpringBoardProcess>(std::move(device));
    installTweak();
    readSystemVersion();
    process->launch();
    MainQueue::shared().advance(0);
    return *process;
  }

 public:
  // Ends the process and forgets what the tweak installed, for another start in the same test.
  void restart() {
    process.reset();
    springboard::removeSpringBoardClasses();
    TweakLinks links = tweakState().links;
    tweakState() = TweakState{};
    tweakState().links = std::move(links);
  }

  springboard::CSCoverSheetViewController& coverSheet() const { return *process->coverSheetViewController(); }
  std::shared_ptr<View> lockScreen() const { return coverSheet().mainPageView(); }
  springboard::SBRootFolderView& rootFolder() const {
    return *process->homeScreenView()->iconContentView()->rootFolderView();
  }

  // A view of one of SpringBoard's classes, as SpringBoard makes them.
  static std::shared_ptr<springboard::StockView> stockView(std::string_view className) {
    return springboard::StockView::make(className, {0, 0, 60, 60});
  }

  std::unique_ptr<springboard::SpringBoardProcess> process;

 private:
  Rect screenBefore_;
};

TEST(CustomisationRows, TheGroupsHoldThePartsRowsInOrder) {
  // Every process: the remote-view and split-view rows, beside the four class operations of the
  // created remote root controller, which are not rows.
  EXPECT_EQ(remoteViewRows().size() + splitViewRows().size(), 5u);
  EXPECT_EQ(themeGroupRows().size(), 51u);
  EXPECT_EQ(lockScreenHidingRows().size(), 27u);
  EXPECT_EQ(homeScreenHidingRows().size(), 36u);
  EXPECT_EQ(iconLayoutRows().size(), 11u);
  const auto theme = themeGroupRows();
  EXPECT_EQ(std::count_if(theme.begin(), theme.end(),
                          [](const HookRow& row) {
                            return row.className == "CSCombinedListViewController" ||
                                   row.className == "NCNotificationStructuredListViewController" ||
                                   row.className == "SBDashBoardHostedAppViewController" ||
                                   row.className == "NCNotificationListHeaderTitleView" ||
                                   row.className == "NCNotificationSeamlessContentView" ||
                                   row.className == "CSListItemManager" || row.className == "_UIStatusBar";
                          }),
            12);
  EXPECT_EQ(theme[0].selector, "updateAppearanceForHidden:offset:");
  EXPECT_EQ(theme[11].className, "AVFlashlight");
  EXPECT_EQ(theme[12].className, "_UIStatusBar");
  // Only the dock's height is a class operation.
  for (const auto group : {lockScreenHidingRows(), homeScreenHidingRows(), iconLayoutRows()}) {
    for (const HookRow& row : group) EXPECT_EQ(row.classOperation, row.selector == "defaultHeight") << row.selector;
  }
}

// One switch of the lock-screen hiding group and what it does to the stand-in's lock screen.
struct LockScreenCase {
  const char* name;
  Value switchOn;
  Value switchOff;
  bool nowPlaying = false;
  std::function<bool(CustomisationTest&)> effect;
};

void PrintTo(const LockScreenCase& scenario, std::ostream* out) { *out << scenario.name; }

class LockScreenHiding : public CustomisationTest, public ::testing::WithParamInterface<LockScreenCase> {
 public:
  bool effectOf(const LockScreenCase& scenario) { return scenario.effect(*this); }
};

TEST_P(LockScreenHiding, EachSwitchHidesItsItemAndOffLeavesTheStockOne) {
  const LockScreenCase& scenario = GetParam();
  for (const bool on : {true, false}) {
    SCOPED_TRACE(on ? "on" : "off");
    Value settings = on ? scenario.switchOn : scenario.switchOff;
    settings["hidelsitems"] = 1;
    start(settings, 16, true, scenario.nowPlaying);
    EXPECT_EQ(effectOf(scenario), on);
    restart();
  }
}

const LockScreenCase kLockScreenCases[] = {
    {"time", {{"hidetime", true}}, {{"hidetime", false}}, false,
     [](CustomisationTest& test) {
       auto date = test.lockScreen()->subviews()[1];
       objc::send<sig::Action>(*dynamic_cast<objc::Object*>(date.get()), "layoutSubviews");
       return date->isHidden();
     }},
    {"pageDots", {{"hidepagedots", true}}, {{"hidepagedots", false}}, false,
     [](CustomisationTest& test) { return subviewOfClass(test.lockScreen(), "CSPageControl")->isHidden(); }},
    {"callToAction", {{"actionbar", true}}, {{"actionbar", false}}, false,
     [](CustomisationTest& test) {
       auto label = std::dynamic_pointer_cast<platform::ui::Label>(subviewOfClass(test.lockScreen(), "SBUICallToActionLabel"));
       const bool affordanceHidden = subviewOfClass(test.lockScreen(), "CSHomeAffordanceView")->isHidden();
       EXPECT_EQ(label->text().empty(), affordanceHidden);
       return label->isHidden() && label->text().empty() && affordanceHidden;
     }},
    {"flashlight", {{"hideflashlight", true}}, {{"hideflashlight", false}}, false,
     [](CustomisationTest& test) { return test.coverSheet().flashlightButton()->isHidden(); }},
    {"camera", {{"hidecamera", true}}, {{"hidecamera", false}}, false,
     [](CustomisationTest& test) { return test.coverSheet().cameraButton()->isHidden(); }},
    // "hidebattery" is on unless stored off.
    {"chargingView", Value::object(), {{"hidebattery", false}}, false,
     [](CustomisationTest& test) {
       test.process->plug();
       return test.coverSheet().chargingView()->isHidden();
     }},
    {"nowPlaying", {{"hidemusic", true}}, {{"hidemusic", false}}, true,
     [](CustomisationTest& test) { return test.coverSheet().nowPlayingView()->isHidden(); }},
    {"focusPill", {{"hidedndpill", true}}, {{"hidedndpill", false}}, false,
     [](CustomisationTest&) {
       auto pill = CustomisationTest::stockView("CSFocusActivityView");
       objc::send<sig::Action>(*pill, "didMoveToWindow");
       return pill->isHidden();
     }},
    {"focusIndicator", {{"hidefocus", true}}, {{"hidefocus", false}}, false,
     [](CustomisationTest&) {
       auto indicator = CustomisationTest::stockView("NCNotificationListCountIndicatorView");
       objc::send<sig::Action>(*indicator, "didMoveToWindow");
       return indicator->isHidden();
     }},
    {"musicBackground", {{"hidemusicbg", true}}, {{"hidemusicbg", false}}, false,
     [](CustomisationTest&) {
       auto background = CustomisationTest::stockView("CSBackgroundContentView");
       objc::send<sig::Action>(*background, "layoutSubviews");
       return background->alpha() == 0;
     }},
};

INSTANTIATE_TEST_SUITE_P(Switches, LockScreenHiding, ::testing::ValuesIn(kLockScreenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CustomisationTest, TheDoNotDisturbIndicatorHidesOnlyForTheMoonAndTheTextSwitchEmptiesTheCallToAction) {
  start({{"hidelsitems", 1}, {"hidednd", true}, {"actionbar", true}});
  auto indicator = stockView("NCNotificationListCountIndicatorView");
  EXPECT_EQ(objc::send<sig::Text>(*indicator, "symbolImageName"), "bell.fill");
  EXPECT_FALSE(indicator->isHidden());
  auto label = springboard::StockLabel::make("SBUICallToActionLabel");
  objc::send<sig::SetTextForLanguage>(*label, "setText:forLanguage:animated:", std::string("Press home to unlock"),
                                      std::string("en"), true);
  EXPECT_EQ(label->text(), "");
}

TEST_F(CustomisationTest, WithEverySwitchOffTheLockScreenItemsStayAsSpringBoardMadeThem) {
  start({{"hidelsitems", 1}, {"hidebattery", false}});
  EXPECT_FALSE(coverSheet().flashlightButton()->isHidden());
  EXPECT_FALSE(subviewOfClass(lockScreen(), "CSPageControl")->isHidden());
  EXPECT_EQ(std::dynamic_pointer_cast<platform::ui::Label>(subviewOfClass(lockScreen(), "SBUICallToActionLabel"))->text(),
            "Swipe up to open");
}

// The status-bar rule, with the lock screen's bar captured first and the home screen's second.
struct StatusBarCase {
  bool lockSwitch;
  bool homeSwitch;
  bool locked;
  bool occluded;
  bool initialShown;
  bool occludedShown;
};

TEST_F(CustomisationTest, TheStatusBarRuleFollowsItsTruthTable) {
  const StatusBarCase cases[] = {
      {true, false, true, false, false, false},  {true, false, false, false, true, true},
      {true, false, false, true, true, true},    {true, true, true, true, false, false},
      {true, true, false, false, false, false},  {true, true, false, true, false, true},
      {false, true, true, false, true, true},    {false, true, false, true, false, true},
      {false, false, false, true, true, true},
  };
  start({{"enabled", true}, {"hidelockscreenstatusbar", 1}}, 16, false);
  const std::shared_ptr<View> initial = coverSheet().statusBar();
  const std::shared_ptr<View> occluded = process->homeScreenView()->statusBar();
  for (const StatusBarCase& row : cases) {
    SCOPED_TRACE(::testing::Message() << row.lockSwitch << row.homeSwitch << row.locked << row.occluded);
    state().settings.hidelockscreenstatusbar = row.lockSwitch;
    state().settings.hidehomescreenstatusbar = row.homeSwitch;
    state().statusBars = {initial, occluded};
    springboard::DeviceModel::shared().update([&](springboard::DeviceState& device) { device.locked = row.locked; });
    for (const auto& bar : {initial, occluded}) {
      bar->setHidden(false);
      bar->setAlpha(1);
    }
    process->iconController()->homeScreenIconsOccluded = row.occluded;
    hideStatusBar();
    EXPECT_EQ(!initial->isHidden(), row.initialShown);
    EXPECT_EQ(initial->alpha(), row.initialShown ? 1 : 0);
    EXPECT_EQ(!occluded->isHidden(), row.occludedShown);
  }
}

TEST_F(CustomisationTest, TheFirstBarToLayOutIsKeptAndLaterOnesReplaceTheOccludedBar) {
  start({{"enabled", true}, {"hidehomescreenstatusbar", 1}});
  state().statusBars = {};
  auto first = coverSheet().statusBar();
  auto second = process->homeScreenView()->statusBar();
  for (const auto& bar : {first, second, first}) objc::send<sig::Action>(*dynamic_cast<objc::Object*>(bar.get()), "layoutSubviews");
  EXPECT_EQ(state().statusBars.initialStatusBar, first);
  EXPECT_EQ(state().statusBars.occludedStatusBar, first);
  // Locked with only the home switch: the initial bar shows.
  EXPECT_FALSE(first->isHidden());
}

TEST_F(CustomisationTest, TheNotificationListWidensAroundTheScreensMiddleUnlessMusicPlays) {
  start({{"enabled", true}, {"changenotificationwidth", true}, {"notificationwidth", -40}, {"centernotification", true}});
  // The stand-in suggests 16 points of margin: 358 wide, then 318 about the middle.
  EXPECT_EQ(coverSheet().notificationListView()->frame(), (Rect{52, 352, 318, 844 - 502}));
  restart();
  start({{"enabled", true}, {"changenotificationwidth", true}, {"notificationwidth", -40}, {"centernotification", true}},
        16, true, true);
  EXPECT_TRUE(state().notificationList.musicShowing);
  EXPECT_EQ(coverSheet().notificationListView()->frame(), (Rect{16, 352, 358, 844 - 502}));
}

TEST_F(CustomisationTest, TheListPinsItsHeightAndStylesTheNotificationText) {
  start({{"enabled", true},
         {"changenotificationy", true},
         {"notificationy", 420},
         {"hidenotificationtitle", true},
         {"changemessagefontsize", true},
         {"messagefontsize", 11},
         {"hidenotificationdate", true}});
  EXPECT_EQ(coverSheet().notificationListView()->frame().origin.y, 420);
  EXPECT_EQ(state().notificationList.structuredListViewControllerView, coverSheet().notificationListView());
  auto content = subviewOfClass(coverSheet().notificationListView(), "NCNotificationSeamlessContentView");
  ASSERT_NE(content, nullptr);
  // The stand-in's notifications have no date key: that part is skipped.
  objc::send<sig::Action>(*dynamic_cast<objc::Object*>(content.get()), "layoutSubviews");
  EXPECT_EQ(content->viewWithTag(1)->alpha(), 0);
  EXPECT_EQ(std::dynamic_pointer_cast<platform::ui::Label>(content->viewWithTag(2))->font().pointSize, 11);
}

TEST_F(CustomisationTest, ListItemsAndThePosterBoardSceneAreKeptOutOnRequest) {
  start({{"enabled", true}, {"hidetimer", true}, {"posterboard", true}, {"hidenotificationcentertext", true}});
  auto manager = std::make_shared<springboard::CSNotificationAdjunctListViewController>("CSListItemManager");
  auto timer = std::make_shared<springboard::CSAdjunctListItem>("timer", "com.apple.ClockAngel");
  auto other = std::make_shared<springboard::CSAdjunctListItem>("other", "com.example");
  objc::send<sig::ObjectAction>(*manager, "addItem:", timer);
  objc::send<sig::ObjectAction>(*manager, "addItem:", other);
  EXPECT_EQ(manager->items, (std::vector<sig::Object>{other}));

  auto hosted = testing::makeObject("SBDashBoardHostedAppViewController");
  objc::Class& entity = declare("TestSceneEntity");
  objc::addMethod<sig::Text>(entity, "uniqueIdentifier", [](objc::Object&) { return std::string("scene:com.apple.PosterBoard-1"); });
  auto scene = testing::makeObject("TestSceneEntity");
  EXPECT_EQ(objc::send<sig::InitWithObject>(*hosted, "initWithApplicationSceneEntity:", scene), nullptr);

  auto header = stockView("NCNotificationListHeaderTitleView");
  EXPECT_EQ(objc::send<sig::Text>(*header, "title"), "");
}

TEST_F(CustomisationTest, HiddenIconsMoveOffTheGridForTheLaunchAnimation) {
  start({{"enablesbhideitems", 1}, {"hideicons", true}}, 16, false);
  auto application = process->applicationController()->applicationWithBundleIdentifier("com.example.app0");
  auto page = rootFolder().iconListViews()[0];
  // A 60 × 60 icon view, as on the phone.
  const Rect placed = page->iconViews()[0]->frame();
  page->iconViews()[0]->setFrame({placed.origin.x, placed.origin.y, 60, 60});
  auto icon = objc::send<sig::IconViewForIcon>(*page, "displayedIconViewForIcon:", sig::Object(application));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->frame().origin, (platform::graphics::Point{165, 904}));
  auto dockApplication = process->applicationController()->applicationWithBundleIdentifier("com.example.app8");
  auto dockIcon = objc::send<sig::IconViewForIcon>(*rootFolder().dockListView(), "displayedIconViewForIcon:",
                                                   sig::Object(dockApplication));
  ASSERT_NE(dockIcon, nullptr);
  EXPECT_EQ(dockIcon->frame().origin, (platform::graphics::Point{165, 50}));
}

TEST_F(CustomisationTest, HidingIconsAndTheDockAnswersTheNegativeHeightsAndHidesWhatShows) {
  start({{"enablesbhideitems", 1}, {"hideicons", true}}, 16, false);
  EXPECT_EQ(objc::send<sig::Seconds>(*objc::getClass("SBDockView"), "defaultHeight"), -10);
  auto& dock = *rootFolder().dockView();
  EXPECT_EQ(objc::send<sig::Seconds>(dock, "dockHeight"), 0);
  EXPECT_TRUE(dock.isHidden());
  EXPECT_EQ(dock.alpha(), 0);
  EXPECT_FALSE(dock.isUserInteractionEnabled());
  auto icon = rootFolder().iconListViews()[0]->iconViews()[0];
  objc::send<sig::Action>(*icon, "layoutSubviews");
  EXPECT_TRUE(icon->isHidden());
  // An icon in a folder keeps showing.
  springboard::AppState app{"com.example.folder", "Folder app", std::nullopt, "", false, false, false};
  auto inFolder = springboard::SBIconView::make(app, {0, 0}, "SBIconLocationFolder");
  objc::send<sig::Action>(*inFolder, "layoutSubviews");
  EXPECT_FALSE(inFolder->isHidden());
  auto& pageControl = *rootFolder().pageControl();
  objc::send<sig::Action>(pageControl, "layoutSubviews");
  EXPECT_TRUE(pageControl.isHidden());
  EXPECT_FALSE(process->homeScreenView()->iconContentView()->isUserInteractionEnabled());
}

TEST_F(CustomisationTest, LabelsStayHiddenAndTheDockLosesItsBackground) {
  start({{"enablesbhideitems", 1}, {"hidelabels", true}, {"hidedockbg", true}, {"hidedock", false}}, 16, false);
  auto icon = rootFolder().iconListViews()[0]->iconViews()[0];
  objc::send<sig::Flag>(*icon, "setLabelHidden:", false);
  EXPECT_TRUE(icon->labelView()->isHidden());
  EXPECT_EQ(rootFolder().dockView()->backgroundColor()->alpha, 0);
  EXPECT_GT(objc::send<sig::Seconds>(*rootFolder().dockView(), "dockHeight"), 0);
}

TEST_F(CustomisationTest, TheHomeButtonAndTheSwitcherGrabberEachPostOneSwipeGesture) {
  start({{"enablesbhideitems", 1}}, 16, false);
  int posts = 0;
  auto observation = platform::foundation::DarwinNotificationCenter::shared().addObserver(
      "com.kestrune.vantile.swipegesture", [&posts](const std::string&) { ++posts; });
  process->homeButton();
  MainQueue::shared().advance(0);
  EXPECT_EQ(posts, 1);
  auto gestures = testing::makeObject("SBFluidSwitcherGestureManager");
  objc::send<sig::GrabberPulling>(*gestures, "grabberTongueBeganPulling:withDistance:andVelocity:andGesture:", nullptr,
                                  10.0, 1.0, nullptr);
  MainQueue::shared().advance(0);
  EXPECT_EQ(posts, 2);
}

TEST_F(CustomisationTest, TheFirstPageIsLockedOnlyBeforeVersion14AndTheOverscrollIsIgnoredFrom14) {
  for (const int ios : {13, 14}) {
    SCOPED_TRACE(ios);
    start({{"enablesbhideitems", 1}, {"hidetoday", true}}, ios, false);
    auto& scroll = *rootFolder().scrollView();
    scroll.setContentOffset({100, 0});
    const auto& scrollView = rootFolder().scrollView();
    objc::send<sig::ObjectAction>(rootFolder(), "scrollViewDidScroll:",
                                  sig::Object(scrollView, static_cast<objc::Object*>(scrollView.get())));
    EXPECT_EQ(scroll.contentOffset().x, ios == 13 ? 390 : 100);
    restart();
  }
}

TEST_F(CustomisationTest, ThePageControlIsNotMadeBeforeVersion14WhenTheDotsAreHidden) {
  start({{"enablesbhideitems", 1}, {"hidedots", true}}, 13, false);
  EXPECT_EQ(rootFolder().pageControl(), nullptr);
}

TEST_F(CustomisationTest, TouchesOnTheIconAreaFollowTheOverlaysWhileIconsAreHidden) {
  start({{"enablesbhideitems", 1}, {"hideicons", true}}, 16, false);
  auto& iconArea = *process->homeScreenView()->iconContentView();
  auto library = testing::makeObject("SBHLibraryViewController");
  objc::send<sig::Flag>(*library, "viewDidAppear:", false);
  EXPECT_FALSE(iconArea.isUserInteractionEnabled());
  objc::send<sig::Flag>(*library, "viewDidAppear:", true);
  EXPECT_TRUE(iconArea.isUserInteractionEnabled());
  objc::send<sig::Flag>(*library, "viewDidDisappear:", true);
  EXPECT_FALSE(iconArea.isUserInteractionEnabled());
  objc::send<sig::ObjectAction>(*process->iconController(), "presentTodayOverlayForIconManager:", nullptr);
  EXPECT_TRUE(iconArea.isUserInteractionEnabled());
}

TEST_F(CustomisationTest, MetricsRecordsAreRememberedAndHandedOnWhenSpringBoardGivesNone) {
  objc::Class& folder = declare("TestRootFolderView");
  std::vector<std::uint8_t> received;
  objc::addMethod<sig::MetricsAction>(folder, "layoutPageControlWithMetrics:",
                                      [&received](objc::Object&, const sig::PageMetrics* metrics) {
                                        received.push_back(metrics ? metrics->bytes[327] : 0);
                                      });
  objc::MSHookMessageEx<sig::MetricsAction>(folder, "layoutPageControlWithMetrics:",
                                            hook_SBRootFolderView_layoutPageControlWithMetrics_,
                                            &state().kept.SBRootFolderView_layoutPageControlWithMetrics_);
  auto view = testing::makeObject("TestRootFolderView");
  sig::PageMetrics metrics;
  metrics.bytes[327] = 7;
  objc::send<sig::MetricsAction>(*view, "layoutPageControlWithMetrics:", nullptr);
  objc::send<sig::MetricsAction>(*view, "layoutPageControlWithMetrics:", &metrics);
  metrics.bytes[327] = 9;
  objc::send<sig::MetricsAction>(*view, "layoutPageControlWithMetrics:", nullptr);
  // Zero-filled before any record, then the last record given, copied whole.
  EXPECT_EQ(received, (std::vector<std::uint8_t>{0, 7, 7}));
}

// The icon grid's answers over a configuration whose stock answers the test sets.
class IconGridTest : public testing::TweakTest {
 protected:
  IconGridTest() {
    objc::Class& grid = declare("TestGridConfiguration");
    objc::addMethod<sig::Count>(grid, "numberOfPortraitColumns", [this](objc::Object&) { return keptColumns; });
    objc::addMethod<sig::Count>(grid, "numberOfPortraitRows", [this](objc::Object&) { return keptRows; });
    objc::addMethod<sig::InsetsGetter>(grid, "portraitLayoutInsets", [this](objc::Object&) { return keptInsets; });
    KeptImplementations& kept = state().kept;
    objc::MSHookMessageEx<sig::Count>(grid, "numberOfPortraitColumns",
                                      hook_SBIconListGridLayoutConfiguration_numberOfPortraitColumns,
                                      &kept.SBIconListGridLayoutConfiguration_numberOfPortraitColumns);
    objc::MSHookMessageEx<sig::Count>(grid, "numberOfPortraitRows", hook_SBIconListGridLayoutConfiguration_numberOfPortraitRows,
                                      &kept.SBIconListGridLayoutConfiguration_numberOfPortraitRows);
    objc::MSHookMessageEx<sig::InsetsGetter>(grid, "portraitLayoutInsets",
                                             hook_SBIconListGridLayoutConfiguration_portraitLayoutInsets,
                                             &kept.SBIconListGridLayoutConfiguration_portraitLayoutInsets);
    configuration = testing::makeObject("TestGridConfiguration");
  }

  void load(const Value& settings) {
    writeSettings(settings);
    loadPreferences();
  }
  std::uint64_t columns() { return objc::send<sig::Count>(*configuration, "numberOfPortraitColumns"); }
  std::uint64_t rows() { return objc::send<sig::Count>(*configuration, "numberOfPortraitRows"); }
  sig::EdgeInsets insets() { return objc::send<sig::InsetsGetter>(*configuration, "portraitLayoutInsets"); }

  std::uint64_t keptColumns = 4;
  std::uint64_t keptRows = 6;
  sig::EdgeInsets keptInsets{60, 27.6, 7.9, 27.6};
  std::shared_ptr<objc::SharedObject> configuration;
};

TEST_F(IconGridTest, ColumnsAndRowsReplaceOnlyTheStockCountsAndNeverWithLessThanOne) {
  struct Case {
    Value settings;
    std::uint64_t keptColumns;
    std::uint64_t keptRows;
    std::uint64_t columns;
    std::uint64_t rows;
  };
  const Case cases[] = {
      {{{"iconcolumns", 1}, {"iconColumnValue", 5}}, 4, 6, 5, 6},
      {{{"iconcolumns", 1}, {"iconColumnValue", 5}}, 3, 3, 3, 3},
      {{{"iconcolumns", 1}, {"iconColumnValue", 5}}, 5, 6, 5, 6},
      {{{"iconrows", 1}, {"iconRowValue", -2}}, 4, 6, 4, 6},
      {{{"iconrows", 1}, {"iconRowValue", 0}}, 4, 6, 4, 6},
      {{{"iconrows", 1}, {"iconRowValue", 7.9}}, 4, 6, 4, 7},
      {{{"iconrows", 1}, {"iconcolumns", 2}, {"iconColumnValue", 5}}, 4, 6, 5, 6},
      {{{"iconcolumns", 1}, {"iconColumnValue", 5}, {"hideicons", true}}, 4, 6, 4, 6},
      {{{"iconcolumns", 0}, {"iconColumnValue", 5}}, 4, 6, 4, 6},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.settings.dump());
    load(row.settings);
    keptColumns = row.keptColumns;
    keptRows = row.keptRows;
    EXPECT_EQ(columns(), row.columns);
    EXPECT_EQ(rows(), row.rows);
  }
}

TEST_F(IconGridTest, InsetsTakeTheWholeOffsetsOnlyBelowATopInsetAbove50) {
  load({{"sideoffset", 1}, {"iconsideoffset", 30.7}});
  sig::EdgeInsets changed = insets();
  EXPECT_EQ(changed.top, 60);
  EXPECT_EQ(changed.left, 30);
  EXPECT_EQ(changed.right, 30);
  EXPECT_EQ(changed.bottom, 7);
  load({{"bottomoffset", 2}, {"iconbottomoffset", 40.2}});
  changed = insets();
  EXPECT_EQ(changed.left, 27);
  EXPECT_EQ(changed.bottom, 40);
  keptInsets.top = 50;
  changed = insets();
  EXPECT_EQ(changed.left, 27.6);
  EXPECT_EQ(changed.bottom, 7.9);
}

TEST_F(CustomisationTest, TheGridTakesTheConfiguredColumnsScaleAndOpacity) {
  start({{"iconcolumns", 1}, {"iconColumnValue", 5}, {"iconscale", 1}, {"iconscalevalue", 0.8}, {"iconopacity", 1},
         {"iconOpacity", 0.5}},
        16, false);
  const auto& icons = rootFolder().iconListViews()[0]->iconViews();
  ASSERT_EQ(icons.size(), 8u);
  std::set<double> firstRow;
  for (const auto& icon : icons) {
    if (icon->frame().origin.y == icons[0]->frame().origin.y) firstRow.insert(icon->frame().origin.x);
  }
  EXPECT_EQ(firstRow.size(), 5u);
  EXPECT_DOUBLE_EQ(objc::send<sig::Seconds>(*icons[0], "iconContentScale"), static_cast<double>(0.8f));
  objc::send<sig::SetSeconds>(*icons[0], "setIconContentScale:", 1.2);
  EXPECT_FLOAT_EQ(static_cast<float>(icons[0]->iconImageView()->transform().a), 0.8f);
  EXPECT_EQ(icons[0]->alpha(), 0.5);
}

TEST_F(CustomisationTest, AScaleSwitchOf2LeavesTheScaleAndEverySwitchAt2InstallsNoGridRow) {
  start({{"iconrows", 1}, {"iconscale", 2}, {"iconscalevalue", 0.5}}, 16, false);
  const auto icon = rootFolder().iconListViews()[0]->iconViews()[0];
  EXPECT_EQ(icon->iconImageView()->transform().a, 1);
  writeSettings({{"icontopoffset", 2}, {"iconcolumns", 2}, {"sideoffset", 2}, {"bottomoffset", 2}, {"iconscale", 2},
                 {"iconopacity", 2}, {"iconrows", 2}});
  loadPreferences();
  EXPECT_FALSE(groupsFor(state().settings).iconLayout);
}

TEST_F(CustomisationTest, HiddenIconsSwitchTheGridOffButScalingStaysEnabled) {
  start({{"iconscale", 1}, {"iconscalevalue", 0.5}, {"icontopoffset", 1}, {"iconlisttopoffset", 90},
         {"enablesbhideitems", 1}, {"hideicons", true}},
        16, false);
  const auto icon = rootFolder().iconListViews()[0]->iconViews()[0];
  EXPECT_EQ(icon->iconImageView()->transform().a, 1);
  objc::send<sig::Action>(*rootFolder().scrollView(), "layoutSubviews");
  EXPECT_EQ(rootFolder().scrollView()->frame().origin.y, 0);
  bool passed = false;
  objc::Class& view = declare("TestScalingView");
  objc::addMethod<sig::Flag>(view, "setIconContentScalingEnabled:", [&passed](objc::Object&, bool enabled) { passed = enabled; });
  objc::MSHookMessageEx<sig::Flag>(view, "setIconContentScalingEnabled:", hook_SBIconView_setIconContentScalingEnabled_,
                                   &state().kept.SBIconView_setIconContentScalingEnabled_);
  objc::send<sig::Flag>(*testing::makeObject("TestScalingView"), "setIconContentScalingEnabled:", false);
  EXPECT_TRUE(passed);
}

TEST_F(CustomisationTest, TheTopOffsetMovesTheIconScrollViewAndTheSideOffsetHidesTheSearchBar) {
  start({{"icontopoffset", 1}, {"iconlisttopoffset", 90}, {"sideoffset", 1}, {"iconsideoffset", 10}}, 16, false);
  objc::send<sig::Action>(*rootFolder().scrollView(), "layoutSubviews");
  EXPECT_EQ(rootFolder().scrollView()->frame().origin.y, 90);
  auto searchBar = rootFolder().searchBar();
  objc::send<sig::Action>(*searchBar, "didMoveToWindow");
  EXPECT_TRUE(searchBar->isHidden());
  EXPECT_EQ(rootFolder().iconListViews()[0]->iconViews()[0]->frame().origin.x, 10 + (370 / 4.0 - 60) / 2);
}

}  // namespace
}  // namespace vantile::integration
