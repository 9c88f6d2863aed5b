#include "inspector/naming/ElementRenameManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/controls/AlertController.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::ui::AlertAction;
using platform::ui::AlertController;

// Stands for the editor: holds the document, the selection and what it was told.
class EditorStandIn final : public ElementRenameManagerDelegate {
 public:
  bool implements(Operation) const override { return true; }
  const Value* getCurrentPreset() const override { return preset ? &*preset : nullptr; }
  void updatePreset(Value updated) override {
    preset = std::move(updated);
    ++updates;
  }
  std::string getSelectedElement() const override { return selected; }
  void setSelectedElement(std::string name) override { selected = std::move(name); }
  void elementDidRename(const std::string& oldName, const std::string& newName) override {
    renames.emplace_back(oldName, newName);
  }
  std::shared_ptr<platform::ui::ViewController> topViewController() const override { return presenter; }

  std::optional<Value> preset;
  std::string selected = "none";
  int updates = 0;
  std::vector<std::pair<std::string, std::string>> renames;
  std::shared_ptr<platform::ui::ViewController> presenter;
};

Value label() { return {{"type", "UILabel"}, {"frame", {{"x", "1"}, {"y", "2"}, {"width", "3"}, {"height", "4"}}}}; }

class ElementRenaming : public ::testing::Test {
 protected:
  ElementRenaming() {
    window->setRootViewController(platform::ui::ViewController::make());
    window->makeKeyAndVisible();
    editor->presenter = window->rootViewController();
    editor->preset = Value{{"PresetView",
                            {{"order", {"clock", "box", "date"}},
                             {"children",
                              {{"clock", label()},
                               {"box",
                                {{"type", "UIView"},
                                 {"childorder", "inner,label"},
                                 {"children", {{"inner", {{"type", "UIView"}, {"childorder", "none"},
                                                          {"children", {{"deep", label()}}}}},
                                               {"label", label()}}}}},
                               {"date", label()}}}}}};
    manager.setDelegate(editor);
  }
  ~ElementRenaming() override { manager.setDelegate(nullptr); }

  Value& children() { return (*editor->preset)["PresetView"]["children"]; }
  static std::shared_ptr<AlertController> alert() { return AlertController::shownInKeyWindow(); }
  // Opens the rename alert for the element, types into its field and accepts it.
  void renameThroughAlert(const std::string& name, const std::string& typed) {
    manager.showRenameAlertForElement(name);
    const auto prompt = alert();
    ASSERT_NE(prompt, nullptr);
    prompt->textFields().front()->setText(typed);
    ASSERT_TRUE(prompt->chooseAction("Rename"));
  }
  static std::vector<std::string> keys(const Value& map) {
    std::vector<std::string> names;
    for (const auto& entry : map.items()) names.push_back(entry.key());
    return names;
  }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot root;
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make({0, 0, 375, 812});
  std::shared_ptr<EditorStandIn> editor = std::make_shared<EditorStandIn>();
  ElementRenameManager& manager = ElementRenameManager::sharedInstance();
};

TEST_F(ElementRenaming, TheAlertIsPrefilledWithTheNameAndCancelChangesNothing) {
  const Value before = *editor->preset;
  manager.showRenameAlertForElement("clock");
  const auto prompt = alert();
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(prompt->title(), "Rename Element");
  EXPECT_EQ(prompt->message(), "Enter new name for 'clock'");
  EXPECT_EQ(prompt->preferredStyle(), AlertController::Style::alert);
  ASSERT_EQ(prompt->textFields().size(), 1U);
  EXPECT_EQ(prompt->textFields().front()->text(), "clock");
  EXPECT_EQ(prompt->textFields().front()->placeholder(), "Element name");
  EXPECT_EQ(prompt->textFields().front()->autocorrectionType(), platform::ui::TextField::AutocorrectionType::no);
  EXPECT_EQ(prompt->textFields().front()->autocapitalizationType(),
            platform::ui::TextField::AutocapitalizationType::none);
  ASSERT_EQ(prompt->actions().size(), 2U);
  EXPECT_EQ(prompt->actions()[0].title, "Cancel");
  EXPECT_EQ(prompt->actions()[0].style, AlertAction::Style::cancel);
  EXPECT_EQ(prompt->actions()[1].title, "Rename");
  EXPECT_EQ(prompt->actions()[1].style, AlertAction::Style::normal);
  ASSERT_TRUE(prompt->chooseAction("Cancel"));
  EXPECT_EQ(alert(), nullptr);
  EXPECT_EQ(*editor->preset, before);
}

