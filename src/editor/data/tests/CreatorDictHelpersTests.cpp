#include "editor/data/CreatorDictHelpers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vantile {
namespace {

using platform::Value;

// One of each situation the walks tell apart: plain, glass and scroll containers, a container
// inside a scroll view, a scroll view inside a plain container, an app icon at the top and inside
// a container, and a container below a label.
const char* const kTheme = R"({
  "PresetView": {
    "frame": {"x": 0, "y": 0},
    "order": ["Clock", "Box", "Glass", "Scroll", "Label", "App"],
    "children": {
      "Clock": {"type": "UILabel", "frame": {"x": 1, "y": 2}, "color": "red"},
      "Box": {"type": "UIView", "frame": {"x": 3}, "childorder": ["Inner", "Icon", "Roll"], "children": {
        "Inner": {"type": "UILabel", "color": "blue"},
        "Icon": {"type": "AppIcon"},
        "Roll": {"type": "ScrollView", "children": {"Rolled": {"type": "UILabel", "color": "green"}}}
      }},
      "Glass": {"type": "GlassView", "children": {"Pane": {"type": "UILabel"}}},
      "Scroll": {"type": "ScrollView", "children": {
        "Nested": {"type": "UIView", "children": {"Deep": {"type": "UILabel"}}}
      }},
      "Label": {"type": "UILabel", "children": {"Hidden": {"type": "UIView", "color": "black"}}},
      "App": {"type": "AppIcon"}
    }
  }
})";

class CreatorDictHelpersTest : public ::testing::Test {
 protected:
  CreatorDictHelpersTest() {
    helpers.creatorPreset = [this]() -> const Value& { return theme; };
  }

  const Value& children() const { return theme["PresetView"]["children"]; }

  Value theme = Value::parse(kTheme);
  CreatorDictHelpers helpers;
};

TEST_F(CreatorDictHelpersTest, AnElementIsInAViewOnlyWhenItsDirectParentIsAPlainOrGlassContainer) {
  const struct {
    const char* name;
    bool inView;
  } cases[] = {
      {"Clock", false}, {"Inner", true}, {"Pane", true},     {"Nested", false},
      {"Deep", true},   {"Rolled", false}, {"Hidden", false}, {"Missing", false},
  };
  for (const auto& c : cases) EXPECT_EQ(helpers.checkIfInUIView(c.name, children()), c.inView) << c.name;
}

TEST_F(CreatorDictHelpersTest, TheParentIsThePresetViewAtTheTopAndNothingForAnUnknownName) {
  EXPECT_EQ(helpers.getParentName("Clock"), "PresetView");
  EXPECT_EQ(helpers.getParentName("Inner"), "Box");
  EXPECT_EQ(helpers.getParentName("Deep"), "Nested");
  EXPECT_EQ(helpers.getParentName("Missing"), std::nullopt);
}

TEST_F(CreatorDictHelpersTest, ListingsDescendOnlyWhereTheirKindAllows) {
  std::vector<std::string> apps, views, containers;
  helpers.recursivelyFindApps(apps, children());
  helpers.recursivelyFindViews(views, children());
  helpers.recursivelyFindUIView(containers, children());
  EXPECT_EQ(apps, (std::vector<std::string>{"App"}));
  EXPECT_EQ(views, (std::vector<std::string>{"Clock", "Box", "Inner", "Icon", "Roll", "Rolled", "Glass", "Pane",
                                             "Scroll", "Nested", "Deep", "Label", "Hidden", "App"}));
  EXPECT_EQ(containers, (std::vector<std::string>{"Box", "Roll", "Glass", "Scroll", "Nested"}));
}

