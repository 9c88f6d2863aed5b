#include <gtest/gtest.h>

#include "drawer/AppDrawerSettings.h"
#include "drawer/AppDrawerSettingsVC.h"
#include "drawer/tests/DrawerFixture.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/controls/Slider.h"
#include "platform/ui/controls/Switch.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;

class SettingsPanel : public DrawerFixture {
 protected:
  void SetUp() override {
    start();
    drawer = openDrawer();
    drawer->loadDrawerSettings(false);
  }

  AppDrawerSettings& panel() { return AppDrawerSettings::sharedInstance(); }

  // A row of the panel by its key's position in the table.
  std::shared_ptr<ui::View> row(std::string_view key) {
    const auto& rows = panel().scrollview->subviews().front()->subviews();
    for (std::size_t index = 0; index < AppDrawerKeys.size(); ++index) {
      if (AppDrawerKeys[index].key == key) return rows[index];
    }
    return nullptr;
  }
  // A point of a row's view on the screen.
  platform::graphics::Point onScreen(const ui::View& view, platform::graphics::Point point = {5, 5}) {
    return *view.convertPointToView(point, nullptr);
  }
  // Scrolls the panel so a row is in sight.
  void reveal(std::string_view key) {
    panel().scrollview->setContentOffset({0, row(key)->frame().y()});
  }

  std::shared_ptr<AppDrawerViewController> drawer;
};

TEST_F(SettingsPanel, AFreshDeviceShowsTheTableDefaultsWhileTheGridKeepsItsOwnFallbacks) {
  EXPECT_EQ(drawer->settingsView, panel().drawerSettings);
  EXPECT_EQ(drawer->settingsView->frame(), (platform::graphics::Rect{37, 187, 300, 430}));
  EXPECT_EQ(panel().scrollview->contentSize(), (platform::graphics::Size{300, 27 * 60 + 26 * 5}));
  for (const AppDrawerKey& key : AppDrawerKeys) {
    const auto shown = row(key.key)->viewWithTag(AppDrawerSettings::controlTag);
    if (key.kind == Kind::toggle) {
      EXPECT_EQ(std::dynamic_pointer_cast<ui::Switch>(shown)->isOn(), key.key == "shortcuts") << key.key;
    } else if (key.kind == Kind::slider) {
      EXPECT_EQ(std::dynamic_pointer_cast<ui::Slider>(shown)->value(), key.defaultValue) << key.key;
    }
  }
  const auto iconRowLabel = std::dynamic_pointer_cast<ui::Label>(row("iconrow")->viewWithTag(AppDrawerSettings::valueLabelTag));
  EXPECT_EQ(iconRowLabel->text(), "4");
  EXPECT_EQ(std::dynamic_pointer_cast<ui::Slider>(row("topPadding")->viewWithTag(AppDrawerSettings::controlTag))->value(), 20);
  // The grid still lays out five to a row, its first row at 10.
  const auto& firstPage = drawer->scrollView->subviews().front();
  ASSERT_EQ(firstPage->subviews().size(), 2u);
  EXPECT_EQ(firstPage->subviews()[0]->frame().y(), 10);
  EXPECT_EQ(firstPage->subviews()[1]->frame().x(), 63);
}

TEST_F(SettingsPanel, ASliderStoresWholeNumbersAndTakesEffectOnlyAtTheNextReapply) {
  const auto slider = std::dynamic_pointer_cast<ui::Slider>(row("xpadding")->viewWithTag(AppDrawerSettings::controlTag));
  slider->setValue(7.6);
  panel().sliderMoved(*slider);
  EXPECT_EQ(*defaults().objectForKey("xpadding"), 7);
  EXPECT_EQ(std::dynamic_pointer_cast<ui::Label>(row("xpadding")->viewWithTag(AppDrawerSettings::valueLabelTag))->text(), "7");
  const auto& cells = drawer->scrollView->subviews().front()->subviews();
  EXPECT_EQ(cells[1]->frame().x(), 63);
  panel().applySettings();
  settle();
  // (285 - 4 × 7) / 5 = 51.4 wide, 7 apart.
  EXPECT_EQ(drawer->scrollView->subviews().front()->subviews()[1]->frame().x(), 58);
}

TEST_F(SettingsPanel, AResetStoresTheTableDefaultAndReappliesAtOnce) {
  store("bottomMargin", 300);
  store("stackFromBottom", true);
  drawer->loadDrawerSettings(false);
  reveal("bottomMargin");
  const auto reset = row("bottomMargin")->subviews().back();
  EXPECT_EQ(reset->layer()->name(), "bottomMargin~80");
  touches().tap(onScreen(*reset, {15, 15}));
  EXPECT_EQ(*defaults().objectForKey("bottomMargin"), 80);
  EXPECT_EQ(std::dynamic_pointer_cast<ui::Slider>(row("bottomMargin")->viewWithTag(AppDrawerSettings::controlTag))->value(), 80);
  settle();
  EXPECT_EQ(drawer->scrollView->subviews().front()->subviews()[0]->frame().y(), 567 - 53 - 80);
}

