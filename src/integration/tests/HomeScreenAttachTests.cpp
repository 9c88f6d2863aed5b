#include <gtest/gtest.h>

#include "integration/DarwinHandlers.h"
#include "integration/HookTable.h"
#include "integration/Replacements.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/objc/Messaging.h"

namespace vantile::integration {
namespace {

namespace objc = platform::objc;
using testing::RuntimeView;
using testing::TweakTest;
using Calls = std::vector<std::string>;

class HomeScreenAttachTest : public TweakTest {
 protected:
  void SetUp() override {
    // SpringBoard's home-screen view is made through its initializer, with stock content.
    objc::Class& homeScreenView = declare("SBHomeScreenView");
    objc::addMethod<sig::InitWithFrame>(homeScreenView, "initWithFrame:", [](objc::Object& self, Rect frame) {
      auto& view = dynamic_cast<RuntimeView&>(self);
      view.setFrame(frame);
      view.addSubview(View::make(frame));
      view.addSubview(View::make(frame));
      return view.shared_from_this();
    });
    objc::Class& springBoard = declare("SpringBoard");
    objc::addMethod<sig::Answer>(springBoard, "isShowingHomescreen", [this](objc::Object&) { return showing; });
    declareWithStock<sig::Action>("SBIconListView", "layoutSubviews");
    installRows(themeGroupRows());
    state().settings.enabled_sb = true;
  }

  std::shared_ptr<View> makeHomeScreenView() {
    const auto allocated = RuntimeView::make("SBHomeScreenView");
    return objc::send<sig::InitWithFrame>(*allocated, "initWithFrame:", Rect(0, 0, 320, 568));
  }

  bool askShowing() {
    objc::Object springBoard("SpringBoard");
    return objc::send<sig::Answer>(springBoard, "isShowingHomescreen");
  }

  std::int64_t tagAt(const std::shared_ptr<View>& view, std::size_t index) const { return view->subviews().at(index)->tag(); }