TEST_F(ElementRenaming, TypedNamesAreCleanedThenRefusedWithTheAlertOfTheRuleTheyBreak) {
  const std::string exists = "Name Already Exists";
  const std::string invalid = "Invalid Name";
  const std::string rules = "Please use only letters, numbers, and underscores. Avoid reserved words.";
  const struct {
    std::string typed;
    std::string title;
    std::string message;
  } cases[] = {
      {"clock", exists, "An element named 'clock' already exists. Please choose a different name."},
      {" deep ", exists, "An element named 'deep' already exists. Please choose a different name."},
      {"!-?", invalid, "Element name cannot be empty."},
      {"   ", invalid, "Element name cannot be empty."},
      {"ChildOrder", invalid, rules},
      {"NONE", invalid, rules},
      {std::string(101, 'a'), invalid, rules},
  };
  const Value before = *editor->preset;
  for (const auto& testCase : cases) {
    renameThroughAlert("clock", testCase.typed);
    const auto refusal = alert();
    ASSERT_NE(refusal, nullptr) << testCase.typed;
    EXPECT_EQ(refusal->title(), testCase.title) << testCase.typed;
    EXPECT_EQ(refusal->message(), testCase.message) << testCase.typed;
    ASSERT_EQ(refusal->actions().size(), 1U);
    EXPECT_EQ(refusal->actions()[0].title, "OK");
    ASSERT_TRUE(refusal->chooseAction("OK"));
    EXPECT_EQ(alert(), nullptr) << "the rename alert is not shown again";
    EXPECT_EQ(*editor->preset, before) << testCase.typed;
  }
  EXPECT_EQ(editor->updates, 0);
}

TEST_F(ElementRenaming, AcceptedNamesAreStoredCleaned) {
  const struct {
    std::string typed;
    std::string stored;
  } cases[] = {
      // Names differing only in case do not conflict.
      {"Clock", "Clock"},
      {"big clock", "big_clock"},
      {"my-date!", "mydate"},
      {"frame1", "frame1"},
      {std::string(100, 'b'), std::string(100, 'b')},
  };
  std::string current = "clock";
  for (const auto& testCase : cases) {
    renameThroughAlert(current, testCase.typed);
    EXPECT_EQ(alert(), nullptr) << testCase.typed;
    EXPECT_TRUE(children().contains(testCase.stored)) << testCase.typed;
    EXPECT_FALSE(children().contains(current)) << testCase.typed;
    current = testCase.stored;
  }
}

TEST_F(ElementRenaming, ANameCheckedButNotFoundInTheThemeReportsTheFailedRename) {
  renameThroughAlert("ghost", "fresh");
  ASSERT_NE(alert(), nullptr);
  EXPECT_EQ(alert()->title(), "Rename Failed");
  EXPECT_EQ(alert()->message(), "Failed to rename element. Please try again.");
  EXPECT_EQ(editor->updates, 0);
}

TEST_F(ElementRenaming, RefusedDirectRenamesReturnFalseShowNothingAndKeepTheTheme) {
  const Value before = *editor->preset;
  const std::pair<std::string, std::string> refused[] = {
      {"clock", "a,b"},   {"clock", "a~b"}, {"clock", ""},      {"", "fresh"},  {"clock", "clock"},
      {"clock", "date"},  {"clock", "deep"}, {"clock", "frame"}, {"clock", " padded"},
      {"ghost", "fresh"},
  };
  for (const auto& [oldName, newName] : refused) {
    EXPECT_FALSE(manager.renameElement(oldName, newName)) << oldName << " → " << newName;
  }
  EXPECT_EQ(alert(), nullptr);
  EXPECT_EQ(*editor->preset, before);
  EXPECT_EQ(editor->updates, 0);
  EXPECT_TRUE(editor->renames.empty());

  for (Value document : {Value(), Value{{"PresetView", Value::object()}}, Value{{"PresetView", {{"children", "x"}}}}}) {
    editor->preset = document;
    EXPECT_FALSE(manager.renameElement("clock", "fresh")) << document.dump();
  }
  editor->preset.reset();
  EXPECT_FALSE(manager.renameElement("clock", "fresh"));
  EXPECT_TRUE(manager.getConflictingNames("clock").empty());
}

TEST_F(ElementRenaming, WithoutADelegateNothingIsShownOrRenamed) {
  manager.setDelegate(nullptr);
  manager.showRenameAlertForElement("clock");
  manager.showErrorAlert("Invalid Name", "Element name cannot be empty.");
  EXPECT_EQ(alert(), nullptr);
  EXPECT_FALSE(manager.renameElement("clock", "fresh"));
  EXPECT_TRUE(manager.getConflictingNames("clock").empty());
}

