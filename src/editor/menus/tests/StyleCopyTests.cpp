#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/menus/StyleCopy.h"
#include "editor/menus/tests/MenusFixture.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"

namespace vantile::testing {
namespace {

using platform::Value;
using Names = std::vector<std::string>;

Value frame(const std::string& x, const std::string& y) {
  return {{"x", x}, {"y", y}, {"width", "100"}, {"height", "40"}};
}

TEST(StyleCopyValues, TheValueColumnShowsTheMenusFieldOrTheWholeValue) {
  const Value frameText = R"({"x":"5","y":"6","width":"7","height":"8"})";
  const Value shadow = {{"x", "1"}, {"radius", "2"}, {"color", "rgba(1,2,3,1)"}};
  const struct {
    Value value;
    std::string field;
    std::string shown;
  } cases[] = {
      {frameText, "x", "5"},
      {frameText, "height", "8"},
      {shadow, "color", "rgba(1,2,3,1)"},
      {shadow, "y", ""},
      {frameText, "", frameText.get<std::string>()},
      {shadow, "", shadow.dump()},
      {"rgba(0,0,0,1)", "", "rgba(0,0,0,1)"},
      {"not json", "x", ""},
  };
  for (const auto& item : cases) {
    EXPECT_EQ(StyleCopy::valueColumn(item.value, item.field), item.shown) << item.value.dump() << " " << item.field;
  }
}

TEST(StyleCopyValues, AFieldIsCopiedIntoTheTargetsOwnDictionaryOnly) {
  const Value target = frame("10", "20");
  EXPECT_EQ(StyleCopy::withCopiedField(target, R"({"x":"99","y":"0"})", "x"), frame("99", "20"));
  EXPECT_EQ(StyleCopy::withCopiedField(target, Value{{"y", "0"}}, "x"), std::nullopt) << "the source lacks it";
  EXPECT_EQ(StyleCopy::withCopiedField(Value(), frame("1", "2"), "x"), std::nullopt) << "the target has none";
  EXPECT_EQ(StyleCopy::split("frame~x").style, "frame");
  EXPECT_EQ(StyleCopy::split("frame~x").field, "x");
  EXPECT_EQ(StyleCopy::split("textColor").field, "");
}

class StyleCopying : public MenusTest {
 protected:
  StyleCopying() {
    Value selected = label("mine");
    selected["frame"] = frame("10", "20");
    selected["boxShadow"] = {{"x", "1"}, {"y", "2"}, {"radius", "3"}, {"color", "rgba(1,1,1,1)"}};
    Value other = label("other");
    other["frame"] = frame("99", "77");
    other["boxShadow"] = {{"x", "8"}, {"y", "9"}, {"radius", "7"}, {"color", "rgba(9,9,9,1)"}};
    other["textColor"] = "rgba(5,5,5,1)";
    useTheme(theme({{"Target", selected}, {"zed", other}, {"Alpha", label("a")}}, {"Target", "zed", "Alpha"}));
    select("Target");
  }
};

TEST_F(StyleCopying, TheCopyMenuListsTheOtherElementsWithTheStyleAndTheirFieldValues) {
  canvas->showCopySelectMenu("frame~x");
  const auto menu = canvas->selectCopyPicker;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(title(*menu), "Copy frame~x");
  EXPECT_EQ(rows(*menu), (Names{"Alpha", "zed"}));
  EXPECT_EQ(menu->optionsDict["valueArray"], (Value{"10", "99"}));
  EXPECT_EQ(canvas->currentStyle, "frame~x");
  EXPECT_EQ(canvas->currentElementsWithStyle.size(), 3U) << "the selected element too";
}

TEST_F(StyleCopying, CopyingAFrameFieldChangesOnlyThatField) {
  canvas->showCopySelectMenu("frame~x");
  canvas->selectCopyPicker->completionBlock("zed");
  EXPECT_EQ(element("Target")["frame"], frame("99", "20"));
  EXPECT_EQ(canvas->selectCopyPicker, nullptr);
  EXPECT_TRUE(openMenus().empty());
}

TEST_F(StyleCopying, CopyingTheBoxShadowColourChangesOnlyTheColour) {
  canvas->showCopySelectMenu("boxShadow~color");
  EXPECT_EQ(rows(*canvas->selectCopyPicker), (Names{"zed"}));
  canvas->copyStyleFromElement("zed");
  EXPECT_EQ(element("Target")["boxShadow"],
            (Value{{"x", "1"}, {"y", "2"}, {"radius", "3"}, {"color", "rgba(9,9,9,1)"}}));
}

TEST_F(StyleCopying, AWholeStyleIsCopiedAsItsValue) {
  canvas->showCopySelectMenu("textColor");
  canvas->copyStyleFromElement("zed");
  EXPECT_EQ(element("Target")["textColor"], "rgba(5,5,5,1)");

  canvas->showCopySelectMenu("boxShadow");
  canvas->copyStyleFromElement("zed");
  EXPECT_EQ(element("Target")["boxShadow"], element("zed")["boxShadow"]);
}

TEST_F(StyleCopying, WhenOnlyTheSelectedElementHasTheStyleTheMenuHasNoRows) {
  Value lit = label("lit");
  lit["boxShadow"] = {{"x", "1"}, {"y", "2"}, {"radius", "3"}, {"color", "rgba(1,1,1,1)"}};
  useTheme(theme({{"Lit", lit}, {"Unlit", label("unlit")}}, {"Lit", "Unlit"}));
  select("Lit");
  canvas->showCopySelectMenu("boxShadow~color");
  EXPECT_TRUE(rows(*canvas->selectCopyPicker).empty());
}

TEST_F(StyleCopying, CopyingAFieldTheSourceLacksWritesNothing) {
  const Value before = canvas->creatorPreset;
  canvas->showCopySelectMenu("boxShadow~color");
  canvas->currentElementsWithStyle["zed"].erase("color");
  canvas->copyStyleFromElement("zed");
  canvas->copyStyleFromElement("nobody");
  EXPECT_EQ(canvas->creatorPreset, before);
}

TEST_F(StyleCopying, ACopyControlOpensTheMenuForTheStyleItsLayerNames) {
  auto control = platform::ui::View::make({0, 0, 30, 30});
  control->layer()->setName("frame~y");
  control->addGestureRecognizer(platform::ui::TapGestureRecognizer::make(
      [this](platform::ui::GestureRecognizer& tap) { canvas->copyStyleFromOtherElement(tap); }));
  platform::ui::TouchInjector(control).tap({15, 15});
  ASSERT_NE(canvas->selectCopyPicker, nullptr);
  EXPECT_EQ(canvas->currentStyle, "frame~y");
  EXPECT_EQ(canvas->selectCopyPicker->optionsDict["valueArray"], (Value{"20", "77"}));
}

}  // namespace
}  // namespace vantile::testing