  bool showing = true;
};

TEST_F(HomeScreenAttachTest, TheThemeGoesInFrontWhenTheViewIsMadeAndARebuildReturnsToItsFirstIndex) {
  state().settings.sbthemexaxis = 3;
  const auto home = makeHomeScreenView();
  ASSERT_EQ(home->subviews().size(), 3u);
  EXPECT_EQ(tagAt(home, 2), 8955);
  EXPECT_EQ(home->subviews().back()->frame().origin, (Point{3, 0}));
  EXPECT_TRUE(state().homeScreen.homeScreenThemeAttached);

  // SpringBoard puts more in front later; the rebuilt theme goes back to its own place.
  home->addSubview(View::make());
  homeScreenThemeChanged();
  const auto first = state().homeScreen.homeScreenThemeView;
  showing = false;
  askShowing();
  EXPECT_EQ(home->viewWithTag(8955), first) << "applied only when the home screen shows";
  showing = true;
  takeCalls();
  EXPECT_TRUE(askShowing());
  EXPECT_EQ(home->subviews().size(), 4u);
  EXPECT_EQ(tagAt(home, 2), 8955);
  EXPECT_NE(home->subviews()[2], first);
  EXPECT_EQ(takeCalls(), (Calls{"createViewFromTheme /var/mobile/Library/Vantile/themes/vertical.json homescreen",
                                "timeUpdated homescreen"}));
}

TEST_F(HomeScreenAttachTest, ARebuildBeforeAnyHomeScreenViewIsNotAttachedSoTheNextViewGetsTheTheme) {
  homeScreenThemeChanged();
  askShowing();
  EXPECT_FALSE(state().homeScreen.homeScreenThemeAttached);
  const auto home = makeHomeScreenView();
  EXPECT_NE(home->viewWithTag(8955), nullptr);
}

TEST_F(HomeScreenAttachTest, WithTheHomeThemeOffNothingIsAttachedButTheHomeScreenStillRefreshes) {
  state().settings.enabled_sb = false;
  const auto home = makeHomeScreenView();
  EXPECT_EQ(home->viewWithTag(8955), nullptr);
  EXPECT_EQ(home->subviews().size(), 2u);
  takeCalls();
  askShowing();
  EXPECT_EQ(takeCalls(), Calls{"timeUpdated homescreen"});
}

TEST_F(HomeScreenAttachTest, ASettingsLoadRelaysOutTheIconsOnceWhenALayoutSwitchIsOnAndIconsShow) {
  objc::Class& iconController = declare("SBIconController");
  objc::Class& folderController = declare("SBRootFolderController");
  declareWithStock<sig::Action>("SBRootFolderView", "updateIconListViews");
  const auto controller = testing::makeObject("SBIconController");
  const auto rootFolderController = testing::makeObject("SBRootFolderController");
  const auto rootFolderView = RuntimeView::make("SBRootFolderView");
  objc::addClassMethod<sig::Getter>(iconController, "sharedInstance", [&](objc::Object&) -> ObjectRef { return controller; });
  objc::addMethod<sig::Getter>(iconController, "_rootFolderController",
                               [&](objc::Object&) -> ObjectRef { return rootFolderController; });
  objc::addMethod<sig::Getter>(folderController, "rootFolderView",
                               [&](objc::Object&) -> ObjectRef { return std::shared_ptr<objc::Object>(rootFolderView, rootFolderView.get()); });

  struct RelayoutCase {
    const char* name;
    bool iconrows;
    bool hideicons;
    bool showingAnswer;
    Calls expected;
  };
  const RelayoutCase cases[] = {
      {"only iconrows", true, false, false, {"stock updateIconListViews"}},
      {"no layout switch", false, false, false, {}},
      {"icons hidden", true, true, false, {}},
  };
  showing = false;
  for (const RelayoutCase& test : cases) {
    state().settings.iconrows = test.iconrows;
    state().settings.hideicons = test.hideicons;
    state().homeScreen.iconsNeedRelayout = true;
    takeCalls();
    askShowing();
    askShowing();
    EXPECT_EQ(takeCalls(), test.expected) << test.name;
    EXPECT_FALSE(state().homeScreen.iconsNeedRelayout);
  }
}

TEST_F(HomeScreenAttachTest, TapsOnTheEmptyPageAreForwardedAtMostOncePerEightTenthsOfASecond) {
  objc::removeClass("SBIconListView");
  objc::Class& listView = declare("SBIconListView");
  declare("SBIconView");
  std::shared_ptr<View> hit;
  objc::addMethod<sig::HitTest>(listView, "hitTest:withEvent:", [&](objc::Object&, Point, const Event*) { return hit; });
  state().kept = KeptImplementations{};
  installRows(themeGroupRows());
  state().settings.enablesbtouch = true;
  std::vector<double> forwarded;
  state().hooks.checkSBTouch = [&](Point, const Event* event, Point, const std::shared_ptr<View>&) {
    forwarded.push_back(event->timestamp);
  };
  const auto page = RuntimeView::make("SBIconListView");
  const auto icon = RuntimeView::make("SBIconView");
  const auto tap = [&](const std::shared_ptr<View>& target, double at) {
    hit = target;
    platform::ui::Event event;
    event.timestamp = at;
    EXPECT_EQ(objc::send<sig::HitTest>(*page, "hitTest:withEvent:", Point{20, 300}, &event), target);
  };

  constexpr double start = 2'000'000.0;
  tap(icon, start);
  tap(page, start + 0.1);
  tap(page, start + 0.6);
  tap(page, start + 1.0);
  EXPECT_EQ(forwarded, (std::vector<double>{start + 0.1, start + 1.0}));

  state().settings.hideicons = true;
  tap(page, start + 10);
  EXPECT_EQ(forwarded.size(), 2u);
}

}  // namespace
}  // namespace vantile::integration