TEST_F(ElementRenaming, ATopLevelRenameKeepsItsPlaceInTheRootOrderAndInItsDictionary) {
  ASSERT_TRUE(manager.renameElement("box", "panel"));
  EXPECT_EQ((*editor->preset)["PresetView"]["order"], (Value{"clock", "panel", "date"}));
  EXPECT_EQ(keys(children()), (std::vector<std::string>{"clock", "panel", "date"}));
  EXPECT_EQ(children()["panel"]["childorder"], "inner,label");
  EXPECT_TRUE(children()["panel"]["children"]["inner"]["children"].contains("deep"));
  EXPECT_EQ(editor->renames, (std::vector<std::pair<std::string, std::string>>{{"box", "panel"}}));
  EXPECT_EQ(editor->updates, 1);
}

TEST_F(ElementRenaming, NestedRenamesRewriteOnlyTheirContainersChildOrder) {
  ASSERT_TRUE(manager.renameElement("inner", "group"));
  const Value box = children()["box"];
  EXPECT_EQ(box["childorder"], "group,label");
  EXPECT_EQ(keys(box["children"]), (std::vector<std::string>{"group", "label"}));
  EXPECT_EQ(box["children"]["group"]["childorder"], "none");

  ASSERT_TRUE(manager.renameElement("deep", "leaf"));
  const Value group = children()["box"]["children"]["group"];
  EXPECT_EQ(group["childorder"], "none");
  EXPECT_TRUE(group["children"].contains("leaf"));
  EXPECT_EQ((*editor->preset)["PresetView"]["order"], (Value{"clock", "box", "date"}));
}

TEST_F(ElementRenaming, TheSelectionFollowsOnlyTheRenamedElement) {
  editor->selected = "clock";
  ASSERT_TRUE(manager.renameElement("clock", "dial"));
  EXPECT_EQ(editor->selected, "dial");
  editor->selected = "date";
  ASSERT_TRUE(manager.renameElement("dial", "watch"));
  EXPECT_EQ(editor->selected, "date");
}

TEST_F(ElementRenaming, ElementsNamedLikeStyleKeysAreRenamedWithoutTouchingAnyStyle) {
  // Themes written by hand may use names the rules now refuse.
  children()["frame"] = label();
  children()["textShadow"] = Value{{"type", "UILabel"}, {"textShadow", "frame"}, {"frame", label()["frame"]}};
  (*editor->preset)["PresetView"]["order"].push_back("frame");
  const Value before = *editor->preset;

  ASSERT_TRUE(manager.renameElement("frame", "outline"));
  ASSERT_TRUE(manager.renameElement("textShadow", "glow"));
  EXPECT_EQ(children()["outline"], before["PresetView"]["children"]["frame"]);
  EXPECT_EQ(children()["glow"], before["PresetView"]["children"]["textShadow"]);
  EXPECT_EQ(children()["clock"], before["PresetView"]["children"]["clock"]);
  EXPECT_EQ(children()["box"], before["PresetView"]["children"]["box"]);
  EXPECT_EQ((*editor->preset)["PresetView"]["order"], (Value{"clock", "box", "date", "outline"}));
}

TEST_F(ElementRenaming, ReferencesInOtherElementsFollowTheRename) {
  children()["date"]["followWidthItem"] = "clock";
  children()["box"]["children"]["label"]["animation"] = Value{{"clock", "x:0,trigger:date"}, {"date", "trigger:clock"}};
  ASSERT_TRUE(manager.renameElement("clock", "dial"));
  EXPECT_EQ(children()["date"]["followWidthItem"], "dial");
  EXPECT_EQ(children()["box"]["children"]["label"]["animation"],
            (Value{{"dial", "x:0,trigger:date"}, {"date", "trigger:dial"}}));
}

TEST_F(ElementRenaming, TheRenameWalkRefusesANameAlreadyInTheTheme) {
  EXPECT_EQ(ElementRenameManager::performRename("clock", "deep", *editor->preset), std::nullopt);
  EXPECT_EQ(ElementRenameManager::performRename("ghost", "fresh", *editor->preset), std::nullopt);
  const auto renamed = ElementRenameManager::performRename("clock", "fresh", *editor->preset);
  ASSERT_TRUE(renamed);
  EXPECT_TRUE((*renamed)["PresetView"]["children"].contains("fresh"));
  EXPECT_TRUE(children().contains("clock")) << "the document handed in is unchanged";
}

}  // namespace
}  // namespace vantile::testing
