#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/menus/tests/MenusFixture.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchInjector.h"

namespace vantile::testing {
namespace {

using platform::Value;
using Names = std::vector<std::string>;

class OptionMenus : public MenusTest {};

TEST_F(OptionMenus, SegmentMenusOpenOnTheSelectedElementsWordOverTheWholeMainView) {
  canvas->setElementStyle("textAlignment", "Clock", "NSTextAlignmentRight");
  canvas->setElementStyle("autoLayout", "Box", "stacked");
  const struct {
    std::string element;
    void (CreatorView::*load)();
    std::string title;
    int start;
  } cases[] = {
      {"Clock", &CreatorView::loadTextAlignmentMenu, "Select Text Align", 2},
      {"Clock", &CreatorView::loadBlurColorMenu, "Select Blur Type", 0},
      {"Box", &CreatorView::loadAutoLayoutMenu, "Select Auto Layout", -1},
      {"Box", &CreatorView::loadInfiniteScrollMenu, "Select Infinite Scroll", 0},
  };
  for (const auto& item : cases) {
    select(item.element);
    (canvas.get()->*item.load)();
    const auto menu = frontMenu();
    ASSERT_NE(menu, nullptr) << item.title;
    EXPECT_EQ(title(*menu), item.title);
    EXPECT_EQ(menu->selectorValue, item.start) << item.title;
    EXPECT_EQ(menu->optionsDict["customHeight"], "80");
    EXPECT_FALSE(menu->optionsDict.contains("0")) << "segments only";
    EXPECT_EQ(menu->frame(), canvas->mainView->bounds());
    menu->closeMenu();
  }
}

TEST_F(OptionMenus, ASegmentWritesItsWordAtOnceRemembersTheIndexAndLeavesTheMenuOpen) {
  select("Clock");
  canvas->loadTextAlignmentMenu();
  const auto menu = canvas->textAlignmentPicker;
  ASSERT_NE(menu, nullptr);
  menu->segmentCompletionBlock(1);
  EXPECT_EQ(element("Clock")["textAlignment"], "NSTextAlignmentCenter");
  EXPECT_EQ(canvas->textAlginmentSelectorValue, 1);
  EXPECT_EQ(frontMenu(), menu);

  canvas->loadTextStyleMenu();
  frontMenu()->segmentCompletionBlock(0);
  EXPECT_EQ(element("Clock")["textStyle"], "uppercase");
  EXPECT_EQ(canvas->textAlginmentSelectorValue, 0);

  select("Box");
  canvas->loadInfiniteScrollMenu();
  frontMenu()->segmentCompletionBlock(2);
  EXPECT_EQ(element("Box")["infiniteScroll"], "vertical");
  EXPECT_EQ(canvas->infiniteScrollSelectorValue, 2);
  EXPECT_EQ(canvas->textAlginmentSelectorValue, 0);
}

TEST_F(OptionMenus, TheContentModeMenuOpensOnTheLastChosenSegmentWhateverTheElementHolds) {
  canvas->setElementStyle("contentMode", "Clock", "center");
  select("Clock");
  canvas->loadTextStyleMenu();
  frontMenu()->segmentCompletionBlock(1);
  frontMenu()->closeMenu();

  canvas->loadContentModeMenu();
  EXPECT_EQ(canvas->textAlignmentPicker->selectorValue, 1);
  canvas->textAlignmentPicker->segmentCompletionBlock(0);
  EXPECT_EQ(element("Clock")["contentMode"], "scaleToFill");
}

TEST_F(OptionMenus, ASegmentTappedOnScreenWritesTheWord) {
  select("Box");
  canvas->loadBlurColorMenu();
  const auto menu = frontMenu();
  canvas->mainView->layoutIfNeeded();
  // The segment control is 250 wide and centred; its last quarter is "dark2".
  const double width = canvas->mainView->bounds().size.width;
  platform::ui::TouchInjector(canvas->mainView).tap({width / 2 + 100, menu->mainView->frame().origin.y + 60});
  EXPECT_EQ(element("Box")["blurColor"], "dark2");
}

TEST_F(OptionMenus, TheFontMenuListsLowerCaseFontFilesUnderCustomWithTheLabelsTextAsSample) {
  for (const std::string file : {"Round.ttf", "A.TTF", "b.otf"}) {
    device.writeFile("/var/mobile/Library/VantileAssets/" + file, "not a font");
  }
  select("Clock");
  canvas->loadFontMenu();
  const auto menu = canvas->fontPicker;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(title(*menu), "Select Font");
  EXPECT_EQ(rows(*menu, "1"), (Names{"b.otf", "Round.ttf"}));
  EXPECT_EQ(menu->optionsDict["segmentArray"], (Value{"Stock", "Custom"}));
  EXPECT_EQ(menu->optionsDict["type"], "font");
  const auto label = std::dynamic_pointer_cast<platform::ui::Label>(canvas->getElementView("Clock"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(menu->optionsDict["selectedElementText"], label->text());
  EXPECT_NE(label->text(), "S M T W T F S");
  for (const std::string& font : rows(*menu, "0")) EXPECT_EQ(font.rfind("Inter", 0), std::string::npos) << font;

  menu->completionBlock("Round.ttf");
  EXPECT_EQ(element("Clock")["fontName"], "Round.ttf");
  EXPECT_EQ(canvas->fontPicker, nullptr);
  EXPECT_TRUE(openMenus().empty());
}

TEST_F(OptionMenus, WithoutFontFilesCustomIsEmptyAndANonLabelGetsTheWeekSample) {
  select("Box");
  canvas->loadAttrFontMenu();
  const auto menu = canvas->fontPicker;
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(rows(*menu, "1").empty());
  EXPECT_EQ(menu->optionsDict["selectedElementText"], "S M T W T F S");
  menu->completionBlock("Papyrus");
  EXPECT_EQ(element("Box")["fontNameAttr"], "Papyrus");
}

TEST_F(OptionMenus, TheJumpListScrollsTheInspectorToTheLastLabelNamingTheKey) {
  select("Clock");
  canvas->elementOptions = platform::ui::ScrollView::make({0, 0, 300, 400});
  canvas->elementOptions->setContentSize({300, 2000});
  for (const auto& [text, y] :
       std::vector<std::pair<std::string, double>>{{"text", 100}, {"frame", 300}, {"frame~x", 500}, {"alpha", 700}}) {
    auto label = platform::ui::Label::make({10, y, 100, 20});
    label->setText(text);
    canvas->elementOptions->addSubview(std::move(label));
  }
  canvas->jumpToOption();
  const auto menu = canvas->jumpToPicker;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(title(*menu), "Select Style");
  EXPECT_EQ(rows(*menu), (Names{"frame", "text", "textShadow"}));
  EXPECT_EQ(menu->optionsDict["customHeight"], "712.000000");

  menu->completionBlock("frame");
  platform::foundation::MainQueue::shared().advance(1);
  EXPECT_EQ(canvas->elementOptions->contentOffset(), (platform::graphics::Point{10, 400}));
  EXPECT_EQ(canvas->jumpToPicker, nullptr);
  EXPECT_TRUE(openMenus().empty());
}

TEST_F(OptionMenus, AKeyNoLabelNamesLeavesTheJumpListOpen) {
  select("Clock");
  canvas->elementOptions = platform::ui::ScrollView::make({0, 0, 300, 400});
  canvas->jumpToOption();
  canvas->jumpToPicker->completionBlock("textShadow");
  EXPECT_NE(canvas->jumpToPicker, nullptr);
  EXPECT_EQ(canvas->elementOptions->contentOffset(), (platform::graphics::Point{0, 0}));
}

TEST_F(OptionMenus, TheStyleOverrideMenuOffersTheOtherTopLevelAppIconsSorted) {
  const Value app = {{"type", "AppIcon"}, {"frame", {{"x", "0"}, {"y", "0"}, {"width", "60"}, {"height", "60"}}}};
  Value inner = box(0, 100, 200, 200);
  inner["children"] = {{"nestedApp", app}};
  useTheme(theme({{"mail", app}, {"Camera", app}, {"phone", app}, {"Folder", inner}},
                 {"mail", "Camera", "phone", "Folder"}));
  select("phone");
  canvas->pickStyleOverrideElement();
  const auto menu = canvas->uiviewPicker;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(title(*menu), "Select AppIcon");
  EXPECT_EQ(shownRowValues(*menu), (Names{"Camera", "mail"}));

  menu->completionBlock("mail");
  EXPECT_EQ(element("phone")["styleOverride"], "mail");
  EXPECT_EQ(canvas->uiviewPicker, nullptr);
}

}  // namespace
}  // namespace vantile::testing
