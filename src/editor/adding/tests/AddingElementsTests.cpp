#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/adding/tests/AddingFixture.h"
#include "editor/files/ThemeBackup.h"
#include "engine/ElementTemplateFactory.h"
#include "engine/helpers/UserFileNames.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/ui/input/TextField.h"

namespace vantile::testing {
namespace {

using platform::Value;

Value parsed(const std::string& text) { return platform::foundation::parseValue(text).value(); }

// A group whose inner label is named like the theme's "Clock".
constexpr const char* kPillTemplate = R"({"type": "UIView", "childorder": "Clock,Dot",
  "frame": {"x": "5", "y": "6", "width": "80", "height": "20"}, "children": {
    "Clock": {"type": "UILabel", "text": "inner", "frame": {"x": "0", "y": "0", "width": "40", "height": "20"}},
    "Dot": {"type": "UIView", "frame": {"x": "50", "y": "0", "width": "10", "height": "10"}}}})";

class AddingElements : public AddingTest {
 protected:
  // The theme as the canvas keeps it once drawn: every element completed over its type.
  AddingElements() { canvas->reloadTheme(); }

  std::vector<std::string> childNames(const std::string& name) const {
    std::vector<std::string> names;
    const Value found = element(name);
    for (const auto& [key, child] : found["children"].items()) names.push_back(key);
    return names;
  }

  // The name prompt for the type, answered with "Apply" after typing.
  void addByPrompt(const std::string& type, const std::string& typed) {
    canvas->alertToGetNameString(type);
    const auto prompt = shownAlert();
    ASSERT_NE(prompt, nullptr);
    ASSERT_EQ(prompt->textFields().size(), 1U);
    prompt->textFields().front()->setText(typed);
    ASSERT_TRUE(prompt->chooseAction("Apply"));
  }
};

TEST_F(AddingElements, NamesTakenAnywhereInTheThemeAreNumbered) {
  const Value clock = element("Clock");
  EXPECT_EQ(canvas->addElementToCreatorPreset("UILabel", "Clock", "Box"), "Clock_1");
  EXPECT_EQ(canvas->addElementToCreatorPreset("UILabel", "Clock", "Box"), "Clock_2");
  EXPECT_EQ(canvas->addElementToCreatorPreset("UILabel", "Fresh", "Box"), "Fresh");
  EXPECT_EQ(element("Box")["childorder"], "Inner,Deep,Clock_1,Clock_2,Fresh");
  EXPECT_EQ(element("Clock"), clock);
  EXPECT_EQ(canvas->getSelectedElement(), "none");
  EXPECT_TRUE(canvas->creatorTags.contains("Clock_2")) << "the canvas is drawn again";
}

TEST_F(AddingElements, ThePromptReplacesSpacesAndRefusesEmptyTakenAndHostileNames) {
  canvas->alertToGetNameString("UILabel");
  const auto prompt = shownAlert();
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(prompt->title(), "Vantile");
  EXPECT_EQ(prompt->message(), "Enter name for this element");
  ASSERT_EQ(prompt->actions().size(), 2U);
  EXPECT_EQ(prompt->actions()[0].title, "Cancel");
  EXPECT_EQ(prompt->actions()[1].title, "Apply");
  EXPECT_EQ(prompt->textFields().front()->placeholder(), "key");
  prompt->chooseAction("Cancel");

  struct Case {
    std::string typed;
    std::string alert;
  };
  const std::vector<Case> refused = {
      {"", "You must enter a name. Try again."},
      {"Clock", "OH NO! This name already exists, please use another name."},
      {"Leaf", "OH NO! This name already exists, please use another name."},
      {"a/b", std::string(kUserFileNameRule)},
      {"..", std::string(kUserFileNameRule)},
  };
  for (const Case& c : refused) {
    addByPrompt("UILabel", c.typed);
    EXPECT_EQ(alertMessage(), c.alert) << c.typed;
    closeAlert("OK");
  }
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], parsed(R"(["Clock", "Box", "Plain"])"));
  const Value before = canvas->creatorPreset;
  for (const Case& c : refused) {
    addByPrompt("UILabel", c.typed);
    closeAlert("OK");
  }
  EXPECT_EQ(canvas->creatorPreset, before);

  addByPrompt("UILabel", "my label");
  EXPECT_EQ(shownAlert(), nullptr);
  EXPECT_EQ(element("my_label")["type"], "UILabel");
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], parsed(R"(["Clock", "Box", "Plain", "my_label"])"));
  const auto backup = ThemeBackup::stored();
  ASSERT_TRUE(backup);
  EXPECT_EQ(backup->document, canvas->creatorPreset);
}

