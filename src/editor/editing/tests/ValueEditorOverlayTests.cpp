#include <gtest/gtest.h>

#include <memory>

#include "editor/editing/tests/EditingFixture.h"
#include "inspector/valueeditor/CreatorTextFieldView.h"
#include "platform/ui/input/TextField.h"

namespace vantile::testing {
namespace {

class ValueEditorOverlay : public EditingTest {
 protected:
  // Begins editing an inspector field of the selected "Clock" and gives the panel it opened.
  std::shared_ptr<CreatorTextFieldView> beginEditing(const std::string& address, const std::string& text) {
    canvas->setSelectedElement("Clock");
    field = canvas->createElementOptionTextFieldWithFrame({0, 0, 100, 30}, text, address, "");
    canvas->textFieldDidBeginEditing(*field);
    return std::dynamic_pointer_cast<CreatorTextFieldView>(canvas->fieldView);
  }

  std::shared_ptr<platform::ui::TextField> field;
};

TEST_F(ValueEditorOverlay, EditingAFieldOpensThePanelWithTheEditorsSuggestions) {
  const auto panel = beginEditing("frame~x", "10");
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->superview(), canvas->mainView);
  EXPECT_EQ(panel->textFieldView->text(), "10");
  EXPECT_EQ(panel->frame().size, (platform::graphics::Size{375, 175}));

  const auto data = beginEditing("data", "none");
  ASSERT_TRUE(data);
  EXPECT_EQ(panel->superview(), nullptr);
  EXPECT_EQ(data->getCreatorDataMethods(), CreatorView::getCreatorDataMethods());
  EXPECT_FALSE(data->getCreatorDataMethods().empty());
}

TEST_F(ValueEditorOverlay, ReturnInThePanelCommitsTheTextToTheElement) {
  const auto panel = beginEditing("frame~x", "10");
  ASSERT_TRUE(panel);
  panel->textFieldView->setText("center");
  panel->textFieldShouldReturn(*panel->textFieldView);
  EXPECT_EQ(field->text(), "center");
  EXPECT_EQ(element("Clock")["frame"]["x"], "center");
  EXPECT_EQ(element("Clock")["frame"]["width"], "100");
  EXPECT_EQ(panel->superview(), nullptr);
}

TEST_F(ValueEditorOverlay, ClosingThePanelWritesNothing) {
  const auto before = canvas->creatorPreset;
  const auto panel = beginEditing("fontSize", "12");
  ASSERT_TRUE(panel);
  panel->textFieldView->setText("40");
  panel->close();
  EXPECT_EQ(canvas->creatorPreset, before);
  EXPECT_EQ(field->text(), "12");
}

}  // namespace
}  // namespace vantile::testing
