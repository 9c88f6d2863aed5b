#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/menus/FontMenuLists.h"
#include "editor/menus/InspectorKeyOrder.h"
#include "editor/menus/PickerLists.h"
#include "editor/menus/SegmentMenus.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/graphics/FontFamilies.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

using platform::Value;
using Names = std::vector<std::string>;

TEST(InspectorKeyOrder, KnownKeysComeFirstInTheFixedOrderThenTheOthersInTheElementsOwnOrder) {
  EXPECT_EQ(InspectorKeyOrder::customOrder({{"type", "UIView"}, {"frame", Value::object()}}), (Names{"frame", "type"}));
  const Value element = {{"zeta", 1},      {"type", "UILabel"}, {"alpha", "1"},
                         {"children", {}}, {"fontSize", "12"},  {"childorder", "a"}};
  EXPECT_EQ(InspectorKeyOrder::customOrder(element),
            (Names{"childorder", "fontSize", "alpha", "zeta", "type", "children"}));
  EXPECT_TRUE(InspectorKeyOrder::customOrder(Value("text")).empty());
}

TEST(ChildrenOrderList, ListsTheNamedChildrenLastNamedFirstAndKeepsEveryOtherChild) {
  const Value abc = {{"a", Value::object()}, {"b", Value::object()}, {"c", Value::object()}};
  const struct {
    std::string childorder;
    Value children;
    Names list;
  } cases[] = {
      // clang-format off
      {"b,a", abc, {"a", "b", "c"}},
      {"a,gone,b", {{"a", Value::object()}, {"b", Value::object()}}, {"b", "a"}},
      {"none", abc, {"a", "b", "c"}},
      {"", abc, {"a", "b", "c"}},
      {"c,c,a", abc, {"a", "c", "b"}},
      {"b", Value::object(), {}},
      // clang-format on
  };
  for (const auto& item : cases) {
    EXPECT_EQ(PickerLists::childrenOrderList(item.childorder, item.children), item.list) << item.childorder;
  }
}

TEST(ChildrenOrderList, WhatThePanelSavesIsStoredTopRowFirst) {
  EXPECT_EQ(PickerLists::childorderFromPanel({"a", "b", "c"}), "c,b,a");
  EXPECT_EQ(PickerLists::childorderFromPanel({"solo"}), "solo");
}

TEST(AnimationTargets, ATargetIsAddedEmptyRemovedWhenPresentAndNoTargetsReadNone) {
  EXPECT_EQ(PickerLists::animationWithToggledTarget("none", "Clock"), R"({"Clock":{}})");
  EXPECT_EQ(PickerLists::animationWithToggledTarget(Value{{"Clock", Value::object()}}, "Clock"), "none");
  EXPECT_EQ(PickerLists::animationWithToggledTarget(Value{{"Clock", {{"duration", "1"}}}}, "Box"),
            R"({"Clock":{"duration":"1"},"Box":{}})");
  EXPECT_EQ(PickerLists::animationWithToggledTarget(Value(3), "Box"), R"({"Box":{}})");
}

TEST(DataTokens, ATokenIsAppendedWithoutASeparatorAndAMissingTextOrNoneCountsAsEmpty) {
  const Value text = "Now [hour]";
  const Value none = "none";
  const Value number = 4;
  EXPECT_EQ(PickerLists::withDataToken(&text, "minute"), "Now [hour][minute]");
  EXPECT_EQ(PickerLists::withDataToken(nullptr, "minute"), "[minute]");
  EXPECT_EQ(PickerLists::withDataToken(&none, "minute"), "[minute]");
  EXPECT_EQ(PickerLists::withDataToken(&number, "minute"), "[minute]");
}

TEST(SegmentMenus, TheMenuOpensOnTheElementsWordNoneForAMissingKeyAndNoSegmentForAnUnlistedWord) {
  const struct {
    const SegmentMenus::Menu& menu;
    Value element;
    int segment;
  } cases[] = {
      {SegmentMenus::textAlignment(), {{"textAlignment", "NSTextAlignmentRight"}}, 2},
      {SegmentMenus::blurColor(), {{"type", "GlassView"}}, 0},
      {SegmentMenus::autoLayout(), {{"autoLayout", "stacked"}}, -1},
      {SegmentMenus::infiniteScroll(), {{"infiniteScroll", "both"}}, 3},
      {SegmentMenus::infiniteScroll(), {{"infiniteScroll", 1}}, -1},
  };
  for (const auto& item : cases) {
    EXPECT_EQ(SegmentMenus::segmentOfValue(item.menu, item.element), item.segment) << item.element.dump();
  }
}

TEST(StockFonts, TheAllowListOnlyFiltersAndKeepsTheRegistrysOrder) {
  const std::vector<platform::graphics::FontFamily> families = {
      {"Helvetica", {"Helvetica-Bold", "Helvetica", "Helvetica-Black"}},
      {"Inter", {"Inter-Regular"}},
      {"Avenir", {"Avenir-Book"}},
  };
  EXPECT_EQ(FontMenuLists::stockFontNames(families), (Names{"Helvetica-Bold", "Helvetica", "Avenir-Book"}));
}

class CustomFonts : public ::testing::Test {
 protected:
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot device;
};

TEST_F(CustomFonts, OnlyLowerCaseOtfAndTtfFilesAreListedSortedWithoutRegardToCase) {
  const std::string assets = "/var/mobile/Library/VantileAssets/";
  EXPECT_TRUE(FontMenuLists::customFontFiles(platform::foundation::devicePath(assets)).empty());
  for (const std::string file : {"Round.ttf", "A.TTF", "b.otf", "c.woff", "notes.txt", "logo.png"}) {
    device.writeFile(assets + file, "x");
  }
  EXPECT_EQ(FontMenuLists::customFontFiles(platform::foundation::devicePath(assets)), (Names{"b.otf", "Round.ttf"}));
}

}  // namespace
}  // namespace vantile::testing
