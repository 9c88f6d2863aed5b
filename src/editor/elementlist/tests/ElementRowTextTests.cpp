#include <gtest/gtest.h>

#include "editor/CreatorView.h"
#include "editor/elementlist/ElementRowText.h"

namespace vantile {
namespace {

TEST(ElementRowTextTest, ContainersWithChildrenShowTheirArrowAndCountEverythingElseTypeAndName) {
  struct Case {
    const char* type;
    std::size_t children;
    bool expanded;
    const char* title;
  };
  const Case cases[] = {
      {"UIView", 2, false, "↓(UIView) box(2)"},         {"UIView", 2, true, "↑(UIView) box(2)"},
      {"ScrollView", 1, false, "↓(ScrollView) box(1)"}, {"GlassView", 0, false, "(GlassView) box"},
      {"UILabel", 3, false, "(UILabel) box"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(ElementRowText::elementTitle(test.type, "box", test.children, ElementRowText::isContainerType(test.type),
                                           test.expanded),
              test.title);
  }
}

TEST(ElementRowTextTest, NestedRowsAreIndentedByTheirDepthAfterTheRowPrefix) {
  struct Case {
    bool nested;
    std::size_t pathLength;
    std::size_t extraSpaces;
  };
  const Case cases[] = {{false, 3, 0}, {true, 5, 5}, {true, 7, 14}, {true, 9, 27}, {true, 11, 33}};
  for (const Case& test : cases) {
    EXPECT_EQ(ElementRowText::rowText("(UILabel) a", test.nested, test.pathLength),
              std::string(3 + test.extraSpaces, ' ') + "(UILabel) a")
        << test.pathLength;
  }
  EXPECT_EQ(CreatorView::padStringWithSpaces("x", 4), "    x");
}

TEST(ElementRowTextTest, TheOrderNamesTheRowsAndTheCountTakesInEverySubtree) {
  const platform::Value children = platform::Value::parse(R"({
    "box": {"type": "UIView", "children": {"a": {"type": "UILabel"},
                                           "inner": {"type": "UIView", "children": {"leaf": {"type": "UILabel"}}}}},
    "title": {"type": "UILabel"},
    "empty": {"type": "GlassView", "children": {}}
  })");
  const platform::Value order = platform::Value::array({"title", "box", 7});
  EXPECT_EQ(ElementRowText::orderedNames(children, &order), (std::vector<std::string>{"title", "box"}));
  EXPECT_EQ(ElementRowText::orderedNames(children, &children), (std::vector<std::string>{"box", "title", "empty"}));
  EXPECT_EQ(ElementRowText::orderedNames(children, nullptr), (std::vector<std::string>{"box", "title", "empty"}));
  EXPECT_EQ(CreatorView::countTotalElements(children, nullptr), 6);
  EXPECT_EQ(CreatorView::countTotalElements(children, &order), 5);
  EXPECT_EQ(CreatorView::countTotalElements(platform::Value("not a map"), nullptr), 0);
}

}  // namespace
}  // namespace vantile