TEST_F(AddingElements, ATemplateChildClashingWithTheThemeIsRenamedWithItsChildOrder) {
  writeTemplate("Pill", kPillTemplate);
  const Value clock = element("Clock");
  ASSERT_EQ(canvas->addElementToCreatorPreset("Pill", "Pill"), "Pill");
  EXPECT_EQ(childNames("Pill"), (std::vector<std::string>{"Clock_1", "Dot"}));
  EXPECT_EQ(element("Pill")["childorder"], "Clock_1,Dot");
  EXPECT_EQ(element("Clock_1")["text"], "inner");
  EXPECT_EQ(element("Pill")["frame"], parsed(kPillTemplate)["frame"]) << "at the top level the frame stays";
  EXPECT_EQ(element("Clock"), clock);

  ASSERT_EQ(canvas->addElementToCreatorPreset("Pill", "Pill", "Plain"), "Pill_1");
  EXPECT_EQ(childNames("Pill_1"), (std::vector<std::string>{"Clock_2", "Dot_1"}));
  EXPECT_EQ(element("Pill_1")["childorder"], "Clock_2,Dot_1");
  EXPECT_EQ(element("Pill_1")["frame"], parsed(R"({"x": "0", "y": "0", "width": "80", "height": "20"})"));
  EXPECT_EQ(element("Plain")["childorder"], "Pill_1");
}

TEST_F(AddingElements, ElementsNamedLikeStyleKeysCorruptNoStyleKey) {
  writeTemplate("Styled", R"json({"type": "UIView", "childorder": "frame,textShadow",
    "frame": {"x": "1", "y": "2", "width": "30", "height": "40"}, "children": {
      "frame": {"type": "UILabel", "frame": {"x": "0", "y": "0", "width": "5", "height": "5"}},
      "textShadow": {"type": "UILabel", "textShadow": {"x": "1", "y": "1", "radius": "2", "color": "rgba(1,1,1,1)"}}}})json");
  Value before = Value::object();
  for (const char* name : {"Clock", "Box", "Inner", "Deep", "Leaf", "Plain", "Solo"}) before[name] = element(name);
  ASSERT_EQ(canvas->addElementToCreatorPreset("UILabel", "frame", "Box"), "frame");
  ASSERT_EQ(canvas->addElementToCreatorPreset("UILabel", "textShadow"), "textShadow");
  ASSERT_EQ(canvas->addElementToCreatorPreset("Styled", "Styled"), "Styled");

  const Value styled = element("Styled");
  EXPECT_EQ(styled["childorder"], "frame_1,textShadow_1");
  EXPECT_EQ(styled["frame"], parsed(R"({"x": "1", "y": "2", "width": "30", "height": "40"})"));
  EXPECT_EQ(styled["children"]["frame_1"]["frame"], parsed(R"({"x": "0", "y": "0", "width": "5", "height": "5"})"));
  EXPECT_TRUE(styled["children"]["textShadow_1"]["textShadow"].is_object());
  for (const char* name : {"Clock", "Box", "Inner", "Deep", "Leaf", "Plain", "Solo"}) {
    Value unchanged = element(name);
    if (std::string(name) == "Box") {
      unchanged["children"].erase("frame");
      unchanged["childorder"] = "Inner,Deep";
    }
    EXPECT_EQ(unchanged, before[name]) << name;
  }
  Value labelFrame = ElementTemplateFactory::sharedInstance().UILabel()["frame"];
  EXPECT_EQ(element("textShadow")["frame"], labelFrame);
  labelFrame["x"] = "0";
  labelFrame["y"] = "0";
  EXPECT_EQ(element("frame")["frame"], labelFrame);
}

TEST_F(AddingElements, TheTemplatesFolderComesBeforeTheBundleAndTheEngineBeforeBoth) {
  const auto textOf = [](const char* text) { return std::string(R"({"type": "UILabel", "text": ")") + text + "\"}"; };
  writeBundledTemplate("Note", textOf("bundle"));
  ASSERT_TRUE(canvas->addElementToCreatorPreset("Note", "FromBundle"));
  EXPECT_EQ(element("FromBundle")["text"], "bundle");

  writeTemplate("Note", textOf("folder"));
  ASSERT_TRUE(canvas->addElementToCreatorPreset("Note", "FromFolder"));
  EXPECT_EQ(element("FromFolder")["text"], "folder");

  // A broken folder file leaves the bundle's template.
  writeTemplate("Note", "{not json");
  ASSERT_TRUE(canvas->addElementToCreatorPreset("Note", "Fallback"));
  EXPECT_EQ(element("Fallback")["text"], "bundle");

  writeTemplate("UILabel", textOf("folder"));
  ASSERT_TRUE(canvas->addElementToCreatorPreset("UILabel", "Basic"));
  EXPECT_EQ(element("Basic")["text"], ElementTemplateFactory::sharedInstance().UILabel()["text"]);
}

