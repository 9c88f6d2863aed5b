#include <gtest/gtest.h>

#include "drawer/tests/DrawerFixture.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

using platform::ui::AlertController;

class DrawerTouches : public DrawerFixture {
 protected:
  std::vector<std::string> actionTitles() {
    std::vector<std::string> titles;
    if (const auto sheet = AlertController::shownInKeyWindow()) {
      for (const auto& action : sheet->actions()) titles.push_back(action.title);
    }
    return titles;
  }
};

TEST_F(DrawerTouches, ATapOnAnIconHandsItToTheHostAndRemovesTheDrawerAtOnce) {
  start();
  auto drawer = openDrawer();
  touches().tap({45 + 16, 40 + 10 + 16});
  EXPECT_EQ(chosen, std::vector<std::string>{"com.apple.MobileSMS"});
  EXPECT_FALSE(drawer->isDrawerOpen());
  EXPECT_EQ(drawer->superview(), nullptr);
}

TEST_F(DrawerTouches, WithoutACompletionBlockATapOnAnIconDoesNothing) {
  start();
  auto drawer = openDrawer();
  drawer->completionBlock = nullptr;
  touches().tap({45 + 16, 40 + 10 + 16});
  EXPECT_TRUE(drawer->isDrawerOpen());
  EXPECT_EQ(drawer->superview(), window());
}

TEST_F(DrawerTouches, TheBottomBandStartsAtTheWholeScreenHeightLess80) {
  start();
  auto drawer = openDrawer();
  touches().tap({150, 586.5});
  settle(1);
  EXPECT_EQ(drawer->superview(), window());
  touches().tap({150, 587});
  EXPECT_EQ(drawer->superview(), window());
  settle(0.1);
  EXPECT_DOUBLE_EQ(drawer->layer()->presentationProperties().opacity, 0);
  EXPECT_TRUE(drawer->isDrawerOpen());
  settle(0.5);
  EXPECT_FALSE(drawer->isDrawerOpen());
  EXPECT_EQ(drawer->superview(), nullptr);
}

TEST_F(DrawerTouches, CloseRemovesExactlyHalfASecondLaterEvenWhenTheFadeIsInterrupted) {
  start();
  auto drawer = openDrawer();
  drawer->closeDrawer();
  settle(0.05);
  // Something else animates the alpha: the fade does not finish.
  platform::ui::View::animate(1, 0, {}, [&] { drawer->setAlpha(0.5); });
  settle(0.449);
  EXPECT_TRUE(drawer->isDrawerOpen());
  EXPECT_EQ(drawer->superview(), window());
  settle(0.002);
  EXPECT_FALSE(drawer->isDrawerOpen());
  EXPECT_EQ(drawer->superview(), nullptr);
}

TEST_F(DrawerTouches, WithAPopUpOpenTheFirstTapOutsideTheIconsOnlyClosesIt) {
  start();
  auto drawer = openDrawer();
  drawer->lastLetter = "M";
  drawer->popupFolder = platform::ui::View::make({285, 100, 60, 60});
  drawer->addSubview(drawer->popupFolder);
  touches().tap({150, 620});
  EXPECT_EQ(drawer->popupFolder, nullptr);
  EXPECT_EQ(drawer->lastLetter, "");
  settle(1);
  EXPECT_TRUE(drawer->isDrawerOpen());
  touches().tap({150, 620});
  settle(1);
  EXPECT_FALSE(drawer->isDrawerOpen());
}

TEST_F(DrawerTouches, TheOptionsSheetOffersWhatTheSegmentAllows) {
  start();
  auto drawer = openDrawer();
  touches().press({45 + 16, 40 + 10 + 16}, 0.6);
  EXPECT_EQ(actionTitles(),
            (std::vector<std::string>{"Delete com.apple.MobileSMS", "Add to favorites", "Cancel"}));
  ASSERT_TRUE(AlertController::shownInKeyWindow()->chooseAction("Add to favorites"));
  EXPECT_EQ(drawer->favApps, std::vector<std::string>{"com.apple.MobileSMS"});

  drawer->segmentedControl->setSelectedSegmentIndex(1);
  drawer->segmentSelected(*drawer->segmentedControl);
  settle();
  drawer->showAppOptionSheet("com.apple.MobileSMS");
  EXPECT_EQ(actionTitles()[1], "Remove from favorites");
  AlertController::shownInKeyWindow()->chooseAction("Remove from favorites");
  EXPECT_TRUE(drawer->favApps.empty());
  EXPECT_TRUE(gridApps(*drawer).empty());
}

TEST_F(DrawerTouches, DeletingTellsWhetherItWorked) {
  start();
  auto drawer = openDrawer();
  for (const auto& [bundle, message] : {std::pair{"com.apple.Preferences", "App could not be deleted."},
                                        std::pair{"com.apple.Maps", "App Deleted."}}) {
    drawer->showAppOptionSheet(bundle);
    std::string title = "Delete ";
    title += bundle;
    ASSERT_TRUE(AlertController::shownInKeyWindow()->chooseAction(title));
    const auto alert = AlertController::shownInKeyWindow();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Vantile");
    EXPECT_EQ(alert->message(), message);
    alert->chooseAction("Ok");
  }
  EXPECT_EQ(AlertController::shownInKeyWindow(), nullptr);
}

TEST_F(DrawerTouches, TheGearMenuOpensSettingsOrResetsTheColours) {
  start();
  int posted = 0;
  const auto observation = platform::foundation::DarwinNotificationCenter::shared().addObserver(
      "com.kestrune.vantile/openSettings", [&](const std::string&) { ++posted; });
  auto drawer = openDrawer();
  touches().tap({375 - 70 + 35, 667 - 70 + 35});
  EXPECT_EQ(actionTitles(),
            (std::vector<std::string>{"Vantile Settings", "Drawer Settings", "Reset Drawer Colors", "Cancel"}));
  AlertController::shownInKeyWindow()->chooseAction("Vantile Settings");
  settle();
  EXPECT_EQ(posted, 1);
  EXPECT_FALSE(drawer->isDrawerOpen());
  EXPECT_EQ(drawer->superview(), window());

  store("appLabelColor", "rgba(1,2,3,1)");
  store("iconrow", 4);
  drawer->resetDrawerColors();
  EXPECT_EQ(drawer->superview(), nullptr);
  EXPECT_FALSE(defaults().objectForKey("appLabelColor"));
  EXPECT_TRUE(defaults().objectForKey("iconrow"));
}

}  // namespace
}  // namespace vantile::testing
