#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/elementlist/tests/ElementListFixture.h"
#include "platform/ui/input/TextField.h"

namespace vantile::testing {
namespace {

using platform::Value;

// A drawn theme with its element list, renamed through the list's extras sheet.
class CanvasRename : public ElementListTest {
 protected:
  // The extras sheet of the element's row, "Rename Element", the typed name, "Rename".
  void rename(const std::string& name, const std::string& typed) {
    tapButton(name + "~lockhide");
    ASSERT_NE(alert(), nullptr);
    ASSERT_TRUE(alert()->chooseAction("Rename Element"));
    const auto prompt = alert();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->title(), "Rename Element");
    ASSERT_EQ(prompt->textFields().size(), 1U);
    EXPECT_EQ(prompt->textFields().front()->text(), name);
    prompt->textFields().front()->setText(typed);
    ASSERT_TRUE(prompt->chooseAction("Rename"));
    advance(0.3);
  }
};

TEST_F(CanvasRename, RenamingFromTheExtrasSheetShowsTheNewNameInTheThemeTheCanvasAndTheList) {
  setTheme({{"a", label()}, {"b", label()}}, Value{"a", "b"});
  const Value element = root()["children"]["a"];

  rename("a", "big clock");

  EXPECT_EQ(alert(), nullptr);
  EXPECT_FALSE(root()["children"].contains("a"));
  EXPECT_EQ(root()["children"]["big_clock"], element);
  EXPECT_EQ(root()["order"], (Value{"big_clock", "b"}));
  EXPECT_EQ(canvas->getSelectedElement(), "big_clock");
  EXPECT_NE(canvas->getElementView("big_clock"), nullptr);
  EXPECT_NE(button("big_clock~remove"), nullptr);
  EXPECT_EQ(button("a~remove"), nullptr);
}

TEST_F(CanvasRename, TheLockHideAndExpansionMarksFollowTheNewName) {
  Value box{{"type", "UIView"},
            {"frame", {{"x", "0"}, {"y", "0"}, {"width", "200"}, {"height", "100"}}},
            {"childorder", "inner"},
            {"children", {{"inner", label()}}}};
  setTheme({{"box", box}, {"b", label()}}, Value{"box", "b"});
  canvas->hiddenElements = {"b", "box"};
  canvas->lockedElements = {"box"};
  canvas->openedStackElements = {"box"};
  canvas->reloadTheme();
  canvas->reloadScrollview();
  advance(0.3);

  rename("box", "panel");

  EXPECT_EQ(canvas->hiddenElements, (std::vector<std::string>{"b", "panel"}));
  EXPECT_EQ(canvas->lockedElements, std::vector<std::string>{"panel"});
  EXPECT_EQ(canvas->openedStackElements, std::vector<std::string>{"panel"});
  ASSERT_NE(canvas->getElementView("panel"), nullptr);
  EXPECT_TRUE(canvas->getElementView("panel")->isHidden()) << "still hidden on the redrawn canvas";
  EXPECT_EQ(root()["children"]["panel"]["childorder"], "inner");
}

}  // namespace
}  // namespace vantile::testing
