#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/editing/tests/EditingFixture.h"
#include "inspector/colorcell/ZPKColorPickerCell.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;

// The editor hosted by the key window's controller, with the label "Clock" selected through the
// canvas, so that its inspector stands in the side panel.
class InspectorPanel : public EditingTest {
 protected:
  InspectorPanel() {
    window->rootViewController()->view()->addSubview(host);
    host->addSubview(canvas->mainView);
    canvas->setElementStyle("fontSize", "Clock", "12");
    canvas->setElementStyle("textAlignment", "Clock", "center");
    select("Clock");
  }

  void select(const std::string& name) {
    canvas->setSelectedElement(name);
    canvas->loadElementOptions(name);
  }

  // The first row part of the type whose layer has the name, at the x when one is given.
  template <class Part>
  std::shared_ptr<Part> rowPart(const std::string& layerName, std::optional<double> x = std::nullopt) const {
    if (!canvas->elementOptions) return nullptr;
    for (const auto& subview : canvas->elementOptions->subviews()) {
      auto part = std::dynamic_pointer_cast<Part>(subview);
      if (!part || subview->layer()->name() != layerName) continue;
      if (std::dynamic_pointer_cast<ui::Label>(subview) && !std::is_same_v<Part, ui::Label>) continue;
      if (std::dynamic_pointer_cast<ui::TextField>(subview) && !std::is_same_v<Part, ui::TextField>) continue;
      if (!x || subview->frame().origin.x == *x) return part;
    }
    return nullptr;
  }

  // Scrolls the panel to the part's row first, as a user does for rows below its first screen.
  void tap(const ui::View& part) {
    const auto& panel = canvas->elementOptions;
    if (const auto inPanel = panel ? part.convertPointToView({0, 0}, panel.get()) : std::nullopt) {
      panel->setContentOffset({0, std::max(0.0, inPanel->y - 20)}, false);
    }
    const auto bounds = part.bounds();
    const auto point = part.convertPointToView({bounds.width() / 2, bounds.height() / 2}, window.get());
    ASSERT_TRUE(point);
    ui::TouchInjector(window).tap(*point);
    platform::foundation::MainQueue::shared().advance(0.5);
  }

  double width() const { return canvas->menu->frame().size.width; }
};

TEST_F(InspectorPanel, SelectingAnElementReplacesThePanelInTheSidePanel) {
  const auto first = canvas->elementOptions;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->superview(), canvas->menu);
  EXPECT_NE(rowPart<ui::Label>("Jump To"), nullptr);

  select("Box");
  EXPECT_EQ(first->superview(), nullptr);
  ASSERT_NE(canvas->elementOptions, nullptr);
  EXPECT_EQ(canvas->elementOptions->superview(), canvas->menu);
  EXPECT_NE(rowPart<ui::Label>("Add Option"), nullptr);
}

TEST_F(InspectorPanel, EditingTheFontSizeFieldOfItsRowChangesTheTheme) {
  const auto field = rowPart<ui::TextField>("fontSize");
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->text(), "12");
  field->setText("30");
  ASSERT_NE(field->delegate(), nullptr);
  field->delegate()->textFieldShouldReturn(*field);
  EXPECT_EQ(element("Clock")["fontSize"], "30");
}

TEST_F(InspectorPanel, TappingARowsButtonsOpensTheCanvasMenus) {
  const auto dots = rowPart<ui::View>("textAlignment", width() - 85);
  ASSERT_NE(dots, nullptr);
  tap(*dots);
  ASSERT_NE(canvas->textAlignmentPicker, nullptr);
  EXPECT_EQ(canvas->textAlignmentPicker->superview(), canvas->mainView);
  canvas->textAlignmentPicker->closeMenu();

  const auto paste = rowPart<ui::View>("textAlignment", width() - 40);
  ASSERT_NE(paste, nullptr);
  tap(*paste);
  EXPECT_NE(canvas->selectCopyPicker, nullptr);
  EXPECT_EQ(canvas->currentStyle, "textAlignment");
}

TEST_F(InspectorPanel, IncrementButtonsAddressTheStyleTheirRowEdits) {
  const struct {
    std::string layerName;
    std::string padAddress;
  } cases[] = {{"fontSize~fontSize", "fontSize~fontSize"}, {"x~frame", "x~frame"}};
  for (const auto& test : cases) {
    const auto pad = rowPart<ui::View>(test.layerName);
    ASSERT_NE(pad, nullptr) << test.layerName;
    tap(*pad);
    EXPECT_EQ(canvas->currentStyle, test.padAddress);
    canvas->closeStyleMenu();
  }
}

TEST_F(InspectorPanel, AShadowColourPickedInItsSwatchGoesIntoTheShadow) {
  std::shared_ptr<ZPKColorPickerCell> swatch;
  for (const auto& subview : canvas->elementOptions->subviews()) {
    if (auto cell = std::dynamic_pointer_cast<ZPKColorPickerCell>(subview)) swatch = cell;
  }
  ASSERT_NE(swatch, nullptr);
  EXPECT_EQ(swatch->identifier(), (ColorCellIdentity{"Clock", "textShadow", "rgba(1,1,1,1)"}));
  // The shadow's entries stand below the panel's first screen.
  canvas->elementOptions->setContentOffset({0, swatch->frame().origin.y - 100}, false);
  tap(*swatch);
  const auto picker = ui::ColorPickerViewController::shownInKeyWindow();
  ASSERT_NE(picker, nullptr);
  picker->pickColor({1, 0, 0, 1});
  picker->finish();
  EXPECT_EQ(element("Clock")["textShadow"]["color"], "rgba(255, 0, 0, 1.00)");
  EXPECT_EQ(element("Clock")["textShadow"]["x"], "1");
}

}  // namespace
}  // namespace vantile::testing
