#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspector/bulk/BulkElementTree.h"
#include "inspector/bulk/ElementTypeCaptions.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile::testing {
namespace {

using Names = std::vector<std::string>;
using Outcome = BulkElementTree::RenameOutcome;

Names rowNames(const BulkElementTree& tree) {
  Names names;
  for (const auto& row : tree.flattenedHierarchy()) {
    names.push_back(std::string(static_cast<std::size_t>(row.indentLevel), '-') + row.item->elementName);
  }
  return names;
}

TEST(BulkElementTree, TheSharedCounterSkipsTakenNamesAndNeverGoesBack) {
  BulkElementTree tree({"UILabel_1", "UIView_4"});
  EXPECT_EQ(tree.addElementWithType("UILabel", nullptr)->elementName, "UILabel_2");
  EXPECT_EQ(tree.addElementWithType("UIView", nullptr)->elementName, "UIView_3");
  const auto skipped = tree.addElementWithType("UIView", nullptr);
  EXPECT_EQ(skipped->elementName, "UIView_5") << "UIView_4 is in the theme";

  tree.removeItem(skipped);
  EXPECT_EQ(tree.addElementWithType("UIView", nullptr)->elementName, "UIView_6");
  EXPECT_EQ(tree.addTemplateWithType("Pill", nullptr)->elementName, "Pill_7");
}

TEST(BulkElementTree, RowsFollowTheTreeDepthFirstWithTheirLevels) {
  BulkElementTree tree({});
  const auto box = tree.addElementWithType("UIView", nullptr);
  const auto inner = tree.addElementWithType("ScrollView", box);
  tree.addElementWithType("UILabel", inner);
  tree.addElementWithType("UILabel", nullptr);
  tree.addElementWithType("UIImageView", box);
  EXPECT_EQ(rowNames(tree), (Names{"UIView_1", "-ScrollView_2", "--UILabel_3", "-UIImageView_5", "UILabel_4"}));

  tree.removeItem(inner);
  EXPECT_EQ(rowNames(tree), (Names{"UIView_1", "-UIImageView_5", "UILabel_4"}));
  EXPECT_FALSE(tree.nameExistsInHierarchy("UILabel_3")) << "descendants of a deleted node leave the tree too";
}

TEST(BulkElementTree, TheResultNestsChildrenOnlyUnderNodesThatHaveSome) {
  BulkElementTree tree({});
  const auto box = tree.addElementWithType("UIView", nullptr);
  tree.addElementWithType("UILabel", box);
  const auto empty = tree.addElementWithType("GlassView", nullptr);
  const auto gone = tree.addElementWithType("UILabel", empty);
  tree.removeItem(gone);
  tree.addTemplateWithType("Pill", nullptr);
  EXPECT_EQ(tree.result(), platform::foundation::parseValue(R"([
      {"elementType": "UIView", "elementName": "UIView_1",
       "children": [{"elementType": "UILabel", "elementName": "UILabel_2"}]},
      {"elementType": "GlassView", "elementName": "GlassView_3"},
      {"elementType": "Pill", "elementName": "Pill_5"}])")
                               .value());
}

TEST(BulkElementTree, ThePendingParentTakesTypeMenuAdditionsAndOnePaletteAddition) {
  BulkElementTree tree({});
  const auto box = tree.addFromPalette("UIView");
  tree.currentParentForNewElement = box;
  tree.addFromTypeMenu("UILabel");
  tree.addFromTypeMenu("UIImageView");
  tree.addFromPalette("Pill");
  tree.addFromPalette("UILabel");
  EXPECT_EQ(rowNames(tree), (Names{"UIView_1", "-UILabel_2", "-UIImageView_3", "-Pill_4", "UILabel_5"}));
  EXPECT_EQ(tree.currentParentForNewElement, nullptr);
}

TEST(BulkElementTree, APendingParentThatWasDeletedSendsTheNextNodeToTheTop) {
  BulkElementTree tree({});
  const auto box = tree.addFromPalette("UIView");
  tree.currentParentForNewElement = box;
  tree.removeItem(box);
  tree.addFromPalette("UILabel");
  EXPECT_EQ(rowNames(tree), (Names{"UILabel_2"}));
}

TEST(BulkElementTree, OnlyViewsScrollViewsAndGlassViewsHoldChildren) {
  for (const char* type : {"UIView", "ScrollView", "GlassView"}) {
    EXPECT_TRUE(BulkElementTree::canElementTypeHaveChildren(type)) << type;
  }
  for (const char* type : {"UILabel", "uiview", "AppIcon", "Pill", ""}) {
    EXPECT_FALSE(BulkElementTree::canElementTypeHaveChildren(type)) << type;
  }
}

TEST(BulkElementTree, TypedNamesObeyTheElementNameRules) {
  struct Case {
    std::string typed;
    Outcome outcome;
    std::string nameAfter;
  };
  const std::vector<Case> cases = {
      {"", Outcome::emptyRefused, "UILabel_1"},
      {"UILabel_1", Outcome::unchanged, "UILabel_1"},
      {"Clock", Outcome::duplicateRefused, "UILabel_1"},
      {"UIView_2", Outcome::duplicateRefused, "UILabel_1"},
      {"clock", Outcome::renamed, "clock"},
      {"a,b", Outcome::invalidRefused, "UILabel_1"},
      {"Frame", Outcome::invalidRefused, "UILabel_1"},
      {"   ", Outcome::invalidRefused, "UILabel_1"},
      {std::string(101, 'x'), Outcome::invalidRefused, "UILabel_1"},
      {"time_Holder2", Outcome::renamed, "time_Holder2"},
  };
  for (const Case& test : cases) {
    BulkElementTree tree({"Clock"});
    const auto label = tree.addElementWithType("UILabel", nullptr);
    tree.addElementWithType("UIView", nullptr);
    EXPECT_EQ(tree.rename(label, test.typed), test.outcome) << '"' << test.typed << '"';
    EXPECT_EQ(label->elementName, test.nameAfter) << '"' << test.typed << '"';
  }
}

TEST(BulkElementTree, CaptionsDescribeKnownTypesOnly) {
  EXPECT_EQ(elementTypeCaption("UILabel"), "(text / data)");
  EXPECT_EQ(elementTypeCaption("AnalogClock"), "(Animated Clock)");
  EXPECT_EQ(elementTypeCaption("BatteryBar"), elementTypeCaption("ProgressBar"));
  EXPECT_EQ(elementTypeCaption("Pill"), "");
  EXPECT_EQ(elementTypeCaption("uilabel"), "");
}

}  // namespace
}  // namespace vantile::testing
