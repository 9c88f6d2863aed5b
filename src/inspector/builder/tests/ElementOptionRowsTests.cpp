#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspector/builder/ElementOptionRows.h"

namespace vantile {
namespace {

using platform::Value;
using Operation = ElementOptionsBuilderDelegate::Operation;

constexpr double kWidth = 375;

std::vector<std::string> keysOf(const Value& element) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : element.items()) keys.push_back(key);
  return keys;
}

Value typed(const std::string& type, Value children = Value()) {
  Value element = {{"type", type}};
  if (!children.is_null()) element["children"] = std::move(children);
  return element;
}

class InspectorRows : public ::testing::Test {
 protected:
  ElementOptionsLayout rowsFor(const std::string& name, const Value& element) {
    inputs.customOrder = keysOf(element);
    return layoutElementOptions(name, element, inputs, factory);
  }
  // The element as the only top-level one, unless the root children were set.
  ElementOptionsLayout rowsForTopLevel(const std::string& name, const Value& element) {
    if (inputs.rootChildren.is_null()) inputs.rootChildren = {{name, element}};
    return rowsFor(name, element);
  }
  static std::vector<std::string> specialTexts(const ElementOptionsLayout& layout) {
    std::vector<std::string> texts;
    for (const SpecialOptionConfig& row : layout.specialRows) texts.push_back(row.text);
    return texts;
  }
  static const PropertyRowLayout& row(const ElementOptionsLayout& layout, const std::string& fieldLayerName) {
    for (const PropertyRowLayout& candidate : layout.propertyRows) {
      if (candidate.fieldLayerName == fieldLayerName) return candidate;
    }
    ADD_FAILURE() << "no row " << fieldLayerName;
    static const PropertyRowLayout none;
    return none;
  }
  static std::vector<std::pair<ButtonType, double>> buttonsOf(const PropertyRowLayout& row) {
    std::vector<std::pair<ButtonType, double>> buttons;
    for (const PlacedButton& button : row.buttons) buttons.emplace_back(button.button.type, button.frame.origin.x);
    return buttons;
  }

  OptionRowInputs inputs{{kWidth, 300}, {}, {"children", "type"}, {"textColor", "color"}, false, Value(), 15.0, {}};
  ElementOptionFactory factory{{"width", "height", "fontSize", "x", "y", "textShadow"}};
};

TEST_F(InspectorRows, AnElementOfOnlyTypeAndChildrenGetsTheSpecialRowsAndTheJumpRowAndTheHeightFollowsThem) {
  const ElementOptionsLayout layout = rowsForTopLevel("Box", typed("UIView", {{"Leaf", typed("UILabel")}}));

  EXPECT_EQ(specialTexts(layout), (std::vector<std::string>{"   + Export Template", "   ⚬ Jump to style"}));
  EXPECT_TRUE(layout.propertyRows.empty());
  EXPECT_EQ(layout.contentSize.height, 2 * 45 + 135);
  EXPECT_EQ(layout.frame, (platform::graphics::Rect{0, 40, kWidth, 270}));
  EXPECT_EQ(layout.specialRows[0], (SpecialOptionConfig{"   + Export Template", "Add Option", 0,
                                                         SpecialRowAction::exportTemplate, 0}));
  EXPECT_EQ(layout.specialRows[1], (SpecialOptionConfig{"   ⚬ Jump to style", "Jump To", 0,
                                                         SpecialRowAction::jumpToOption, 1}));
}

