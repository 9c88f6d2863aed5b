#include <gtest/gtest.h>

#include <string>

#include "editor/editing/PresetTree.h"
#include "editor/editing/StyleValues.h"

namespace vantile::testing {
namespace {

using platform::Value;

struct ConversionCase {
  const char* style;
  const char* text;
  std::optional<Value> stored;
};

TEST(StyleValuesTest, OnlyDictionaryValuedStylesReadTheirTextAsJSON) {
  const ConversionCase cases[] = {
      {"frame", R"({"x":"1","y":"2"})", Value{{"x", "1"}, {"y", "2"}}},
      {"contentSize", R"({"width":"10"})", Value{{"width", "10"}}},
      {"animation", R"({"type":"fade"})", Value{{"type", "fade"}}},
      {"text", "{time}", Value("{time}")},
      {"text", R"({"x":1})", Value(R"({"x":1})")},
      {"textShadow", "rgba(0,0,0,1)", Value("rgba(0,0,0,1)")},
      {"fontSize", "18", Value("18")},
      {"frame", "120", Value("120")},
      {"frame", "{x:1", std::nullopt},
      {"boxShadow", "{time}", std::nullopt},
  };
  for (const ConversionCase& test : cases) {
    const StyleValues::Conversion conversion = StyleValues::valueForStyle(test.style, test.text);
    EXPECT_EQ(conversion.value, test.stored) << test.style << " " << test.text;
    EXPECT_EQ(conversion.error.empty(), test.stored.has_value()) << test.style << " " << test.text;
  }
}

TEST(StyleValuesTest, AShadowColourChangesOnlyTheColourAndNeedsAShadowDictionary) {
  const Value element = {{"type", "UILabel"}, {"textShadow", {{"x", "1"}, {"y", "2"}, {"color", "rgba(1,1,1,1)"}}}};
  const auto changed = StyleValues::withShadowColor(element, "textShadow", "rgba(0,0,0,1)");
  ASSERT_TRUE(changed);
  Value expected = element;
  expected["textShadow"]["color"] = "rgba(0,0,0,1)";
  EXPECT_EQ(*changed, expected);
  EXPECT_FALSE(StyleValues::withShadowColor(element, "boxShadow", "rgba(0,0,0,1)"));
  EXPECT_FALSE(StyleValues::withShadowColor({{"boxShadow", "none"}}, "boxShadow", "rgba(0,0,0,1)"));
}

TEST(StyleValuesTest, ANameLeavesTheChildOrderWhichSaysNoneWhenEmpty) {
  const struct {
    const char* childorder;
    const char* name;
    const char* kept;
  } cases[] = {
      {"A,B,C", "B", "A,C"}, {"A", "A", "none"}, {"A,B", "Z", "A,B"}, {"A,B,A", "A", "B"}, {"AB,B", "B", "AB"},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(StyleValues::childorderWithout(test.childorder, test.name), test.kept) << test.childorder;
  }
}

TEST(PresetTreeTest, TheRootOrderIsEditedOnlyWhenItExists) {
  const Value ordered = {{"PresetView", {{"children", Value::object()}, {"order", {"A"}}}}};
  const Value twice = PresetTree::withOrderEntryAppended(PresetTree::withOrderEntryAppended(ordered, "B"), "B");
  EXPECT_EQ(twice["PresetView"]["order"], (Value{"A", "B", "B"}));
  EXPECT_EQ(PresetTree::withoutOrderEntry(twice, "B")["PresetView"]["order"], (Value{"A"}));
  EXPECT_EQ(ordered["PresetView"]["order"], (Value{"A"}));

  const Value unordered = {{"PresetView", {{"children", Value::object()}}}};
  EXPECT_EQ(PresetTree::withOrderEntryAppended(unordered, "B"), unordered);
  EXPECT_EQ(PresetTree::withoutOrderEntry(unordered, "B"), unordered);
}

TEST(PresetTreeTest, ARemovedRootChildLeavesChildrenAndEveryOrderEntry) {
  Value preset = {{"PresetView", {{"children", {{"A", Value::object()}, {"B", Value::object()}}}, {"order", {"A", "B", "A"}}}}};
  PresetTree::removeRootChild(preset, "A");
  EXPECT_EQ(preset["PresetView"]["children"], (Value{{"B", Value::object()}}));
  EXPECT_EQ(preset["PresetView"]["order"], (Value{"B"}));
}

TEST(PresetTreeTest, AContainerWithoutChildrenGetsAnEmptyMap) {
  EXPECT_EQ(PresetTree::containerWithoutChild({{"type", "UIView"}}, "A"),
            (Value{{"type", "UIView"}, {"children", Value::object()}}));
  EXPECT_EQ(PresetTree::containerWithoutChild({{"children", {{"A", 1}, {"B", 2}}}}, "A"),
            (Value{{"children", {{"B", 2}}}}));
}

}  // namespace
}  // namespace vantile::testing
