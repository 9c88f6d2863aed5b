#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/homescreen/SBHomeScreenViewController.h"
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

}  // namespace
}  // namespace platform::springboard
