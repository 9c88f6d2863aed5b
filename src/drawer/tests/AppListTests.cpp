#include <gtest/gtest.h>

#include "drawer/tests/DrawerFixture.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/services/SBApplication.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

using Records = std::vector<platform::Value>;
namespace sb = platform::springboard;

platform::Value record(const char* bundle, const char* name, const char* badge = "") {
  return {{"bundle", bundle}, {"name", name}, {"badge", badge}};
}

class AppLists : public DrawerFixture {};

TEST_F(AppLists, ListsAreSortedByNameAndLeaveHiddenAndInternalAppsOut) {
  auto apps = sampleApps();
  apps.push_back({"com.example.banana", "banana", std::nullopt, "", false, false, false});
  apps.push_back({"com.example.apple", "Apple", std::nullopt, "", false, false, false});
  apps.push_back({"com.example.internal", "Internal", std::nullopt, "", false, true, false});
  start(apps);
  store("favApps", platform::Value::array({"com.example.hidden", "com.apple.mobilephone", "com.example.gone"}));
  auto drawer = openDrawer();

  Records names;
  for (const auto& app : drawer->getInstalledAppArray()) names.push_back(app["name"]);
  EXPECT_EQ(names, (Records{"Apple", "banana", "Mail", "Maps", "Messages", "Notes", "Phone", "Settings"}));
  EXPECT_EQ(drawer->getFavApps(), (Records{record("com.apple.mobilephone", "Phone")}));
  EXPECT_EQ(drawer->getAppWithBadges(),
            (Records{record("com.apple.MobileSMS", "Messages", "3"), record("com.apple.mobilenotes", "Notes", "0")}));
}

TEST_F(AppLists, AFavouriteAddedTwiceIsStoredOnceAndRemovingRebuildsTheFavouritesGrid) {
  start();
  auto drawer = openDrawer();
  drawer->addAppToFavorites("com.apple.Maps");
  drawer->addAppToFavorites("com.apple.Maps");
  EXPECT_EQ(*defaults().objectForKey("favApps"), platform::Value::array({"com.apple.Maps"}));
  EXPECT_EQ(gridApps(*drawer), (std::vector<std::string>{"com.apple.MobileSMS", "com.apple.mobilenotes"}));

  drawer->removeAppFromFavorites("com.apple.Phone.not.there");
  EXPECT_EQ(gridApps(*drawer), std::vector<std::string>{"com.apple.Maps"});
  drawer->removeAppFromFavorites("com.apple.Maps");
  EXPECT_EQ(*defaults().objectForKey("favApps"), platform::Value::array());
  EXPECT_TRUE(gridApps(*drawer).empty());
  EXPECT_EQ(AppDrawerViewController::make(window()->bounds())->favApps, std::vector<std::string>{});
}

TEST_F(AppLists, SystemAppsAndSpringBoardAreRefusedWithoutAskingSpringBoard) {
  auto apps = sampleApps();
  apps.push_back({"com.apple.springboard", "SpringBoard", std::nullopt, "", false, false, false});
  start(apps);
  auto drawer = openDrawer();
  for (const char* refused : {"com.apple.Preferences", "com.apple.springboard", "com.example.none"}) {
    EXPECT_FALSE(drawer->uninstallApp(refused)) << refused;
  }
  EXPECT_TRUE(process->applicationController()->uninstalledBundleIdentifiers().empty());
  EXPECT_TRUE(drawer->uninstallApp("com.apple.Maps"));
  EXPECT_EQ(process->applicationController()->uninstalledBundleIdentifiers(), std::vector<std::string>{"com.apple.Maps"});
  EXPECT_EQ(drawer->getInstalledAppArray().size(), 6u);
}

TEST_F(AppLists, WithoutSpringBoardsClassesEveryListIsEmptyAndTheGridHasOneEmptyPage) {
  platform::ui::Screen::mainScreen().setBounds({0, 0, 375, 667});
  auto drawer = AppDrawerViewController::make({0, 0, 375, 667});
  settle();
  EXPECT_TRUE(drawer->getInstalledAppArray().empty());
  EXPECT_EQ(drawer->scrollView->subviews().size(), 1u);
  EXPECT_TRUE(drawer->customList.empty());
}

TEST_F(AppLists, IconsPopInFromTheQueueAndOnlyRealPicturesAreCached) {
  const auto picture = platform::graphics::Image::fromRGBA(2, 2, std::vector<std::uint8_t>(16, 200));
  root.writeFile("/icons/maps.png", *platform::graphics::encodePNG(*picture));
  auto apps = sampleApps();
  apps[3].icon = "/icons/maps.png";
  start(apps);
  store("favsdefault", true);
  store("favApps", platform::Value::array({"com.apple.Maps", "com.apple.mobilephone"}));
  auto drawer = AppDrawerViewController::make(window()->bounds());
  window()->addSubview(drawer);
  const auto cell = drawer->scrollView->subviews().front()->subviews().front();
  EXPECT_EQ(cell->alpha(), 0);
  settle();
  EXPECT_EQ(cell->alpha(), 1);
  EXPECT_EQ(cell->transform().a, 1);
  EXPECT_TRUE(drawer->iconDictionary.contains("com.apple.Maps"));
  EXPECT_FALSE(drawer->iconDictionary.contains("com.apple.mobilephone"));

  // The second build takes the picture from the cache, even once SpringBoard has lost it.
  std::filesystem::remove(root.path() / "icons/maps.png");
  drawer->reloadOptions();
  settle();
  const auto rebuilt = drawer->scrollView->subviews().front()->subviews().front();
  ASSERT_EQ(rebuilt->layer()->name(), "com.apple.Maps");
  const auto image = std::dynamic_pointer_cast<platform::ui::ImageView>(rebuilt->subviews().front());
  ASSERT_TRUE(image && image->image());
  EXPECT_EQ(image->image()->width(), 2);
}

TEST_F(AppLists, TheDrawerOpensOnBadgesOrFavouritesAndReadsItsLabelSettings) {
  start();
  store("labelsize", 0);
  auto drawer = openDrawer();
  EXPECT_EQ(drawer->segmentSelection, 0);
  EXPECT_EQ(drawer->segmentedControl->selectedSegmentIndex(), 0);
  const auto cell = drawer->scrollView->subviews().front()->subviews().front();
  const auto name = std::dynamic_pointer_cast<platform::ui::Label>(cell->subviews()[2]);
  ASSERT_TRUE(name);
  EXPECT_EQ(name->font().pointSize, 8);
  const auto badge = std::dynamic_pointer_cast<platform::ui::Label>(cell->subviews()[1]);
  EXPECT_EQ(badge->text(), "3");

  store("favsdefault", true);
  store("invisiblesettingsicon", true);
  auto favourites = openDrawer();
  EXPECT_EQ(favourites->segmentSelection, 1);
  EXPECT_EQ(favourites->segmentedControl->selectedSegmentIndex(), 1);
  EXPECT_DOUBLE_EQ(favourites->settingsIcon->alpha(), 0.011);
  favourites->reloadOptions();
  EXPECT_DOUBLE_EQ(favourites->settingsIcon->alpha(), 0.011);
}

}  // namespace
}  // namespace vantile::testing
