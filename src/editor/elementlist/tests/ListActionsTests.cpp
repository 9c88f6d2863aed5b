#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/elementlist/tests/ElementListFixture.h"
#include "editor/files/ThemeBackup.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

namespace graphics = platform::graphics;
using platform::Value;
using platform::ui::AlertController;
using platform::ui::View;

Value container(Value children, std::optional<std::string> childorder = std::nullopt) {
  Value element{{"type", "UIView"},
                {"frame", {{"x", "0"}, {"y", "0"}, {"width", "200"}, {"height", "100"}}},
                {"children", std::move(children)}};
  if (childorder) element["childorder"] = *childorder;
  return element;
}

// Also the list's rows, expanded containers and the duplicate prompt.
class ListActions : public ElementListTest {
 protected:
  std::shared_ptr<View> row(const std::string& name) const {
    const auto tag = canvas->creatorTags.find(name);
    if (tag == canvas->creatorTags.end() || !canvas->elementStackView) return nullptr;
    return canvas->elementStackView->viewWithTag(tag->second);
  }
  // Opens a container's row so that its children's buttons take taps.
  void expand(const std::string& name) {
    const auto found = row(name);
    ASSERT_NE(found, nullptr) << name;
    tap(*found);
  }
  void duplicate(const std::string& source, const std::string& typed) {
    tapButton(source + "~copy");
    const auto prompt = alert();
    ASSERT_NE(prompt, nullptr);
    ASSERT_EQ(prompt->textFields().size(), 1U);
    prompt->textFields().front()->setText(typed);
    ASSERT_TRUE(prompt->chooseAction("Duplicate"));
  }
  // The description without the keys that a duplicate renames.
  static Value withoutNames(Value element) {
    element.erase("children");
    element.erase("childorder");
    return element;
  }
  static std::vector<std::string> keys(const Value& map) {
    std::vector<std::string> names;
    for (const auto& entry : map.items()) names.push_back(entry.key());
    return names;
  }
  static std::vector<std::string> actionTitles() {
    std::vector<std::string> titles;
    if (const auto shown = alert()) {
      for (const auto& action : shown->actions()) titles.push_back(action.title);
    }
    return titles;
  }
};

TEST_F(ListActions, DeletingAsksFirstNoKeepsTheElementAndYesBacksTheThemeUpBeforeRemovingIt) {
  setTheme({{"a", label()}, {"b", label()}}, Value{"a", "b"});

  tapButton("a~remove");
  EXPECT_EQ(alertMessage(), "Are you sure you want to delete this element?");
  EXPECT_EQ(actionTitles(), (std::vector<std::string>{"No", "Yes"}));
  EXPECT_EQ(canvas->getSelectedElement(), "a");
  ASSERT_TRUE(alert()->chooseAction("No"));
  EXPECT_TRUE(children().contains("a"));
  EXPECT_NE(row("a"), nullptr);

  const Value before = canvas->creatorPreset;
  tapButton("a~remove");
  ASSERT_TRUE(alert()->chooseAction("Yes"));
  advance(0.3);
  EXPECT_FALSE(children().contains("a"));
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], (Value{"b"}));
  EXPECT_EQ(canvas->getSelectedElement(), "none");
  EXPECT_TRUE(hintLabel->isHidden());
  EXPECT_EQ(button("a~remove"), nullptr);
  EXPECT_NE(button("b~remove"), nullptr);
  const auto backup = ThemeBackup::stored();
  ASSERT_TRUE(backup);
  EXPECT_EQ(backup->document, before);
}

