#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controller/ControllerClass.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Runtime.h"
#include "platform/objc/SharedObject.h"
#include "platform/preferences/ListController.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "settings/repositioning/MoveThemeLS.h"
#include "settings/repositioning/MoveThemeSB.h"
#include "settings/repositioning/MoveThemeView.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

namespace objc = platform::objc;
namespace ui = platform::ui;
using platform::graphics::Point;
using platform::graphics::Rect;

// The bar's buttons on a 375 × 812 screen: the bar starts at (87.5, 717).
constexpr Point kLockX{112.5, 739.5};
constexpr Point kLockY{162.5, 739.5};
constexpr Point kReset{212.5, 739.5};
constexpr Point kApply{262.5, 739.5};

// A stand-in for the tweak's controller, registered by name as the tweak registers its own:
// every theme is laid out over the whole screen at the origin.
struct ControllerStandIn {
  std::vector<std::pair<std::string, std::string>> requests;

  ControllerStandIn() {
    objc::Class* cls = objc::registerClass(controller_class::kClassName);
    objc::addClassMethod<controller_class::SharedInstance>(*cls, "sharedInstance", [](objc::Object&) {
      return std::static_pointer_cast<objc::Object>(std::make_shared<objc::SharedObject>(controller_class::kClassName));
    });
    objc::addMethod<controller_class::CreateViewFromTheme>(
        *cls, "createViewFromTheme:type:", [this](objc::Object&, std::string path, std::string type) {
          requests.emplace_back(path, type);
          return ui::View::make(Rect{0, 0, 375, 812});
        });
  }
  ~ControllerStandIn() { objc::removeClass(controller_class::kClassName); }
  ControllerStandIn(const ControllerStandIn&) = delete;
  ControllerStandIn& operator=(const ControllerStandIn&) = delete;
};

class MoveTheme : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;
  std::shared_ptr<ui::ViewController> screen = ui::ViewController::make();
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
  std::vector<std::string> posted;
  std::vector<std::shared_ptr<platform::foundation::DarwinNotificationCenter::Observation>> observations;

  void SetUp() override {
    window->setRootViewController(screen);
    window->makeKeyAndVisible();
    for (const char* name : {"com.kestrune.vantile/movedThemeLS", "com.kestrune.vantile/movedThemeSB",
                             "com.kestrune.vantile/openNC"}) {
      observations.push_back(platform::foundation::DarwinNotificationCenter::shared().addObserver(
          name, [this](const std::string& note) { posted.push_back(note); }));
    }
  }

  MoveThemeView& open(std::string_view location) {
    MoveThemeView& mover = MoveThemeView::sharedInstance();
    screen->view()->addSubview(mover.setupMoveThemeView(screen->view(), location));
    return mover;
  }
  void tap(Point point) { ui::TouchInjector(window).tap(point); }
  void drag(Point by) { ui::TouchInjector(window).drag({187, 400}, {187 + by.x, 400 + by.y}, 8); }
  Point themeOrigin() const { return MoveThemeView::sharedInstance().snapShot()->frame().origin; }
  static std::optional<platform::Value> stored(std::string_view key) {
    return platform::foundation::PreferenceDomain("com.kestrune.vantile").valueForKey(key);
  }
  std::shared_ptr<ui::AlertController> alert() const {
    return std::dynamic_pointer_cast<ui::AlertController>(screen->presentedViewController());
  }
};

TEST_F(MoveTheme, TheLocksDecideWhichWayADiagonalDragMovesTheTheme) {
  ControllerStandIn controller;
  const struct {
    bool tapLockX;
    bool tapLockY;
    Point moved;
  } cases[] = {
      {false, false, {0, -40}},  // fresh: x locked, y free
      {true, false, {40, -40}},
      {true, true, {40, 0}},
      {false, true, {0, 0}},
  };
  for (const auto& c : cases) {
    for (const auto& earlier : std::vector(screen->view()->subviews())) earlier->removeFromSuperview();
    MoveThemeView& mover = open(MoveThemeView::lockscreen);
    if (c.tapLockX) tap(kLockX);
    if (c.tapLockY) tap(kLockY);
    EXPECT_EQ(mover.isXLocked(), !c.tapLockX);
    EXPECT_EQ(mover.isYLocked(), c.tapLockY);
    drag({40, -40});
    EXPECT_EQ(themeOrigin(), c.moved) << c.tapLockX << c.tapLockY;
  }
}

TEST_F(MoveTheme, ALockLabelShowsItsStateAndTurnsBackOnASecondTap) {
  ControllerStandIn controller;
  open(MoveThemeView::lockscreen);
  const auto lockX = window->hitTest(kLockX);
  ASSERT_TRUE(lockX);
  EXPECT_EQ(lockX->layer()->name(), "on");
  tap(kLockX);
  EXPECT_EQ(lockX->layer()->name(), "off");
  EXPECT_EQ(lockX->backgroundColor(), (platform::graphics::Color{0, 0, 0, 1}));
  tap(kLockX);
  EXPECT_EQ(lockX->layer()->name(), "on");
  EXPECT_EQ(lockX->backgroundColor(), (platform::graphics::Color{50.0 / 255, 50.0 / 255, 50.0 / 255, 1}));
  EXPECT_TRUE(MoveThemeView::sharedInstance().isXLocked());
}

