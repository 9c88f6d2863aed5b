#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "inspector/actions/ElementOptionActionHandler.h"
#include "inspector/tests/RecordingOptionsDelegate.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

using platform::Value;
using Names = std::vector<std::string>;

Value frame(const char* x, const char* y, const char* width, const char* height) {
  return {{"x", x}, {"y", y}, {"width", width}, {"height", height}};
}

Value label(Value labelFrame) { return {{"type", "UILabel"}, {"frame", std::move(labelFrame)}}; }

Value container(const char* type, Value containerFrame, Value children) {
  return {{"type", type}, {"frame", std::move(containerFrame)}, {"children", std::move(children)}};
}

// Box holds Inner and Deep, Deep holds Leaf; Other's order is "none", Plain has none at all.
Value theme() {
  Value deep = container("UIView", frame("0", "0", "80", "60"), {{"Leaf", label(frame("5", "6", "50", "20"))}});
  deep["childorder"] = "Leaf";
  Value box = container("UIView", frame("0", "100", "200", "100"),
                        {{"Inner", label(frame("10", "20", "50", "20"))}, {"Deep", deep}});
  box["childorder"] = "Inner,Deep";
  Value other = container("UIView", frame("0", "300", "300", "200"), Value::object());
  other["childorder"] = "none";
  const Value plain = container("UIView", frame("0", "0", "10", "10"),
                                {{"A", label(frame("0", "0", "1", "1"))}, {"B", label(frame("0", "0", "1", "1"))}});
  Value scroll = container("ScrollView", frame("0", "500", "300", "400"), {{"Kid", label(frame("7", "8", "9", "10"))}});
  scroll["childorder"] = "Kid";
  return {{"PresetView",
           {{"children",
             {{"Clock", label(frame("center", "30", "50", "20"))},
              {"Box", box},
              {"Other", other},
              {"Plain", plain},
              {"Scroll", scroll}}},
            {"order", {"Clock", "Box", "Other", "Plain", "Scroll"}}}}};
}

class ElementOptionActions : public ::testing::Test {
 protected:
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot deviceRoot;
  std::shared_ptr<RecordingOptionsDelegate> canvas = std::make_shared<RecordingOptionsDelegate>(theme());
  std::shared_ptr<ElementOptionActionHandler> handler = std::make_shared<ElementOptionActionHandler>(canvas);
  std::shared_ptr<platform::ui::TapGestureRecognizer> tap = platform::ui::TapGestureRecognizer::make();

  Value element(const std::string& name) const { return canvas->findElementInDictionary(name).value_or(Value()); }
  Value& children() { return canvas->preset["PresetView"]["children"]; }
  std::size_t timesNamed(const std::string& name) const {
    const Names names = canvas->elementNames();
    return static_cast<std::size_t>(std::count(names.begin(), names.end(), name));
  }
  Names pickerList(const char* key) const {
    EXPECT_NE(canvas->picker, nullptr);
    if (!canvas->picker) return {};
    EXPECT_EQ(canvas->picker->superview(), canvas->main);
    return canvas->picker->optionsDict[key].get<Names>();
  }
  void pick(const std::string& name) {
    ASSERT_NE(canvas->picker, nullptr);
    const auto picker = canvas->picker;
    picker->completionBlock(name);
    EXPECT_EQ(picker->superview(), nullptr) << "a choice closes the picker";
  }
  void expectFinishedEdit() const {
    EXPECT_EQ(canvas->selected, "none");
    EXPECT_EQ(canvas->panel->superview(), nullptr) << "the inspector panel goes";
    EXPECT_EQ(canvas->picker, nullptr);
    ASSERT_GE(canvas->calls.size(), 2U);
    const Names last(canvas->calls.end() - 2, canvas->calls.end());
    EXPECT_EQ(last, (Names{"reloadTheme", "reloadScrollview"}));
  }
};

TEST_F(ElementOptionActions, ACentredElementPutIntoAContainerIsPlacedAtItsTopAndLeavesTheTopLevel) {
  canvas->selected = "Clock";
  handler->addToUIView(*tap);
  EXPECT_EQ(pickerList("0"), (Names{"Box", "Deep", "Other", "Plain"}));
  EXPECT_EQ(pickerList("blacklist"), Names{"Clock"});

  pick("Box");

  EXPECT_EQ(element("Clock")["frame"], frame("75", "0", "50", "20"));
  EXPECT_EQ(ContainerTree::parentOf(canvas->preset, "Clock"), "Box");
  EXPECT_EQ(timesNamed("Clock"), 1U);
  EXPECT_EQ(element("Box")["childorder"], "Inner,Deep,Clock");
  EXPECT_EQ(canvas->preset["PresetView"]["order"], (Value{"Box", "Other", "Plain", "Scroll"}));
  expectFinishedEdit();
  EXPECT_NE(std::find(canvas->calls.begin(), canvas->calls.end(), "hideHintLabel"), canvas->calls.end());
}

