#include <gtest/gtest.h>

#include "editor/adding/TemplateNames.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile::testing {
namespace {

using platform::Value;

Value parsed(const char* text) { return platform::foundation::parseValue(text).value(); }

TEST(TemplateNames, InnerNamesTheThemeUsesAreRenamedAtAnyDepthWithTheirChildOrders) {
  const Value pill = parsed(R"({"type": "UIView", "childorder": "clock,Deep", "children": {
    "clock": {"type": "UILabel", "text": "clock"},
    "Deep": {"type": "UIView", "childorder": "dot,keep", "children": {
      "dot": {"type": "UIView"}, "keep": {"type": "UIView"}}}}})");
  const Value renamed = withUniqueInnerNames(pill, "Pill", {"clock", "clock_1", "dot", "Box"});
  const Value expected = parsed(R"({"type": "UIView", "childorder": "clock_2,Deep", "children": {
    "clock_2": {"type": "UILabel", "text": "clock"},
    "Deep": {"type": "UIView", "childorder": "dot_1,keep", "children": {
      "dot_1": {"type": "UIView"}, "keep": {"type": "UIView"}}}}})");
  EXPECT_EQ(renamed, expected);
}

TEST(TemplateNames, ANewNameIsFreeInTheTemplateTooAndRepeatedOrOwnNamesAreRenamed) {
  const Value group = parsed(R"({"type": "UIView", "children": {
    "Pill": {"type": "UIView", "children": {"dot": {"type": "UIView"}}},
    "clock": {"type": "UIView", "children": {"dot": {"type": "UIView"}}},
    "clock_1": {"type": "UILabel"}}})");
  const Value renamed = withUniqueInnerNames(group, "Pill", {"clock"});
  const Value expected = parsed(R"({"type": "UIView", "children": {
    "Pill_1": {"type": "UIView", "children": {"dot": {"type": "UIView"}}},
    "clock_2": {"type": "UIView", "children": {"dot_1": {"type": "UIView"}}},
    "clock_1": {"type": "UILabel"}}})");
  EXPECT_EQ(renamed, expected);
}

TEST(TemplateNames, StyleKeysAndLongerNamesAreNeverTouched) {
  const Value styled = parsed(R"json({"type": "UIView",
    "frame": {"x": "1", "y": "2", "width": "30", "height": "40"},
    "textShadow": {"x": "1", "y": "1", "radius": "2", "color": "rgba(0,0,0,1)"},
    "childorder": "frame,batterybar", "children": {
      "frame": {"type": "UILabel", "frame": {"x": "0", "y": "0", "width": "5", "height": "5"},
                "textShadow": {"x": "0", "y": "0", "radius": "1", "color": "rgba(1,1,1,1)"}},
      "batterybar": {"type": "BatteryBar"}}})json");
  const Value renamed = withUniqueInnerNames(styled, "Group", {"frame", "textShadow", "bar", "children", "type"});
  Value expected = styled;
  expected["children"].erase("frame");
  expected["children"].erase("batterybar");
  expected["children"]["frame_1"] = styled["children"]["frame"];
  expected["children"]["batterybar"] = styled["children"]["batterybar"];
  expected["childorder"] = "frame_1,batterybar";
  EXPECT_EQ(renamed, expected);
}

TEST(TemplateNames, AnElementWithoutChildrenComesBackUnchanged) {
  const Value label = parsed(R"({"type": "UILabel", "children": "odd"})");
  EXPECT_EQ(withUniqueInnerNames(label, "Clock", {"Clock"}), label);
}

}  // namespace
}  // namespace vantile::testing
