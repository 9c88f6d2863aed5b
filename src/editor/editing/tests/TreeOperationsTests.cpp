#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/editing/tests/EditingFixture.h"

namespace vantile::testing {
namespace {

using platform::Value;

bool holds(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

class TreeOperations : public EditingTest {};

TEST_F(TreeOperations, AStyleWriteInstallsANewDocumentAndRedrawsTheCanvas) {
  const Value before = canvas->creatorPreset;
  const auto oldView = canvas->getElementView("Leaf");
  ASSERT_NE(oldView, nullptr);

  canvas->setElementStyle("frame", "Leaf", R"({"x":"5","y":"6","width":"7","height":"8"})");

  EXPECT_EQ(element("Leaf")["frame"], (Value{{"x", "5"}, {"y", "6"}, {"width", "7"}, {"height", "8"}}));
  EXPECT_EQ(before["PresetView"]["children"]["Box"]["children"]["Deep"]["children"]["Leaf"]["frame"]["x"], "10");
  EXPECT_EQ(element("Inner")["text"], "inner");
  EXPECT_EQ(element("Box")["childorder"], "Inner,Deep");
  EXPECT_NE(canvas->getElementView("Leaf"), oldView);
  EXPECT_TRUE(canvas->doneIncrementing);
}

TEST_F(TreeOperations, PlainTextWithABraceIsStoredAsTextAndAShadowColourOnlyRecoloursTheShadow) {
  canvas->setElementStyle("text", "Clock", "{time}");
  EXPECT_EQ(element("Clock")["text"], "{time}");

  canvas->setElementStyle("textShadow", "Clock", "rgba(0,0,0,1)");
  EXPECT_EQ(element("Clock")["textShadow"],
            (Value{{"x", "1"}, {"y", "1"}, {"radius", "2"}, {"color", "rgba(0,0,0,1)"}}));

  canvas->setElementStyle("textColor", "Clock", "rgba(0,0,0,1)");
  EXPECT_EQ(element("Clock")["textColor"], "rgba(0,0,0,1)");
  EXPECT_EQ(shownAlert(), nullptr);
}

TEST_F(TreeOperations, ARefusedValueChangesNothingAndIsReportedInAVantileAlert) {
  const Value before = canvas->creatorPreset;
  const auto view = canvas->getElementView("Clock");

  canvas->setElementStyle("frame", "Clock", "{x:1");

  EXPECT_EQ(canvas->creatorPreset, before);
  EXPECT_EQ(canvas->getElementView("Clock"), view);
  const auto alert = shownAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->title(), "Vantile");
  EXPECT_NE(alert->message().value_or("").find("frame"), std::string::npos);
}

TEST_F(TreeOperations, AShadowColourForAnElementWithoutThatShadowWritesNothing) {
  const Value before = canvas->creatorPreset;
  canvas->setElementStyle("boxShadow", "Clock", "rgba(0,0,0,1)");
  EXPECT_EQ(canvas->creatorPreset, before);
}

TEST_F(TreeOperations, RemovingAContainerRemovesItsSubtreeItsOrderEntryAndTheSelection) {
  canvas->setSelectedElement("Box");
  canvas->removeElement("Box");

  const Value& root = canvas->creatorPreset["PresetView"];
  EXPECT_FALSE(root["children"].contains("Box"));
  EXPECT_EQ(root["order"], (Value{"Clock", "Plain"}));
  for (const std::string name : {"Box", "Inner", "Deep", "Leaf"}) {
    EXPECT_FALSE(canvas->getElementHierarchy(name)) << name;
    EXPECT_FALSE(holds(canvas->getViewsInPreset(), name)) << name;
    EXPECT_EQ(canvas->creatorTags.count(name), 0U) << name;
  }
  EXPECT_EQ(canvas->getSelectedElement(), "none");
}

TEST_F(TreeOperations, RemovingANestedElementTakesItOutOfItsContainersChildOrder) {
  canvas->setSelectedElement("Deep");
  canvas->removeElement("Deep");
  EXPECT_EQ(element("Box")["children"].size(), 1U);
  EXPECT_EQ(element("Box")["childorder"], "Inner");
  EXPECT_FALSE(canvas->getElementHierarchy("Leaf"));
  EXPECT_EQ(canvas->getElementHierarchy("Inner"), (KeyPath{"PresetView", "children", "Box", "children", "Inner"}));
  EXPECT_EQ(canvas->getSelectedElement(), "none");

  canvas->setSelectedElement("Inner");
  canvas->removeElement("Inner");
  EXPECT_EQ(element("Box")["childorder"], "none");
  EXPECT_EQ(element("Box")["children"], Value::object());

  canvas->setSelectedElement("Solo");
  canvas->removeElement("Solo");
  EXPECT_EQ(element("Plain")["children"], Value::object());
}

TEST_F(TreeOperations, RemovingANestedElementRemovesThatElementWhateverIsSelected) {
  canvas->setSelectedElement("Clock");
  canvas->removeElement("Inner");
  EXPECT_EQ(element("Box")["children"].size(), 1U);
  EXPECT_TRUE(element("Box")["children"].contains("Deep"));
  EXPECT_TRUE(canvas->getElementHierarchy("Clock"));
}

TEST_F(TreeOperations, TheNameIndexFollowsEveryEdit) {
  canvas->addToPresetOrder("Clock");
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], (Value{"Clock", "Box", "Plain", "Clock"}));
  canvas->removeFromPresetOrder("Clock");
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], (Value{"Box", "Plain"}));

  Value moved = canvas->creatorPreset;
  canvas->removeElementFromPresetViewChildrenScroll("Clock", moved);
  moved["PresetView"]["children"]["Plain"]["children"]["Clock"] = label("moved");
  canvas->creatorPreset = moved;
  EXPECT_EQ(canvas->getElementHierarchy("Clock"), (KeyPath{"PresetView", "children", "Plain", "children", "Clock"}));
  std::vector<std::string> containers = canvas->getUIViewsInPreset();
  std::sort(containers.begin(), containers.end());
  EXPECT_EQ(containers, (std::vector<std::string>{"Box", "Deep", "Plain"}));
}

TEST_F(TreeOperations, OnlyAnUnselectedRootContainerCountsAsAPlaceToMoveInto) {
  canvas->setSelectedElement("Box");
  EXPECT_TRUE(canvas->presetContainsUIView());

  const struct {
    Value children;
    const char* selected;
    bool contains;
  } cases[] = {
      {{{"Box", box(0, 0, 1, 1)}}, "Box", false},
      {{{"Box", box(0, 0, 1, 1)}}, "none", true},
      {{{"Glass", {{"type", "GlassView"}}}}, "none", true},
      {{{"Scroll", {{"type", "ScrollView"}, {"children", {{"Nested", box(0, 0, 1, 1)}}}}}}, "none", false},
  };
  for (const auto& test : cases) {
    canvas->creatorPreset = theme(test.children, {});
    canvas->setSelectedElement(test.selected);
    EXPECT_EQ(canvas->presetContainsUIView(), test.contains) << test.children.dump();
  }
}

TEST_F(TreeOperations, TheParentNameComesFromTheDrawnViews) {
  EXPECT_EQ(canvas->getParentNameFromElementName("Leaf"), "Deep");
  EXPECT_EQ(canvas->getParentNameFromElementName("Clock"), std::nullopt);
  EXPECT_EQ(canvas->getParentNameFromElementName("Missing"), "");
}

}  // namespace
}  // namespace vantile::testing