TEST_F(ElementOptionActions, AContainerWithoutAnOrderListsItsChildrenBeforeTheNewOne) {
  const std::pair<const char*, const char*> cases[] = {{"Other", "Clock"}, {"Plain", "B,A,Clock"}};
  for (const auto& [target, order] : cases) {
    canvas->preset = theme();
    canvas->selected = "Clock";
    handler->addElementToUIView(target);
    EXPECT_EQ(element(target)["childorder"], order) << target;
  }
}

TEST_F(ElementOptionActions, ANestedElementPutIntoAnotherContainerLeavesItsOwnWhichStaysInPlace) {
  canvas->selected = "Leaf";
  handler->addElementToUIView("Other");

  EXPECT_EQ(ContainerTree::parentOf(canvas->preset, "Leaf"), "Other");
  EXPECT_EQ(timesNamed("Leaf"), 1U);
  EXPECT_EQ(element("Leaf")["frame"], frame("0", "0", "50", "20"));
  EXPECT_EQ(ContainerTree::parentOf(canvas->preset, "Deep"), "Box");
  EXPECT_EQ(element("Deep")["children"], Value::object());
  EXPECT_EQ(element("Deep")["childorder"], "none");
  EXPECT_EQ(element("Box")["children"]["Inner"], theme()["PresetView"]["children"]["Box"]["children"]["Inner"]);
  expectFinishedEdit();
}

TEST_F(ElementOptionActions, AMoveIntoItselfItsDescendantOrItsOwnContainerChangesNothingAndIsLogged) {
  struct Case {
    const char* selected;
    const char* target;
    void (*commit)(ElementOptionActionHandler&, const std::string&);
  };
  const auto putInto = [](ElementOptionActionHandler& actions, const std::string& name) {
    actions.addElementToUIView(name);
  };
  const auto addToScroll = [](ElementOptionActionHandler& actions, const std::string& name) {
    actions.addItemToScrollView(name);
  };
  const Case cases[] = {
      {"Box", "Box", putInto},          {"Box", "Deep", putInto},        {"Leaf", "Deep", putInto},
      {"Scroll", "Scroll", addToScroll}, {"Scroll", "Kid", addToScroll},
  };
  for (const Case& move : cases) {
    canvas->selected = move.selected;
    canvas->calls.clear();
    ::testing::internal::CaptureStderr();
    move.commit(*handler, move.target);
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(canvas->preset, theme()) << move.selected << " and " << move.target;
    EXPECT_TRUE(canvas->calls.empty()) << move.selected << " and " << move.target;
    EXPECT_NE(log.find("Could not"), std::string::npos) << log;
  }
}

TEST_F(ElementOptionActions, TheMovePickerOffersNeitherTheElementNorItsParentNorWhatItHolds) {
  canvas->selected = "Deep";
  handler->moveToUIView(*tap);
  EXPECT_EQ(pickerList("blacklist"), (Names{"Deep", "Leaf", "Box"}));

  canvas->selected = "Box";
  handler->moveToUIView(*tap);
  pick("Deep");
  EXPECT_EQ(canvas->preset, theme()) << "a pick the picker would not offer is refused again";
}

TEST_F(ElementOptionActions, MovingToAnotherContainerKeepsTheFrameAndMendsBothOrders) {
  canvas->selected = "Leaf";
  handler->moveToUIView(*tap);
  pick("Other");

  EXPECT_EQ(ContainerTree::parentOf(canvas->preset, "Leaf"), "Other");
  EXPECT_EQ(timesNamed("Leaf"), 1U);
  EXPECT_EQ(element("Leaf")["frame"], frame("5", "6", "50", "20"));
  EXPECT_EQ(element("Other")["childorder"], "Leaf");
  EXPECT_EQ(element("Deep")["childorder"], "none");
  EXPECT_EQ(ContainerTree::parentOf(canvas->preset, "Deep"), "Box");
  expectFinishedEdit();
}

TEST_F(ElementOptionActions, TakingAnElementOutOfANestedContainerMakesItTopLevelWithItsFrame) {
  canvas->selected = "Leaf";
  handler->moveFromUIView(*tap);

  EXPECT_EQ(children()["Leaf"], label(frame("5", "6", "50", "20")));
  EXPECT_EQ(timesNamed("Leaf"), 1U);
  EXPECT_EQ(canvas->preset["PresetView"]["order"].back(), "Leaf");
  EXPECT_EQ(children()["Box"]["children"]["Deep"]["children"], Value::object()) << "Deep is written back inside Box";
  EXPECT_EQ(element("Deep")["childorder"], "none");
  expectFinishedEdit();

  canvas->selected = "Clock";
  const Value before = canvas->preset;
  handler->moveFromUIView(*tap);
  EXPECT_EQ(canvas->preset, before) << "a top-level element has no container to leave";
}