TEST_F(ListActions, TheExtrasSheetHidesAndLocksWhileHiddenAndLockedElementsCannotBeSelectedOrDeleted) {
  setTheme({{"a", label()}, {"b", label()}});
  const auto canvasView = canvas->getElementView("a");
  ASSERT_NE(canvasView, nullptr);

  tapButton("a~lockhide");
  ASSERT_NE(alert(), nullptr);
  EXPECT_EQ(alert()->title(), "Element Extras");
  EXPECT_EQ(alert()->message(), std::nullopt);
  EXPECT_EQ(alert()->preferredStyle(), AlertController::Style::actionSheet);
  EXPECT_EQ(actionTitles(), (std::vector<std::string>{"Lock Item", "Hide Item", "Rename Element", "Cancel"}));
  for (const auto& action : alert()->actions()) EXPECT_EQ(action.style, platform::ui::AlertAction::Style::normal);
  ASSERT_TRUE(alert()->chooseAction("Hide Item"));
  advance(0.3);
  EXPECT_EQ(canvas->hiddenElements, std::vector<std::string>{"a"});
  EXPECT_TRUE(canvasView->isHidden()) << "hidden at once, on the drawn canvas";
  EXPECT_EQ(canvas->getSelectedElement(), "none");

  tapButton("a~lockhide");
  ASSERT_TRUE(alert()->chooseAction("Lock Item"));
  advance(0.3);
  tapButton("a~lockhide");
  EXPECT_EQ(actionTitles(), (std::vector<std::string>{"Unlock Item", "Show Item", "Rename Element", "Cancel"}));
  ASSERT_TRUE(alert()->chooseAction("Cancel"));
  advance(0.3);

  // The select and trash buttons take no touches: the taps land on the row and do nothing.
  tap(*button("a"));
  tap(*button("a~remove"));
  EXPECT_EQ(alert(), nullptr);
  EXPECT_EQ(canvas->elementScrollView->superview(), menu) << "no inspector took the list's place";

  canvas->reloadTheme();
  EXPECT_TRUE(canvas->getElementView("a")->isHidden()) << "a rebuilt canvas keeps it hidden";

  const auto hiddenView = canvas->getElementView("a");
  tapButton("a~lockhide");
  ASSERT_TRUE(alert()->chooseAction("Show Item"));
  advance(0.3);
  EXPECT_EQ(canvas->getElementView("a"), hiddenView) << "shown again without a canvas rebuild";
  EXPECT_FALSE(hiddenView->isHidden());
  EXPECT_EQ(canvas->lockedElements, std::vector<std::string>{"a"});
  EXPECT_TRUE(canvas->hiddenElements.empty());
  tapButton("a~lockhide");
  ASSERT_TRUE(alert()->chooseAction("Unlock Item"));
  advance(0.3);
  EXPECT_TRUE(canvas->lockedElements.empty());
  EXPECT_TRUE(button("a")->isUserInteractionEnabled());
  EXPECT_EQ(button("a")->alpha(), 1);
}

TEST_F(ListActions, ATopLevelDuplicateIsACopyUnderTheTypedNameAddedToTheRootOrder) {
  setTheme({{"a", label()}, {"b", label()}}, Value{"a", "b"});

  tapButton("a~copy");
  EXPECT_EQ(alertMessage(), "Duplicate - Give element a new name.");
  EXPECT_EQ(actionTitles(), (std::vector<std::string>{"Cancel", "Duplicate"}));
  ASSERT_EQ(alert()->textFields().size(), 1U);
  EXPECT_EQ(alert()->textFields().front()->placeholder(), "Name");
  ASSERT_TRUE(alert()->chooseAction("Cancel"));
  EXPECT_EQ(children().size(), 2U);

  duplicate("a", "my copy");
  advance(0.3);
  ASSERT_TRUE(children().contains("my_copy"));
  EXPECT_EQ(children()["my_copy"], children()["a"]);
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], (Value{"a", "b", "my_copy"}));
  EXPECT_EQ(canvas->getSelectedElement(), "none");
  EXPECT_NE(canvas->getElementView("my_copy"), nullptr);
  EXPECT_NE(row("my_copy"), nullptr);
}