TEST_F(SettingsPanel, AToggledSwitchStoresItsValueAndReappliesAtOnce) {
  const auto target = row("disablebgblur")->subviews().back();
  EXPECT_EQ(target->layer()->name(), "disablebgblur");
  touches().tap(onScreen(*target, {20, 15}));
  EXPECT_EQ(*defaults().objectForKey("disablebgblur"), true);
  EXPECT_TRUE(std::dynamic_pointer_cast<ui::Switch>(row("disablebgblur")->viewWithTag(AppDrawerSettings::controlTag))->isOn());
  EXPECT_TRUE(drawer->backgroundBlur->isHidden());
}

TEST_F(SettingsPanel, APickedColourIsStoredAsRgbaAndThePanelComesBackAtItsScrollOffset) {
  reveal("appLabelColor");
  const platform::graphics::Point offset = panel().scrollview->contentOffset();
  const auto swatch = row("appLabelColor")->subviews().back();
  touches().tap(onScreen(*swatch, {50, 10}));
  const auto picker = ui::ColorPickerViewController::shownInKeyWindow();
  ASSERT_TRUE(picker);
  EXPECT_EQ(picker->selectedColor(), (platform::graphics::Color{1, 1, 1, 1}));
  auto* host = dynamic_cast<AppDrawerSettingsVC*>(picker->presentingViewController().get());
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->identifier, "appLabelColor~appDrawer~rgba(255,255,255,1)");

  picker->pickColor({1, 0, 0, 1});
  EXPECT_FALSE(defaults().objectForKey("appLabelColor"));
  picker->finish();
  EXPECT_EQ(*defaults().objectForKey("appLabelColor"), "rgba(255, 0, 0, 1.00)");
  EXPECT_EQ(ui::ColorPickerViewController::shownInKeyWindow(), nullptr);
  EXPECT_NE(drawer->settingsView, nullptr);
  EXPECT_EQ(drawer->settingsView->superview(), drawer);
  EXPECT_EQ(panel().scrollview->contentOffset(), offset);
  EXPECT_EQ(drawer->settingsView->frame().origin, (platform::graphics::Point{37, 187}));
  EXPECT_EQ(row("appLabelColor")->subviews().back()->backgroundColor(), (platform::graphics::Color{1, 0, 0, 1}));
}

TEST_F(SettingsPanel, ColourStringsComeBackWithBlanksAndTwoDecimals) {
  EXPECT_EQ(AppDrawerSettingsVC::rgbaStringFromColor({252.0 / 255, 13.0 / 255, 27.0 / 255, 1}), "rgba(252, 13, 27, 1.00)");
  EXPECT_EQ(AppDrawerSettingsVC::rgbaStringFromColor({0.5, 0, 1, 0.25}), "rgba(128, 0, 255, 0.25)");
  EXPECT_FALSE(AppDrawerSettings::uiColorFromString("rgba(1,2,3)"));
  EXPECT_FALSE(AppDrawerSettings::uiColorFromString("red"));
}

TEST_F(SettingsPanel, AStoredColourWithTooFewPartsGivesNoColour) {
  store("appLabelColor", "rgba(255,0)");
  store("backgroundColor", "rgba(10,20)");
  drawer->loadDrawerSettings(false);
  EXPECT_EQ(row("appLabelColor")->subviews().back()->backgroundColor(), std::nullopt);
  drawer->reloadOptions();
  EXPECT_EQ(drawer->scrollView->backgroundColor(), std::nullopt);
}

TEST_F(SettingsPanel, ThePanelSnapsBackInsideTheDrawerWhenReleased) {
  auto& shown = *drawer->settingsView;
  shown.setFrame({-40, 100, 300, 430});
  AppDrawerSettings::snapViewToEdgeIfNeeded(shown);
  settle(0.3);
  EXPECT_EQ(shown.frame().origin, (platform::graphics::Point{0, 100}));
  EXPECT_DOUBLE_EQ(shown.layer()->presentationProperties().position.x, 150);
  shown.setFrame({10, 100, 300, 430});
  AppDrawerSettings::snapViewToEdgeIfNeeded(shown);
  EXPECT_EQ(shown.frame().origin, (platform::graphics::Point{10, 100}));
}

TEST_F(SettingsPanel, ClosingKeepsWhatWasStored) {
  store("iconrow", 3);
  touches().tap(onScreen(*drawer->settingsView, {180 + 30 + 20, 20}));
  EXPECT_EQ(drawer->settingsView->superview(), nullptr);
  EXPECT_EQ(*defaults().objectForKey("iconrow"), 3);
}

}  // namespace
}  // namespace vantile::testing