TEST_F(InspectorRows, ContainerAndScrollViewRowsFollowWhereTheElementStands) {
  const Value leaf = typed("UILabel");
  const Value box = typed("UIView", {{"Leaf", leaf}, {"Scroller", typed("ScrollView")}});
  const Value scroller = typed("ScrollView", {{"Inside", leaf}});
  struct Case {
    std::string name;
    Value element;
    bool otherContainer;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"Box", box, true, {"   + Export Template", "   + Add To UIView", "   ⚬ Jump to style"}},
      {"Leaf", leaf, true, {"   + Remove From UIView", "   + Move to different UIView", "   ⚬ Jump to style"}},
      {"Lonely", typed("ScrollView"), false, {"   + Add to ScrollView", "   ⚬ Jump to style"}},
      {"Full", scroller, false, {"   + Add to ScrollView", "   + Remove From ScrollView", "   ⚬ Jump to style"}},
      {"Scroller", typed("ScrollView"), false, {"   ⚬ Jump to style"}},
      // A scroll view is no container here.
      {"Inside", leaf, true, {"   + Add To UIView", "   ⚬ Jump to style"}},
  };
  for (const Case& test : cases) {
    inputs.rootChildren = {{"Box", box}, {"Lonely", typed("ScrollView")}, {"Full", scroller}};
    inputs.presetContainsUIView = test.otherContainer;
    const ElementOptionsLayout layout = rowsFor(test.name, test.element);
    EXPECT_EQ(specialTexts(layout), test.expected) << test.name;
    EXPECT_EQ(layout.contentSize.height, static_cast<double>(test.expected.size()) * 45 + 135) << test.name;
  }
  inputs.presetContainsUIView = true;
  const ElementOptionsLayout inside = rowsFor("Leaf", leaf);
  EXPECT_EQ(inside.specialRows[0].tag, 111);
  EXPECT_EQ(inside.specialRows[1].layerName, "Move UIView");
}

TEST_F(InspectorRows, AFrameGivesACompactJsonRowAndFourSubRowsEachWithAPadAndPaste) {
  Value element = typed("UILabel");
  element["frame"] = {{"x", "10"}, {"y", "20"}, {"width", "100"}, {"height", "40"}};
  const ElementOptionsLayout layout = rowsForTopLevel("Clock", element);

  ASSERT_EQ(layout.propertyRows.size(), 5U);
  const PropertyRowLayout& frame = layout.propertyRows[0];
  EXPECT_EQ(frame.fieldText, R"({"x":"10","y":"20","width":"100","height":"40"})");
  EXPECT_EQ(frame.labelText, "    frame");
  EXPECT_EQ(buttonsOf(frame), (std::vector<std::pair<ButtonType, double>>{{ButtonType::paste, kWidth - 40}}));
  EXPECT_FALSE(frame.colorCell);

  const std::vector<std::string> parts = {"x", "y", "width", "height"};
  for (std::size_t index = 0; index < parts.size(); ++index) {
    const PropertyRowLayout& sub = layout.propertyRows[index + 1];
    EXPECT_EQ(sub.labelText, "        frame - " + parts[index]);
    EXPECT_EQ(sub.labelLayerName, "    frame - " + parts[index]);
    EXPECT_EQ(sub.fieldLayerName, "frame~" + parts[index]);
    EXPECT_EQ(sub.propertyName, "frame~" + parts[index]);
    EXPECT_EQ(sub.config.position, static_cast<std::int64_t>(index) + 2);
    EXPECT_EQ(sub.fieldFrame, (platform::graphics::Rect{kWidth - 210, (index + 2) * 45.0 + 4, 100, 30}));
    EXPECT_EQ(buttonsOf(sub), (std::vector<std::pair<ButtonType, double>>{{ButtonType::incrementer, kWidth - 85},
                                                                          {ButtonType::paste, kWidth - 40}}));
    EXPECT_EQ(sub.buttons[0].button.imageName, parts[index]);
  }
  EXPECT_EQ(layout.contentSize.height, 6 * 45 + 135);
}

TEST_F(InspectorRows, ButtonsStandFromTheRightEdgeInStepsOf45) {
  factory = ElementOptionFactory({"fontName", "fontSize"});
  const Value element = {{"type", "UILabel"}, {"fontName", "Inter"}, {"fontSize", 12}, {"text", "hi"}};
  const ElementOptionsLayout layout = rowsForTopLevel("Clock", element);

  EXPECT_EQ(buttonsOf(row(layout, "fontName")),
            (std::vector<std::pair<ButtonType, double>>{
                {ButtonType::incrementer, kWidth - 130}, {ButtonType::dots, kWidth - 85}, {ButtonType::paste, kWidth - 40}}));
  EXPECT_EQ(row(layout, "fontName").buttons[1].button.action, Operation::loadFontMenu);
  EXPECT_EQ(row(layout, "fontSize").fieldText, "12");
  EXPECT_EQ(buttonsOf(row(layout, "text")), (std::vector<std::pair<ButtonType, double>>{{ButtonType::paste, kWidth - 40}}));
}