TEST_F(ListActions, DuplicateNamesAreCleanedAndABrokenNameRuleIsRefusedWithTheRenameTexts) {
  setTheme({{"a", label()}, {"box", container({{"inner", label()}})}});
  const Value before = canvas->creatorPreset;
  struct Case {
    const char* typed;
    const char* title;
    const char* message;
  };
  const Case cases[] = {
      {"", "Invalid Name", "Element name cannot be empty."},
      {"?!", "Invalid Name", "Element name cannot be empty."},
      {"box", "Name Already Exists", "An element named 'box' already exists. Please choose a different name."},
      {" inner!", "Name Already Exists", "An element named 'inner' already exists. Please choose a different name."},
      {"Frame", "Invalid Name", "Please use only letters, numbers, and underscores. Avoid reserved words."},
  };
  for (const Case& test : cases) {
    duplicate("a", test.typed);
    ASSERT_NE(alert(), nullptr) << test.typed;
    EXPECT_EQ(alert()->title(), test.title) << test.typed;
    EXPECT_EQ(alertMessage(), test.message) << test.typed;
    EXPECT_EQ(actionTitles(), std::vector<std::string>{"OK"});
    ASSERT_TRUE(alert()->chooseAction("OK"));
    EXPECT_EQ(canvas->creatorPreset, before) << test.typed;
  }

  duplicate("a", "a~copy, 2");
  advance(0.3);
  EXPECT_TRUE(children().contains("acopy_2")) << "stored under its cleaned name";
}

TEST_F(ListActions, ADuplicatedContainerGivesEveryCopiedChildAFreshNameAndItsChildOrdersFollow) {
  setTheme({{"box", container({{"a", label()}, {"inner", container({{"leaf", label()}}, "leaf")}}, "inner,a")},
            {"a_1", label()}});
  const Value source = children()["box"];

  duplicate("box", "box2");
  advance(0.3);

  const Value& copy = children()["box2"];
  EXPECT_EQ(withoutNames(copy), withoutNames(source));
  EXPECT_EQ(keys(copy["children"]), (std::vector<std::string>{"a_2", "inner_1"}));
  EXPECT_EQ(copy["childorder"], "inner_1,a_2");
  EXPECT_EQ(copy["children"]["a_2"], source["children"]["a"]);
  const Value& inner = copy["children"]["inner_1"];
  EXPECT_EQ(withoutNames(inner), withoutNames(source["children"]["inner"]));
  EXPECT_EQ(keys(inner["children"]), std::vector<std::string>{"leaf_1"});
  EXPECT_EQ(inner["childorder"], "leaf_1");
  EXPECT_EQ(children()["box"], source) << "the source is untouched";
  EXPECT_EQ(canvas->getSelectedElement(), "none");
  for (const char* name : {"box2", "a_2", "inner_1", "leaf_1", "a", "inner", "leaf"}) {
    EXPECT_NE(canvas->getElementView(name), nullptr) << name;
  }
}

TEST_F(ListActions, ADuplicateInsideAContainerJoinsItsParentsChildOrderAndEverySiblingStaysDrawn) {
  struct Case {
    const char* childorder;
    const char* expected;
  };
  // "none" draws every child: the new order keeps them all, in the order they were drawn.
  const Case cases[] = {{"none", "b,a,c"}, {"b,a", "b,a,c"}};
  for (const Case& test : cases) {
    setTheme({{"box", container({{"a", label()}, {"b", label()}}, test.childorder)}});
    expand("box");
    duplicate("a", "c");
    const Value& box = children()["box"];
    EXPECT_EQ(box["childorder"], test.expected) << test.childorder;
    EXPECT_EQ(box["children"]["c"], box["children"]["a"]);
    EXPECT_EQ(children().size(), 1U) << "the copy stays beside its source";
    for (const char* name : {"a", "b", "c"}) EXPECT_NE(canvas->getElementView(name), nullptr) << name;
  }
}

