#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editor/adding/ElementInsertion.h"
#include "engine/ElementTemplateFactory.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile::testing {
namespace {

using platform::Value;

Value parsed(const std::string& text) { return platform::foundation::parseValue(text).value(); }

Value themeWithBoxChildOrder(const char* childOrder) {
  Value theme = parsed(R"({"PresetView": {"order": ["Box"], "children": {
    "Box": {"type": "UIView", "frame": {"x": "10", "y": "10", "width": "200", "height": "200"}, "children": {
      "A": {"type": "UILabel"}, "B": {"type": "UILabel"},
      "Deep": {"type": "UIView", "children": {}}}}}}})");
  if (childOrder) theme["PresetView"]["children"]["Box"]["childorder"] = childOrder;
  return theme;
}

const Value label = {{"type", "UILabel"}, {"frame", {{"x", "7"}, {"y", "8"}, {"width", "90"}, {"height", "30"}}}};

TEST(ElementInsertion, AtTheTopLevelTheFrameStaysAndTheRootOrderListsTheName) {
  const auto added = withNewElement(themeWithBoxChildOrder(nullptr), label, "New", "PresetView");
  ASSERT_TRUE(added);
  EXPECT_EQ((*added)["PresetView"]["children"]["New"], label);
  EXPECT_EQ((*added)["PresetView"]["order"], parsed(R"(["Box", "New"])"));

  Value noOrder = themeWithBoxChildOrder(nullptr);
  noOrder["PresetView"].erase("order");
  const auto unordered = withNewElement(noOrder, label, "New", "PresetView");
  ASSERT_TRUE(unordered);
  EXPECT_FALSE((*unordered)["PresetView"].contains("order"));
}

TEST(ElementInsertion, AParentNotInTheThemeAddsAtTheTopLevel) {
  const auto added = withNewElement(themeWithBoxChildOrder(nullptr), label, "New", "Missing");
  ASSERT_TRUE(added);
  EXPECT_EQ((*added)["PresetView"]["children"]["New"], label);
  EXPECT_EQ((*added)["PresetView"]["order"], parsed(R"(["Box", "New"])"));
}

TEST(ElementInsertion, UnderAParentTheElementSitsAtItsOriginAndTheParentListsIt) {
  struct Case {
    const char* childOrder;
    const char* expected;
  };
  const Case cases[] = {{"A,B", "A,B,New"}, {"none", "New"}, {"", "New"}, {"(null)", "New"}, {nullptr, "New"}};
  for (const Case& c : cases) {
    const Value theme = themeWithBoxChildOrder(c.childOrder);
    const auto added = withNewElement(theme, label, "New", "Box");
    ASSERT_TRUE(added);
    const Value& box = (*added)["PresetView"]["children"]["Box"];
    EXPECT_EQ(box["childorder"], c.expected) << (c.childOrder ? c.childOrder : "(none)");
    EXPECT_EQ(box["children"]["New"]["frame"], parsed(R"({"x": "0", "y": "0", "width": "90", "height": "30"})"));
    // The root order lists the root's children only.
    EXPECT_EQ((*added)["PresetView"]["order"], theme["PresetView"]["order"]);
  }
}

TEST(ElementInsertion, ANestedParentGetsTheChildAndAFrameIsMadeWhenTheElementHasNone) {
  const auto added = withNewElement(themeWithBoxChildOrder(nullptr), Value{{"type", "UIView"}}, "New", "Deep");
  ASSERT_TRUE(added);
  const Value& deep = (*added)["PresetView"]["children"]["Box"]["children"]["Deep"];
  EXPECT_EQ(deep["children"]["New"]["frame"], parsed(R"({"x": "0", "y": "0"})"));
  EXPECT_EQ(deep["childorder"], "New");
}

TEST(ElementInsertion, TheNewElementsOwnChildOrdersAreRepaired) {
  const ElementTemplateFactory& factory = ElementTemplateFactory::sharedInstance();
  const auto glass = withNewElement(themeWithBoxChildOrder(nullptr), factory.GlassView(), "Glass", "Box");
  const auto view = withNewElement(themeWithBoxChildOrder(nullptr), factory.UIView(), "View", "Box");
  ASSERT_TRUE(glass && view);
  EXPECT_EQ((*glass)["PresetView"]["children"]["Box"]["children"]["Glass"]["childorder"], "");
  EXPECT_EQ((*view)["PresetView"]["children"]["Box"]["children"]["View"]["childorder"], "none");

  const Value group = parsed(R"({"type": "UIView", "childorder": "b", "children": {"a": {}, "b": {}}})");
  const auto grouped = withNewElement(themeWithBoxChildOrder(nullptr), group, "Group", "PresetView");
  ASSERT_TRUE(grouped);
  EXPECT_EQ((*grouped)["PresetView"]["children"]["Group"]["childorder"], "b,a");
}

TEST(ElementInsertion, AThemeWithoutRootOrAnElementThatIsNoDictionaryAddsNothing) {
  EXPECT_FALSE(withNewElement(parsed(R"({"Other": {}})"), label, "New", "PresetView"));
  EXPECT_FALSE(withNewElement(parsed(R"({"PresetView": []})"), label, "New", "PresetView"));
  EXPECT_FALSE(withNewElement(themeWithBoxChildOrder(nullptr), Value("text"), "New", "Box"));
}

}  // namespace
}  // namespace vantile::testing