TEST_F(ElementOptionActions, AnElementAddedToAScrollViewLeavesWhereverItStood) {
  struct Case {
    const char* name;
    Value placedFrame;
    const char* oldParent;
  };
  const Case cases[] = {{"Leaf", frame("0", "0", "50", "20"), "Deep"},
                        {"Clock", frame("125", "0", "50", "20"), "PresetView"}};
  for (const Case& added : cases) {
    canvas->preset = theme();
    canvas->main->addSubview(canvas->panel);
    canvas->selected = "Scroll";
    handler->addToScrollview(*tap);
    EXPECT_EQ(pickerList("blacklist"), (Names{"Scroll", "Kid"}));
    pick(added.name);

    EXPECT_EQ(ContainerTree::parentOf(canvas->preset, added.name), "Scroll") << added.name;
    EXPECT_EQ(timesNamed(added.name), 1U) << added.name;
    EXPECT_EQ(element(added.name)["frame"], added.placedFrame) << added.name;
    EXPECT_EQ(element("Scroll")["childorder"], "Kid," + std::string(added.name));
    const Value order = canvas->preset["PresetView"]["order"];
    EXPECT_EQ(std::find(order.begin(), order.end(), added.name), order.end());
    expectFinishedEdit();
  }
  EXPECT_EQ(element("Deep")["childorder"], "Leaf") << "only the Leaf case touched Deep";
}

TEST_F(ElementOptionActions, AChildTakenFromAScrollViewReturnsToTheTopWithItsFrame) {
  canvas->selected = "Scroll";
  handler->removeFromScrollview(*tap);
  EXPECT_EQ(pickerList("0"), Names{"Kid"});
  pick("Kid");

  EXPECT_EQ(children()["Kid"], label(frame("7", "8", "9", "10")));
  EXPECT_EQ(element("Scroll")["children"], Value::object());
  EXPECT_EQ(element("Scroll")["childorder"], "none");
  EXPECT_EQ(canvas->preset["PresetView"]["order"].back(), "Kid");
  expectFinishedEdit();

  canvas->selected = "Scroll";
  handler->removeFromScrollview(*tap);
  EXPECT_EQ(canvas->picker, nullptr) << "an empty scroll view offers nothing";
}

TEST_F(ElementOptionActions, AnElementThatIsNotInTheScrollViewIsNotTakenFromIt) {
  handler->removeItemFromScrollView("Leaf", "Scroll");
  handler->removeItemFromScrollView("", "Scroll");
  EXPECT_EQ(canvas->preset, theme()) << "re-adding Leaf at the top would name it twice";
  EXPECT_TRUE(canvas->calls.empty());
}

TEST_F(ElementOptionActions, ContainerTestsLookAtTheParentsType) {
  struct Case {
    const char* name;
    bool inScrollView;
    bool inUIView;
  };
  const Case cases[] = {{"Leaf", false, true}, {"Kid", true, false}, {"Clock", false, false}, {"Missing", false, false}};
  for (const Case& test : cases) {
    EXPECT_EQ(handler->checkIfElementInScrollView(test.name), test.inScrollView) << test.name;
    EXPECT_EQ(handler->checkIfElementInUIView(test.name), test.inUIView) << test.name;
  }
}

TEST_F(ElementOptionActions, ADuplicatedContainerTagsItselfThenEachCopiedChildAndAgainBeforeItsOwnChildren) {
  handler->addDuplicatedItemWithName("Box2", "Box");

  const Value copy = children()["Box2"];
  EXPECT_EQ(copy["childorder"], "Inner_1,Deep_1");
  EXPECT_TRUE(copy["children"]["Deep_1"]["children"].contains("Leaf_1"));
  EXPECT_EQ(copy["children"]["Deep_1"]["childorder"], "Leaf_1");
  EXPECT_EQ(element("Box"), theme()["PresetView"]["children"]["Box"]);
  const std::vector<std::pair<std::string, std::int32_t>> tags = {
      {"Box2", 1}, {"Inner_1", 2}, {"Deep_1", 3}, {"Deep_1", 4}, {"Leaf_1", 5}};
  EXPECT_EQ(canvas->tags, tags);
  EXPECT_EQ(canvas->selected, "none");
}

TEST_F(ElementOptionActions, ADelegateWithoutTheTreeEditsChangesNothing) {
  canvas->missing = {ElementOptionsBuilderDelegate::Operation::removeElementFromUIView};
  canvas->selected = "Clock";
  handler->addElementToUIView("Box");
  canvas->selected = "Leaf";
  handler->moveFromUIView(*tap);
  EXPECT_EQ(canvas->preset, theme());
}

}  // namespace
}  // namespace vantile::testing
