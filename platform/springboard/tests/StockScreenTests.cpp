#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/homescreen/SBHomeScreenViewController.h"
#include "platform/springboard/homescreen/SBRootFolderView.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/tests/SpringBoardFixture.h"

namespace platform::springboard {
namespace {

using StockScreenTest = testing::SpringBoardFixture;

// The chain of class names from the root down to the first view of `className`.
std::vector<std::string> pathTo(const ui::View& view, std::string_view className) {
  if (view.className() == className) return {std::string(view.className())};
  for (const auto& subview : view.subviews()) {
    auto path = pathTo(*subview, className);
    if (!path.empty()) {
      path.insert(path.begin(), std::string(view.className()));
      return path;
    }
  }
  return {};
}

TEST_F(StockScreenTest, LockScreenHoldsTheMainPageUnderTheCoverSheetView) {
  auto& springBoard = start();
  EXPECT_EQ(springBoard.shownScreen(), ShownScreen::lockScreen);
  const auto path = pathTo(*springBoard.lockScreenWindow(), "SBFLockScreenDateView");
  EXPECT_EQ(path, (std::vector<std::string>{"Window", "CSCoverSheetView", "CSMainPageView", "SBFLockScreenDateView"}));
}

TEST_F(StockScreenTest, HomeScreenHoldsIconListsUnderTheHomeScreenView) {
  auto& springBoard = start();
  const auto path = pathTo(*springBoard.homeScreenWindow(), "SBIconView");
  EXPECT_EQ(path, (std::vector<std::string>{"Window", "SBHomeScreenView", "SBIconContentView", "SBRootFolderView",
                                            "SBIconScrollView", "SBIconListView", "SBIconView"}));
}

TEST_F(StockScreenTest, HomeScreenShowsTheVisibleAppsInOrderWithLabelsAndBadgesAndTheDockApart) {
  auto& springBoard = start();
  const auto& folder = springBoard.homeScreenView()->iconContentView()->rootFolderView();
  ASSERT_EQ(folder->iconListViews().size(), 1u);
  std::vector<std::string> page;
  for (const auto& icon : folder->iconListViews().front()->iconViews()) {
    const bool badged = !icon->badgeView()->isHidden();
    page.push_back(icon->labelView()->text() + (badged ? "(" + icon->badgeText() + ")" : ""));
  }
  // The dock's apps and the hidden app are not on the page.
  EXPECT_EQ(page, (std::vector<std::string>{"Messages(3)", "Mail(12)", "Camera", "Music"}));
  std::vector<std::string> dock;
  for (const auto& icon : folder->dockListView()->iconViews()) dock.push_back(icon->applicationBundleIdentifier());
  EXPECT_EQ(dock, (std::vector<std::string>{"com.apple.mobilephone", "com.apple.mobilesafari"}));
  EXPECT_TRUE(folder->dockListView()->iconViews().front()->labelView()->isHidden());
}

TEST_F(StockScreenTest, IconsFillFourColumnsAndSixRowsPerPage) {
  DeviceState state = testing::sampleDevice();
  state.dock.clear();
  state.apps.clear();
  for (int index = 0; index < 25; ++index) {
    state.apps.push_back({"com.example.app" + std::to_string(index), "App " + std::to_string(index), std::nullopt, "",
                          false, false, false});
  }
  auto& springBoard = start(state);
  const auto& lists = springBoard.homeScreenView()->iconContentView()->rootFolderView()->iconListViews();
  ASSERT_EQ(lists.size(), 2u);
  const auto& first = lists[0]->iconViews();
  ASSERT_EQ(first.size(), 24u);
  EXPECT_EQ(lists[1]->iconViews().size(), 1u);
  // Row by row: the fifth icon starts the second row under the first.
  EXPECT_EQ(first[4]->frame().origin.x, first[0]->frame().origin.x);
  EXPECT_GT(first[4]->frame().origin.y, first[0]->frame().origin.y);
  EXPECT_EQ(first[3]->frame().origin.y, first[0]->frame().origin.y);
  EXPECT_EQ(first[23]->frame().origin.y, first[20]->frame().origin.y);
  // The second page lies to the right of the first in the paged scroll view.
  EXPECT_EQ(lists[1]->frame().origin.x, lists[0]->frame().size.width);
}

TEST_F(StockScreenTest, EveryVersionBuildsBothScreensFromRegisteredClassesOnly) {
  for (const int ios : {10, 12, 13, 14, 16}) {
    DeviceState state = testing::sampleDevice();
    state.ios = ios;
    ::testing::internal::CaptureStderr();
    auto& springBoard = start(state);
    springBoard.unlock();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(log.find("no class"), std::string::npos) << "iOS " << ios << ": " << log;
    EXPECT_EQ(springBoard.shownScreen(), ShownScreen::homeScreen);
  }
}

TEST_F(StockScreenTest, TheLockScreenShowsNowPlayingChargingAndTheFlashlightFromTheDevice) {
  DeviceState state = testing::sampleDevice();
  state.nowPlaying = {"Song", "Band", "Record", 100, 25, true, "", "com.apple.Music"};
  auto& springBoard = start(state);
  const auto& coverSheet = springBoard.coverSheetViewController();
  EXPECT_FALSE(coverSheet->nowPlayingView()->isHidden());
  EXPECT_TRUE(coverSheet->chargingView()->isHidden());
  springBoard.plug();
  EXPECT_FALSE(coverSheet->chargingView()->isHidden());
  springBoard.unplug();
  EXPECT_TRUE(coverSheet->chargingView()->isHidden());
  // A tap on the flashlight button turns the light on through the flashlight object.
  springBoard.tap(*coverSheet->flashlightButton()->convertPointToView({25, 25}, springBoard.lockScreenWindow().get()));
  EXPECT_EQ(DeviceModel::shared().state().flashlight, 1.0);
  ASSERT_TRUE(springBoard.setDeviceValue("nowPlaying.title", ""));
  ASSERT_TRUE(springBoard.setDeviceValue("nowPlaying.app", ""));
  EXPECT_TRUE(coverSheet->nowPlayingView()->isHidden());
}

TEST_F(StockScreenTest, EachScreenHasALoadedViewControllerAboveItsViews) {
  auto& springBoard = start();
  const auto& page = springBoard.coverSheetViewController()->mainPageView();
  EXPECT_EQ(ui::ViewController::forRootView(*page->superview()), springBoard.coverSheetViewController());
  const auto home = springBoard.homeScreenView();
  EXPECT_EQ(ui::ViewController::forRootView(*home), springBoard.homeScreenViewController());
  EXPECT_TRUE(springBoard.homeScreenViewController()->isViewLoaded());
  EXPECT_EQ(springBoard.homeScreenViewController()->viewDidLoadCount(), 1);
}

}  // namespace
}  // namespace platform::springboard