TEST_F(MoveTheme, ApplyingALockScreenMoveStoresTheOffsetTellsTheTweakAndOffersTheNotificationCentre) {
  ControllerStandIn controller;
  open(MoveThemeView::lockscreen);
  drag({0, -40});
  tap(kApply);
  platform::foundation::MainQueue::shared().runPending();

  EXPECT_EQ(stored("lsthemexaxis").value_or(nullptr), platform::Value(0.0));
  EXPECT_EQ(stored("lsthemeyaxis").value_or(nullptr), platform::Value(-40.0));
  EXPECT_EQ(posted, std::vector<std::string>{"com.kestrune.vantile/movedThemeLS"});
  const auto shown = alert();
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->title(), "Vantile");
  EXPECT_EQ(shown->message(), "Position applied");
  ASSERT_EQ(shown->actions().size(), 2u);
  EXPECT_EQ(shown->actions()[0].title, "Ok");
  EXPECT_TRUE(shown->chooseAction("Show NC"));
  platform::foundation::MainQueue::shared().advance(1);
  EXPECT_EQ(posted.back(), "com.kestrune.vantile/openNC");
}

TEST_F(MoveTheme, ResetBringsTheThemeBackSoApplyStoresZero) {
  ControllerStandIn controller;
  open(MoveThemeView::lockscreen);
  tap(kLockX);
  drag({30, 60});
  tap(kReset);
  EXPECT_EQ(themeOrigin(), (Point{0, 0}));
  tap(kApply);
  EXPECT_EQ(stored("lsthemexaxis").value_or(nullptr), platform::Value(0.0));
  EXPECT_EQ(stored("lsthemeyaxis").value_or(nullptr), platform::Value(0.0));
}

TEST_F(MoveTheme, TheHomeScreenPaneStoresItsOwnKeysAndSaysWhereToLook) {
  ControllerStandIn controller;
  open(MoveThemeView::homescreen);
  drag({0, 25});
  tap(kApply);
  platform::foundation::MainQueue::shared().runPending();

  EXPECT_EQ(stored("sbthemeyaxis").value_or(nullptr), platform::Value(25.0));
  EXPECT_EQ(stored("sbthemexaxis").value_or(nullptr), platform::Value(0.0));
  EXPECT_FALSE(stored("lsthemeyaxis"));
  EXPECT_EQ(posted, std::vector<std::string>{"com.kestrune.vantile/movedThemeSB"});
  ASSERT_TRUE(alert());
  EXPECT_EQ(alert()->message(), "Position applied, view homescreen to see changes.");
  EXPECT_EQ(alert()->actions().size(), 1u);
}

TEST_F(MoveTheme, EachPaneShowsTheThemeOfItsScreenWithTheHorizontalAxisLocked) {
  ControllerStandIn controller;
  EXPECT_EQ(MoveThemeView::getCurrentThemePathforLocation("lockscreen"), "none");
  EXPECT_EQ(MoveThemeView::getCurrentThemePathforLocation("creator"), "");
  const platform::foundation::PreferenceDomain settings("com.kestrune.vantile");
  settings.setValueForKey("VantileTheme", "Dawn.json");
  settings.setValueForKey("SB_VantileTheme", "Dusk.json");

  const std::vector<std::pair<std::string, std::string>> expected{
      {"/var/mobile/Library/Vantile/themes/Dawn.json", "lockscreen"},
      {"/var/mobile/Library/Vantile/themes/Dusk.json", "homescreen"},
      {"/var/mobile/Library/Vantile/themes/Dawn.json", "lockscreen"}};
  for (std::size_t opening = 0; opening < expected.size(); ++opening) {
    std::shared_ptr<platform::preferences::ListController> pane;
    std::shared_ptr<ui::View> shown;
    if (expected[opening].second == "lockscreen") {
      auto lock = MoveThemeLS::make();
      shown = lock->moveThemeView();
      pane = lock;
    } else {
      auto home = MoveThemeSB::make();
      shown = home->moveThemeView();
      pane = home;
    }
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->superview(), pane->view());
    EXPECT_EQ(controller.requests.back(), expected[opening]);
    EXPECT_TRUE(MoveThemeView::sharedInstance().isXLocked()) << opening;
    EXPECT_FALSE(MoveThemeView::sharedInstance().isYLocked()) << opening;
    window->setRootViewController(pane);
    tap(kLockX);
    tap(kLockY);
    EXPECT_FALSE(MoveThemeView::sharedInstance().isXLocked()) << "the bar answers in the pane";
  }
  EXPECT_EQ(controller.requests.size(), expected.size());
}

TEST_F(MoveTheme, WithoutTheThemeControllerApplyStoresNothingAndSaysWhy) {
  MoveThemeView& mover = open(MoveThemeView::lockscreen);
  EXPECT_FALSE(mover.snapShot());
  EXPECT_LT(window->hitTest(kApply)->alpha(), 1.0) << "shown out of use";
  drag({0, -40});
  tap(kApply);
  platform::foundation::MainQueue::shared().runPending();

  EXPECT_FALSE(stored("lsthemexaxis"));
  EXPECT_FALSE(stored("lsthemeyaxis"));
  EXPECT_TRUE(posted.empty());
  ASSERT_TRUE(alert());
  EXPECT_EQ(alert()->message(),
            "There is no theme to move: the theme controller of the tweak is not loaded in Settings.");
}

}  // namespace
}  // namespace vantile::settings
