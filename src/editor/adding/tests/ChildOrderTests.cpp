#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/adding/ChildOrder.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile::testing {
namespace {

using platform::Value;

Value parsed(const char* text) { return platform::foundation::parseValue(text).value(); }

Value containerWith(const std::vector<std::string>& children, const char* childOrder) {
  Value element = {{"type", "UIView"}, {"children", Value::object()}};
  for (const std::string& name : children) element["children"][name] = {{"type", "UILabel"}};
  if (childOrder) element["childorder"] = childOrder;
  return element;
}

TEST(ChildOrder, ListedChildrenComeFirstAndNoChildIsEverDropped) {
  struct Case {
    std::vector<std::string> children;
    const char* childOrder;
    std::string expected;
  };
  const Case cases[] = {
      {{"a", "b", "c"}, nullptr, "a,b,c"},
      {{"a", "b", "c"}, "a,b,c", "a,b,c"},
      {{"a", "b", "c"}, "b,a", "b,a,c"},
      {{"a", "b"}, "x,b", "b,a"},
      {{"a", "b"}, "a,a", "a,b"},
      // Exact names first: "a" never takes "ab".
      {{"ab", "a"}, "a", "a,ab"},
      // A child renamed from a listed name takes its place...
      {{"bar", "dot_1"}, "dot,bar", "dot_1,bar"},
      // ...unless the order names that child itself.
      {{"a_1", "a_2"}, "a,a_1", "a_2,a_1"},
      {{"dot_x"}, "dot", "dot_x"},
      {{}, "none", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(joinChildOrder(getCorrectChildrenByOrder(containerWith(c.children, c.childOrder))), c.expected)
        << (c.childOrder ? c.childOrder : "(no childorder)");
  }
}

TEST(ChildOrder, TheRepairReachesEveryLevelAndLeavesElementsWithoutChildrenAlone) {
  Value children = parsed(R"({
    "Box": {"type": "UIView", "childorder": "Solo", "children": {
      "Inner": {"type": "UIView", "childorder": "Leaf", "children": {"Leaf_1": {"type": "UILabel"}}},
      "Solo": {"type": "UILabel"}}},
    "Plain": {"type": "UIView", "childorder": "none"}})");
  Value& result = resetChildOrderForElementDict(children);
  EXPECT_EQ(&result, &children);
  EXPECT_EQ(children["Box"]["childorder"], "Solo,Inner");
  EXPECT_EQ(children["Box"]["children"]["Inner"]["childorder"], "Leaf_1");
  EXPECT_EQ(children["Plain"]["childorder"], "none");
}

TEST(ChildOrder, SplittingAndJoiningKeepEmptyEntries) {
  EXPECT_EQ(splitChildOrder("a,,b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(joinChildOrder({"a", "", "b"}), "a,,b");
  EXPECT_EQ(joinChildOrder({}), "");
}

}  // namespace
}  // namespace vantile::testing
