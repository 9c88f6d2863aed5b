#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "inspector/actions/ContainerTree.h"

namespace vantile::testing {
namespace {

using platform::Value;

Value frame(Value x, Value y, Value width, Value height) {
  return {{"x", std::move(x)}, {"y", std::move(y)}, {"width", std::move(width)}, {"height", std::move(height)}};
}

// Box (UIView) holds Inner and Deep, Deep holds Leaf; Scroll is an empty scroll view.
Value theme() {
  const Value leaf = {{"type", "UILabel"}, {"frame", frame("10", "20", "50", "20")}};
  const Value deep = {{"type", "UIView"}, {"childorder", "Leaf"}, {"children", {{"Leaf", leaf}}}};
  const Value box = {{"type", "UIView"}, {"childorder", "Inner,Deep"}, {"children", {{"Inner", leaf}, {"Deep", deep}}}};
  return {{"PresetView",
           {{"children", {{"Box", box}, {"Scroll", {{"type", "ScrollView"}}}, {"Clock", leaf}}},
            {"order", {"Box", "Scroll", "Clock"}}}}};
}

TEST(ContainerTree, PathsAndParentsAreFoundAtEveryDepth) {
  const Value preset = theme();
  EXPECT_EQ(ContainerTree::pathOf(preset, "Leaf"),
            (ContainerTree::ElementPath{"PresetView", "children", "Box", "children", "Deep", "children", "Leaf"}));
  EXPECT_EQ(ContainerTree::parentOf(preset, "Leaf"), "Deep");
  EXPECT_EQ(ContainerTree::parentOf(preset, "Clock"), "PresetView");
  EXPECT_EQ(ContainerTree::parentOf(preset, "Missing"), std::nullopt);
  EXPECT_EQ(ContainerTree::parentOf(Value::array(), "Clock"), std::nullopt);
}

TEST(ContainerTree, AMoveIntoItselfItsDescendantsOrItsOwnContainerIsRefused) {
  struct Case {
    const char* name;
    const char* target;
    bool refused;
  };
  const Case cases[] = {
      {"Box", "Box", true},   {"Box", "Deep", true},   {"Box", "Leaf", true},    {"Leaf", "Deep", true},
      {"Missing", "Box", true}, {"Clock", "Missing", true}, {"Leaf", "Box", false}, {"Clock", "Deep", false},
      {"Deep", "Scroll", false},
  };
  for (const Case& move : cases) {
    EXPECT_EQ(ContainerTree::refusalToMoveInto(theme(), move.name, move.target).has_value(), move.refused)
        << move.name << " into " << move.target;
  }
}

TEST(ContainerTree, ANestedElementIsRemovedFromItsOwnParentAndTheRootOrderStays) {
  const std::optional<Value> edited = ContainerTree::withoutElement(theme(), "Leaf");
  ASSERT_TRUE(edited);
  Value expected = theme();
  expected["PresetView"]["children"]["Box"]["children"]["Deep"]["children"] = Value::object();
  EXPECT_EQ(*edited, expected) << "the childorder is the caller's to mend";
  EXPECT_FALSE(ContainerTree::withoutElement(theme(), "Missing"));
}

TEST(ContainerTree, AChildIsAddedWhateverTheContainerHeldBefore) {
  const Value child = {{"type", "UILabel"}};
  const Value containers[] = {{{"type", "UIView"}}, {{"type", "UIView"}, {"children", "none"}},
                              {{"type", "UIView"}, {"children", {{"Old", child}}}}};
  for (const Value& container : containers) {
    const Value edited = ContainerTree::containerWithChild(container, "New", child);
    EXPECT_EQ(edited["children"]["New"], child) << container.dump();
    EXPECT_EQ(edited["type"], "UIView");
  }
  EXPECT_EQ(ContainerTree::containerWithChild(containers[2], "New", child)["children"].size(), 2U);
}

TEST(ContainerTree, AnElementPlacedInAContainerStartsAtItsTopLeftOrStaysCentred) {
  struct Case {
    Value element;
    Value container;
    Value x;
    Value y;
  };
  const Case cases[] = {
      {frame("center", "30", "50", "20"), frame("0", "0", "200", "100"), "75", "0"},
      {frame("center", "center", "50", "20"), frame("0", "0", "200", "100"), "75", "40"},
      // Each half is an integer, truncated before the difference.
      {frame("center", "center", "51", "21"), frame("0", "0", "201", "99"), "75", "39"},
      {frame(12, 7, 50, 20), frame("0", "0", "200", "100"), "0", "0"},
      {frame("center", "5", "50", "20"), Value::object(), "-25", "0"},
  };
  for (const Case& placement : cases) {
    const Value element = {{"type", "UILabel"}, {"frame", placement.element}};
    const Value container = {{"type", "UIView"}, {"frame", placement.container}};
    const Value placed = ContainerTree::placedInContainer(element, container);
    EXPECT_EQ(placed["frame"]["x"], placement.x) << placement.element.dump();
    EXPECT_EQ(placed["frame"]["y"], placement.y) << placement.element.dump();
    EXPECT_EQ(placed["frame"]["width"], placement.element["width"]);
  }
  const Value frameless = {{"type", "UILabel"}};
  EXPECT_EQ(ContainerTree::placedInContainer(frameless, {{"frame", frame("0", "0", "1", "1")}}), frameless);
}

}  // namespace
}  // namespace vantile::testing