TEST_F(ListActions, DuplicatingElementsNamedLikeStyleKeysCorruptsNoStyleKey) {
  Value shadowed = label();
  shadowed["textShadow"] = {{"color", "rgba(0, 0, 0, 1.00)"}, {"radius", "2"}};
  Value frame = container({{"textShadow", shadowed}}, "textShadow");
  frame["textShadow"] = shadowed["textShadow"];
  setTheme({{"frame", frame}});
  const Value source = children()["frame"];

  duplicate("frame", "copy");
  advance(0.3);

  const Value& copy = children()["copy"];
  EXPECT_EQ(withoutNames(copy), withoutNames(source));
  EXPECT_EQ(copy["frame"], source["frame"]);
  EXPECT_EQ(copy["textShadow"], shadowed["textShadow"]);
  EXPECT_EQ(keys(copy["children"]), std::vector<std::string>{"textShadow_1"});
  EXPECT_EQ(copy["children"]["textShadow_1"], source["children"]["textShadow"]);
  EXPECT_EQ(copy["childorder"], "textShadow_1");
  EXPECT_EQ(children()["frame"], source);
}

TEST_F(ListActions, TheJumpToPickerListsEveryElementSortedAndPickingOneSelectsItAndOpensItsInspector) {
  canvas->mainView = View::make({0, 0, 375, 812});
  window->addSubview(canvas->mainView);
  setTheme({{"Zeta", label()}, {"alpha", label()}, {"box", container({{"Beta", label()}})}});

  const auto allElements = canvas->elementStackView->viewWithTag(555);
  ASSERT_NE(allElements, nullptr);
  tap(*allElements);
  const auto picker = canvas->jumpToPicker;
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->superview(), canvas->mainView);
  EXPECT_EQ(picker->frame(), canvas->mainView->bounds());
  EXPECT_EQ(picker->optionsDict["0"], (Value{"alpha", "Beta", "box", "Zeta"}));
  EXPECT_EQ(picker->optionsDict["customHeight"], "712.000000");

  std::shared_ptr<View> beta;
  for (const auto& candidate : picker->scrollview->subviews()) {
    if (candidate->layer()->name() == "Beta") beta = candidate;
  }
  ASSERT_NE(beta, nullptr);
  window->layoutIfNeeded();
  platform::ui::TouchInjector(window).tap(*beta->convertPointToView({20, 20}, window.get()));
  advance(0.3);
  EXPECT_EQ(canvas->getSelectedElement(), "Beta");
  EXPECT_EQ(hintLabel->text(), "Beta");
  EXPECT_EQ(picker->superview(), nullptr);
  EXPECT_EQ(canvas->elementScrollView->superview(), nullptr) << "the inspector takes the list's place";
}

TEST_F(ListActions, ScrollingToANamedRowCentresItWithinTheContentAndAnUnknownNameMovesNothing) {
  const auto panel = platform::ui::ScrollView::make({0, 0, 300, 200});
  panel->setContentSize({300, 1000});
  for (int index = 0; index < 3; ++index) {
    const auto row = View::make({0, 40.0 * index, 300, 40});
    row->layer()->setName("row" + std::to_string(index));
    panel->addSubview(row);
  }
  const auto group = View::make({0, 500, 300, 460});
  const auto field = View::make({0, 20, 300, 40});
  field->layer()->setName("title~font");
  group->addSubview(field);
  const auto last = View::make({0, 420, 300, 40});
  last->layer()->setName("last");
  group->addSubview(last);
  panel->addSubview(group);

  struct Case {
    const char* name;
    double offset;
  };
  const Case cases[] = {{"font", 440}, {"row1", 0}, {"title", 440}, {"last", 800}, {"tit", 800}, {"", 800}};
  for (const Case& test : cases) {
    canvas->scrollToElementWithName(test.name, *panel);
    advance(0.7);
    EXPECT_DOUBLE_EQ(panel->contentOffset().y, test.offset) << test.name;
  }
}

}  // namespace
}  // namespace vantile::testing