TEST_F(CreatorDictHelpersTest, StyleSearchGivesFramesAsCompactTextAndOtherValuesRaw) {
  Value frames = Value::object();
  helpers.recursivelyFindElements(frames, children(), "frame", "");
  EXPECT_EQ(frames, Value::parse(R"({"Clock": "{\"x\":1,\"y\":2}", "Box": "{\"x\":3}"})"));

  Value colours = Value::object();
  helpers.recursivelyFindElements(colours, children(), "color", "");
  // Below a label nothing is searched.
  EXPECT_EQ(colours, Value::parse(R"({"Clock": "red", "Inner": "blue", "Rolled": "green"})"));

  Value wholeFrames = Value::object();
  helpers.recursivelyFindElements(wholeFrames, children(), "x", "frame");
  EXPECT_EQ(wholeFrames, Value::parse(R"({"Clock": {"x": 1, "y": 2}, "Box": {"x": 3}})"));
}

TEST_F(CreatorDictHelpersTest, LookupsByNameGiveNothingForAnUnknownName) {
  EXPECT_EQ(helpers.getElementTypeFromString("Deep", children()), Value("UILabel"));
  EXPECT_EQ(helpers.getElementChildrenFromString("Glass", children()), Value::parse(R"({"Pane": {"type": "UILabel"}})"));
  EXPECT_EQ(helpers.findElementInDictionary("Icon"), Value::parse(R"({"type": "AppIcon"})"));
  EXPECT_EQ(helpers.getElementTypeFromString("Missing", children()), std::nullopt);
  EXPECT_EQ(helpers.getElementChildrenFromString("Clock", children()), std::nullopt);
  EXPECT_EQ(helpers.findElementInDictionary("Missing"), std::nullopt);
  EXPECT_EQ(helpers.getElementHierarchy("Rolled"),
            (KeyPath{"PresetView", "children", "Box", "children", "Roll", "children", "Rolled"}));
}

TEST_F(CreatorDictHelpersTest, AddingAtTheTopAppendsToTheOrderOnlyWhenThereIsOne) {
  const Value child = Value::parse(R"({"type": "UILabel"})");
  const Value before = theme;
  Value added = helpers.addToElementChildren("PresetView", child, "New");
  EXPECT_EQ(added["PresetView"]["children"]["New"], child);
  EXPECT_EQ(added["PresetView"]["order"].back(), "New");
  EXPECT_EQ(theme, before);

  theme["PresetView"].erase("order");
  added = helpers.addToElementChildren("PresetView", child, "New");
  EXPECT_EQ(added["PresetView"]["children"]["New"], child);
  EXPECT_FALSE(added["PresetView"].contains("order"));
}

TEST_F(CreatorDictHelpersTest, AddingBelowANestedParentLeavesItsChildOrderAndReplacesASameNamedChild) {
  const Value child = Value::parse(R"({"type": "UIImageView"})");
  const Value added = helpers.addToElementChildren("Roll", child, "Rolled");
  Value expected = theme;
  expected["PresetView"]["children"]["Box"]["children"]["Roll"]["children"]["Rolled"] = child;
  EXPECT_EQ(added, expected);

  const Value inBox = helpers.addToElementChildren("Box", child, "Extra");
  EXPECT_EQ(inBox["PresetView"]["children"]["Box"]["children"]["Extra"], child);
  EXPECT_EQ(inBox["PresetView"]["children"]["Box"]["childorder"], theme["PresetView"]["children"]["Box"]["childorder"]);
}

TEST_F(CreatorDictHelpersTest, AddingBelowAParentWithoutChildrenOrNotInTheTreeChangesNothing) {
  const Value child = Value::parse(R"({"type": "UILabel"})");
  EXPECT_EQ(helpers.addToElementChildren("Clock", child, "New"), theme);
  EXPECT_EQ(helpers.addToElementChildren("Missing", child, "New"), theme);
}

TEST(CreatorDictHelpers, WithoutAThemeEveryLookupGivesNothing) {
  const CreatorDictHelpers helpers;
  EXPECT_EQ(helpers.getParentName("Clock"), std::nullopt);
  EXPECT_EQ(helpers.findElementInDictionary("Clock"), std::nullopt);
  EXPECT_EQ(CreatorDictHelpers::dictionaryToString(Value::parse(R"({"a": [1, "é"]})")), "{\"a\":[1,\"é\"]}");
}

}  // namespace
}  // namespace vantile
