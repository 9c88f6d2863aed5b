#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "inspector/colorcell/ColorStrings.h"
#include "inspector/colorcell/ZPKColorPickerCell.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;
using platform::graphics::Color;
using Sent = std::vector<std::pair<std::string, std::string>>;

TEST(ColorStrings, ChannelsRoundHalvesAwayFromZeroAndAlphaKeepsTwoDecimals) {
  const std::vector<std::pair<Color, std::string>> cases = {
      {{1, 0, 0, 1}, "rgba(255, 0, 0, 1.00)"},
      {{0.5, 0.5, 0.5, 0.5}, "rgba(128, 128, 128, 0.50)"},
      {{0, 0, 0, 0}, "rgba(0, 0, 0, 0.00)"},
      {appleBlue(), "rgba(14, 122, 254, 1.00)"},
  };
  for (const auto& [color, text] : cases) EXPECT_EQ(rgbaStringFromColor(color), text);
}

// A cell in the root view of the key window's controller, telling what it sends.
class ColorCell : public ::testing::Test {
 protected:
  ColorCell() {
    window->setRootViewController(root);
    window->makeKeyAndVisible();
  }

  std::shared_ptr<ZPKColorPickerCell> addCell(const std::string& value, std::string styleKey = "textColor") {
    auto cell = ZPKColorPickerCell::make(ui::TableViewCell::Style::standard, {"Clock", std::move(styleKey), value},
                                         {[this](const std::string& color, const std::string& key) {
                                            previews.emplace_back(color, key);
                                          },
                                          [this](const std::string& color, const std::string& key) {
                                            commits.emplace_back(color, key);
                                          }});
    cell->setFrame({100, 200, 50, 50});
    root->view()->addSubview(cell);
    return cell;
  }
  std::shared_ptr<ui::ColorPickerViewController> openPicker() {
    ui::TouchInjector(window).tap({115, 215});
    platform::foundation::MainQueue::shared().advance(0.5);
    return ui::ColorPickerViewController::shownInKeyWindow();
  }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot deviceRoot;
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
  std::shared_ptr<ui::ViewController> root = ui::ViewController::make();
  Sent previews;
  Sent commits;
};

TEST_F(ColorCell, TheSwatchShowsTheStartingValueAtThirtyPointsWhereTheCellWasPut) {
  const std::vector<std::pair<std::string, std::optional<Color>>> cases = {
      {"rgba(255, 0, 0, 0.5)", Color{1, 0, 0, 0.5}},
      {"none", Color{1, 1, 1, 1}},
      {"#ff0000", std::nullopt},
  };
  for (const auto& [value, shown] : cases) {
    const auto cell = addCell(value);
    EXPECT_EQ(cell->colorPreview()->backgroundColor(), shown) << value;
    EXPECT_EQ(cell->accessoryView(), cell->colorPreview());
    EXPECT_EQ(cell->frame(), (platform::graphics::Rect{100, 200, 30, 30}));
    cell->removeFromSuperview();
  }
}

TEST_F(ColorCell, PicksPreviewOncePerNewColourAndClosingCommitsTheLastOne) {
  addCell("rgba(0, 0, 0, 1)");
  const auto picker = openPicker();
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->selectedColor(), (Color{0, 0, 0, 1}));
  EXPECT_EQ(picker->view()->tintColor(), appleBlue());

  picker->pickColor({1, 0, 0, 1});
  picker->pickColor({1, 0, 0, 1});
  picker->pickColor({0.5, 0.5, 0.5, 0.5});
  EXPECT_EQ(previews, (Sent{{"rgba(255, 0, 0, 1.00)", "textColor"}, {"rgba(128, 128, 128, 0.50)", "textColor"}}));
  EXPECT_TRUE(commits.empty());

  picker->finish();
  platform::foundation::MainQueue::shared().advance(0.5);
  EXPECT_EQ(commits, (Sent{{"rgba(128, 128, 128, 0.50)", "textColor"}}));
  EXPECT_EQ(ui::ColorPickerViewController::shownInKeyWindow(), nullptr);
}

TEST_F(ColorCell, ClosingWithoutAPickCommitsThePreselectedColourToTheCellsStyleAndTheSwatchOpensAgain) {
  const auto cell = addCell("rgba(0, 0, 255, 1)", "textShadow");
  const auto picker = openPicker();
  ASSERT_NE(picker, nullptr);
  picker->finish();
  EXPECT_TRUE(previews.empty());
  EXPECT_EQ(commits, (Sent{{"rgba(0, 0, 255, 1.00)", "textShadow"}}));
  EXPECT_EQ(cell->colorPreview()->backgroundColor(), (Color{0, 0, 1, 1}));

  // The committed colour's new swatch still opens the picker.
  const auto again = openPicker();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->selectedColor(), (Color{0, 0, 1, 1}));
}

TEST_F(ColorCell, ACellNoControllerHostsOpensNothing) {
  const auto loose = ui::View::make({0, 0, 200, 200});
  auto cell = ZPKColorPickerCell::make(ui::TableViewCell::Style::standard, {"Clock", "textColor", "none"}, {});
  loose->addSubview(cell);
  cell->openColorPicker();
  EXPECT_EQ(ui::ColorPickerViewController::shownInKeyWindow(), nullptr);
}

}  // namespace
}  // namespace vantile::testing