TEST_F(InspectorRows, TheDotsButtonFollowsTheKey) {
  const std::vector<std::pair<std::string, std::optional<Operation>>> cases = {
      {"data", Operation::createDataPicker},           {"styleOverride", Operation::pickStyleOverrideElement},
      {"infiniteScroll", Operation::loadInfiniteScrollMenu}, {"gradientImage", Operation::createImagePicker},
      {"SFSymbolName", Operation::createSFImagePicker}, {"text", std::nullopt},
  };
  for (const auto& [key, action] : cases) {
    const std::optional<ButtonConfig> dots = ElementOptionFactory::createDotsButtonForProperty(key);
    EXPECT_EQ(dots ? dots->action : std::nullopt, action) << key;
  }
  EXPECT_TRUE(rowsForTopLevel("Clock", {{"data", "time"}}).showsDataRow);
  EXPECT_FALSE(rowsForTopLevel("Clock", {{"text", "time"}}).showsDataRow);
}

TEST_F(InspectorRows, OnlyTheFirstAnimationEntryGetsThePicker) {
  const Value asDictionary = {{"animation", {{"first", "fade"}, {"second", "spin"}}}};
  const ElementOptionsLayout layout = rowsForTopLevel("Clock", asDictionary);
  EXPECT_EQ(buttonsOf(row(layout, "animation~first")),
            (std::vector<std::pair<ButtonType, double>>{{ButtonType::dots, kWidth - 85}, {ButtonType::paste, kWidth - 40}}));
  EXPECT_EQ(buttonsOf(row(layout, "animation~second")),
            (std::vector<std::pair<ButtonType, double>>{{ButtonType::paste, kWidth - 40}}));

  const ElementOptionsLayout asText = rowsForTopLevel("Clock", {{"animation", "fade"}});
  EXPECT_EQ(row(asText, "animation").buttons[0].button.action, Operation::createAnimationPicker);
}

TEST_F(InspectorRows, ColourCellsComeByKeyOrByValueFromVersion14On) {
  const Value element = {{"textColor", "white"},
                         {"tint", "#ff0000"},
                         {"glow", "rgba(1,2,3,0.5)"},
                         {"text", "hello"},
                         {"textShadow", {{"x", "1"}, {"color", "rgba(1,1,1,1)"}}}};
  const ElementOptionsLayout layout = rowsForTopLevel("Clock", element);

  EXPECT_EQ(row(layout, "textColor").colorCell, (ColorCellIdentity{"Clock", "textColor", "white"}));
  EXPECT_EQ(row(layout, "tint").colorCell, (ColorCellIdentity{"Clock", "tint", "#ff0000"}));
  EXPECT_TRUE(row(layout, "glow").colorCell);
  EXPECT_FALSE(row(layout, "text").colorCell);
  EXPECT_FALSE(row(layout, "textShadow").colorCell);
  EXPECT_FALSE(row(layout, "textShadow~x").colorCell);
  // An entry's cell names the style that holds it.
  EXPECT_EQ(row(layout, "textShadow~color").colorCell, (ColorCellIdentity{"Clock", "textShadow", "rgba(1,1,1,1)"}));
  EXPECT_EQ(row(layout, "textColor").colorCellFrame,
            (platform::graphics::Rect{kWidth - 77, row(layout, "textColor").config.position * 45.0 + 4, 30, 30}));

  inputs.systemVersion = 13.7;
  for (const PropertyRowLayout& older : rowsForTopLevel("Clock", element).propertyRows) {
    EXPECT_FALSE(older.colorCell) << older.fieldLayerName;
  }
}

TEST_F(InspectorRows, KeysOutsideTheOrderOrOnTheBlackListGetNoRow) {
  const Value element = {{"type", "UILabel"}, {"children", Value::object()}, {"text", "a"}, {"alpha", "1"}};
  inputs.rootChildren = {{"Clock", element}};
  inputs.customOrder = {"text", "type", "missing"};
  const ElementOptionsLayout layout = layoutElementOptions("Clock", element, inputs, factory);
  ASSERT_EQ(layout.propertyRows.size(), 1U);
  EXPECT_EQ(layout.propertyRows[0].fieldLayerName, "text");
}

}  // namespace
}  // namespace vantile