TEST_F(AddingElements, AFailedInsertionChangesNothingAndSaysSo) {
  writeTemplate("Broken", "{not json");
  writeTemplate("List", "[1, 2]");
  const Value before = canvas->creatorPreset;
  struct Case {
    const char* type;
    const char* alert;
  };
  const Case cases[] = {{"Nope", R"("Nope" could not be added.)"},
                        {"Broken", R"("Broken" could not be added.)"},
                        {"List", R"("List" could not be added.)"}};
  for (const Case& c : cases) {
    EXPECT_EQ(canvas->addElementToCreatorPreset(c.type, "New"), std::nullopt) << c.type;
    EXPECT_EQ(alertMessage(), c.alert);
    closeAlert("OK");
    EXPECT_EQ(canvas->addElementToCreatorPreset(c.type, "New", "Box"), std::nullopt) << c.type;
    EXPECT_EQ(alertMessage(), c.alert);
    closeAlert("OK");
  }
  EXPECT_EQ(canvas->creatorPreset, before);
}

TEST_F(AddingElements, ABulkResultAddsParentsBeforeChildrenUnderTheNamesTheyGot) {
  const Value bulk = parsed(R"([
    {"elementType": "UIView", "elementName": "Clock", "children": [
      {"elementType": "UILabel", "elementName": "Leaf"},
      {"elementType": "Nope", "elementName": "Lost", "children": [{"elementType": "UILabel", "elementName": "Orphan"}]},
      {"elementType": "UIView", "elementName": "Group", "children": [
        {"elementType": "UILabel", "elementName": "Deep"}]}]},
    {"elementName": "Untyped"},
    {"elementType": "UIView", "elementName": "a/b", "children": [{"elementType": "UILabel", "elementName": "Below"}]}])");
  canvas->bulkElementCreatorDidFinish(bulk);
  closeAlert("OK");

  EXPECT_EQ(childNames("Clock_1"), (std::vector<std::string>{"Leaf_1", "Group"}));
  EXPECT_EQ(element("Clock_1")["childorder"], "Leaf_1,Group");
  EXPECT_EQ(childNames("Group"), std::vector<std::string>{"Deep_1"});
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], parsed(R"(["Clock", "Box", "Plain", "Clock_1"])"));
  for (const char* missing : {"Lost", "Orphan", "Untyped", "a/b", "Below"}) {
    EXPECT_FALSE(canvas->dictHelpers.findElementInDictionary(missing)) << missing;
  }
  EXPECT_EQ(canvas->getSelectedElement(), "Deep_1");
  EXPECT_EQ(canvas->lastCreatedElement, "Deep_1");
  const auto backup = ThemeBackup::stored();
  ASSERT_TRUE(backup);
  EXPECT_EQ(backup->document, canvas->creatorPreset);
  EXPECT_TRUE(canvas->creatorTags.contains("Deep_1"));
}

TEST_F(AddingElements, ABulkResultThatAddsNothingLeavesTheSelectionAlone) {
  canvas->bulkElementCreatorDidFinish(parsed(R"([{"elementType": "UILabel", "elementName": "Once"}])"));
  EXPECT_EQ(canvas->getSelectedElement(), "Once");
  canvas->setSelectedElement("Clock");
  canvas->bulkElementCreatorDidFinish(parsed("[]"));
  EXPECT_EQ(canvas->lastCreatedElement, std::nullopt);
  EXPECT_EQ(canvas->getSelectedElement(), "Clock");
}

TEST_F(AddingElements, AddingWithOptionsStoresOnlyTheDescription) {
  const Value order = canvas->creatorPreset["PresetView"]["order"];
  const Value copy = label("copy");
  canvas->addElementToCreatorWithOptions(copy, "Copy");
  EXPECT_EQ(rootChildren()["Copy"], copy);
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], order);
  EXPECT_FALSE(canvas->creatorTags.contains("Copy")) << "nothing is drawn yet";
}

}  // namespace
}  // namespace vantile::testing
