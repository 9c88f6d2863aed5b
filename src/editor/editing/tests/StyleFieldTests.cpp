#include <gtest/gtest.h>

#include <string>

#include "editor/editing/tests/EditingFixture.h"
#include "editor/elementlist/ElementRowViews.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/text/Label.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Rect;
using platform::ui::TextField;

class StyleFields : public EditingTest {
 protected:
  StyleFields() { canvas->setSelectedElement("Clock"); }

  // The field as the inspector makes it, committed by the keyboard's return key.
  bool typeAndReturn(const std::string& address, const std::string& text) {
    const auto field = canvas->createElementOptionTextFieldWithFrame({0, 0, 100, 30}, "", address, "");
    field->setText(text);
    const auto delegate = field->delegate();
    EXPECT_TRUE(delegate && delegate->implements(platform::ui::TextFieldDelegate::Operation::textFieldShouldReturn));
    return delegate->textFieldShouldReturn(*field);
  }
};

TEST_F(StyleFields, TheFrameXFieldChangesOnlyThatPartOfTheFrame) {
  EXPECT_FALSE(typeAndReturn("frame~x", "120"));
  EXPECT_EQ(element("Clock")["frame"], (Value{{"x", "120"}, {"y", "20"}, {"width", "100"}, {"height", "40"}}));
}

TEST_F(StyleFields, APlainFieldStoresItsTextUnderItsStyle) {
  typeAndReturn("fontSize", "18");
  EXPECT_EQ(element("Clock")["fontSize"], "18");
  typeAndReturn("text", "{time}");
  EXPECT_EQ(element("Clock")["text"], "{time}");
}

TEST_F(StyleFields, APartFieldOfAStyleThatIsNoDictionaryIsRefusedWithAnAlert) {
  const Value before = canvas->creatorPreset;
  typeAndReturn("text~x", "1");
  EXPECT_EQ(canvas->creatorPreset, before);
  ASSERT_NE(shownAlert(), nullptr);
  EXPECT_EQ(shownAlert()->title(), "Vantile");
}

TEST_F(StyleFields, AColourPreviewsOnlyOnTheKeysTheCanvasCanShowAtOnce) {
  const auto clock = std::dynamic_pointer_cast<platform::ui::Label>(canvas->getElementView("Clock"));
  ASSERT_NE(clock, nullptr);
  const Value before = canvas->creatorPreset;
  const Color textColor = clock->textColor();

  canvas->showColorPreview("rgba(255,0,0,1)", "ringColor");
  EXPECT_EQ(clock->textColor(), textColor);

  canvas->showColorPreview("rgba(255,0,0,1)", "textColor");
  EXPECT_EQ(clock->textColor(), (Color{1, 0, 0, 1}));
  canvas->showColorPreview("rgba(0,255,0,1)", "backgroundColor");
  EXPECT_EQ(clock->backgroundColor(), (Color{0, 1, 0, 1}));
  canvas->showColorPreview("rgba(0,0,255,1)", "boxShadow");
  EXPECT_EQ(clock->layer()->shadowColor(), (Color{0, 0, 1, 1}));
  EXPECT_EQ(canvas->creatorPreset, before);

  canvas->commitColor("rgba(255,0,0,1)", "ringColor");
  EXPECT_EQ(element("Clock")["ringColor"], "rgba(255,0,0,1)");
}

TEST_F(StyleFields, BeginningAnEditRemovesTheShownValueEditor) {
  const auto earlier = platform::ui::View::make();
  canvas->mainView->addSubview(earlier);
  canvas->fieldView = earlier;
  const auto field = canvas->createElementOptionTextFieldWithFrame({0, 0, 100, 30}, "18", "fontSize", "size");
  canvas->textFieldDidBeginEditing(*field);
  EXPECT_EQ(earlier->superview(), nullptr);
  ASSERT_NE(canvas->fieldView, earlier);
  EXPECT_EQ(canvas->fieldView->superview(), canvas->mainView);
}

TEST_F(StyleFields, ACaptionIsWhiteWithAFaintRuleAlongItsBottomAsTheAllElementsRowIs) {
  const auto caption = CreatorView::createElementOptionLabelWithFrame({0, 0, 200, 30}, "fontSize", "fontSize", 7);
  EXPECT_EQ(caption->textColor(), (Color{1, 1, 1, 1}));
  EXPECT_DOUBLE_EQ(caption->font().pointSize, 14);
  EXPECT_EQ(caption->tag(), 7);
  EXPECT_TRUE(caption->clipsToBounds());
  ASSERT_EQ(caption->layer()->sublayers().size(), 1U);
  const auto& rule = *caption->layer()->sublayers().front();
  EXPECT_EQ(rule.frame(), (Rect{0, 29, 200, 1}));
  EXPECT_EQ(rule.borderColor(), (Color{1, 1, 1, 0.2}));

  const auto row = ElementRowViews::makeAllElementsRow(300);
  EXPECT_EQ(row->text(), "    ⚬ All Elements");
  EXPECT_EQ(row->layer()->name(), "Element list");
  ASSERT_EQ(row->layer()->sublayers().size(), 1U);
  EXPECT_EQ(row->layer()->sublayers().front()->frame(), (Rect{0, 39, 300, 1}));
}

}  // namespace
}  // namespace vantile::testing
