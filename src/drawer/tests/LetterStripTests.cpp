#include <gtest/gtest.h>

#include "drawer/tests/DrawerFixture.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

namespace sb = platform::springboard;

sb::AppState app(std::string bundle, std::string name) { return {std::move(bundle), std::move(name), {}, "", false, false, false}; }

class LetterStrip : public DrawerFixture {
 protected:
  // The label of a letter in the strip.
  std::shared_ptr<platform::ui::Label> letterLabel(const AppDrawerViewController& drawer, const std::string& letter) {
    for (const auto& view : drawer.shortcutLetterView->subviews()) {
      auto label = std::dynamic_pointer_cast<platform::ui::Label>(view);
      if (label && label->text() == letter) return label;
    }
    return nullptr;
  }
};

TEST_F(LetterStrip, LettersFollowTheSortedNamesWithWhatsAppFiledUnderW) {
  start({app("a.maps", "Maps"), app("a.mail", "Mail"), app("a.notes", "Notes"), app("a.tool", "My WhatsApp Tool"),
         app("a.nameless", "")});
  auto drawer = openDrawer();
  std::vector<std::string> letters;
  for (const auto& entry : drawer->customList) letters.push_back(entry.letter);
  // "My WhatsApp Tool" sorts among the M's but files under W: its letter stands before N.
  EXPECT_EQ(letters, (std::vector<std::string>{"M", "W", "N"}));
  ASSERT_EQ(drawer->customList[0].apps.size(), 2u);
  EXPECT_EQ(drawer->customList[0].apps[0]["name"], "Mail");
  EXPECT_EQ(drawer->customList[0].apps[1]["name"], "Maps");
  EXPECT_EQ(drawer->customList[1].apps[0]["name"], "My WhatsApp Tool");
  EXPECT_EQ(drawer->shortcutLetterView->frame(), (platform::graphics::Rect{0, 283.5 - 33, 20, 66}));
}

TEST_F(LetterStrip, ThePopUpStaysBetween80FromTheTopAndTheBottomAndIsCappedInHeight) {
  std::vector<sb::AppState> apps;
  for (int index = 0; index < 20; ++index) {
    // Appended, not `"B" + std::to_string(…)`: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
    std::string bundle = "b.";
    std::string name = "B";
    bundle += std::to_string(index);
    name += std::to_string(100 + index);
    apps.push_back(app(bundle, name));
  }
  apps.push_back(app("c.one", "Clock"));
  start(apps);
  auto drawer = openDrawer();
  const auto b = letterLabel(*drawer, "B");
  const auto c = letterLabel(*drawer, "C");
  ASSERT_TRUE(b && c);
  drawer->loadAppFromLetter(*b, {10, 10});
  ASSERT_TRUE(drawer->popupFolder);
  EXPECT_EQ(drawer->popupFolder->frame(), (platform::graphics::Rect{285, 587 - 467, 60, 467}));
  EXPECT_EQ(drawer->lastLetter, "B");

  drawer->loadAppFromLetter(*c, {10, 10});
  const double cTop = c->convertPointToView({10, 10}, nullptr)->y;
  EXPECT_EQ(drawer->popupFolder->frame().y(), cTop > 80 ? static_cast<int>(cTop) : 80);
  EXPECT_EQ(drawer->popupFolder->frame().height(), 65);
  EXPECT_EQ(drawer->lastLetter, "C");

  drawer->loadAppFromLetter(*c, {10, 10});
  EXPECT_EQ(drawer->popupFolder, nullptr);
  EXPECT_EQ(drawer->lastLetter, "");
}

TEST_F(LetterStrip, ATapOnALetterOpensItsPopUpAndATapOnAnIconThereChoosesTheApp) {
  start();
  auto drawer = openDrawer();
  const auto m = letterLabel(*drawer, "M");
  ASSERT_TRUE(m);
  const auto tapped = *m->convertPointToView({10, 10}, nullptr);
  touches().tap(tapped);
  ASSERT_TRUE(drawer->popupFolder);
  EXPECT_EQ(drawer->popupFolder->frame().y(), static_cast<int>(tapped.y));
  settle();
  // Mail is the first cell: 10 points into the list, 40 wide.
  const auto list = drawer->popupFolder->subviews()[1];
  touches().tap(*list->convertPointToView({30, 30}, nullptr));
  EXPECT_EQ(chosen, std::vector<std::string>{"com.apple.mobilemail"});
  EXPECT_FALSE(drawer->isDrawerOpen());
  EXPECT_EQ(drawer->superview(), nullptr);
}

}  // namespace
}  // namespace vantile::testing
