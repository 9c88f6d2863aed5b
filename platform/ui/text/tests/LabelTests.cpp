#include "platform/ui/text/Label.h"

#include <gtest/gtest.h>

#include "platform/graphics/TextMeasurement.h"

namespace platform::ui {
namespace {

using graphics::Size;

constexpr const char* kSentence = "The quick brown fox jumps over the lazy dog again and again";

std::shared_ptr<Label> labelWith(const std::string& text, int lines) {
  auto label = Label::make();
  label->setText(text);
  label->setNumberOfLines(lines);
  return label;
}

double lineHeight() { return graphics::measureText("x", graphics::systemFont(17)).height; }

TEST(Label, FitsOneLineToTheWidthOfItsText) {
  auto label = labelWith("Hello", 1);
  const Size size = label->sizeThatFits({0, 0});
  const Size measured = graphics::measureText("Hello", graphics::systemFont(17));
  EXPECT_NEAR(size.width, measured.width, 0.5);
  EXPECT_NEAR(size.height, measured.height, 0.5);
  EXPECT_EQ(label->intrinsicContentSize(), size);
}

TEST(Label, WrapsByWordsWhenLinesAreUnlimited) {
  auto label = labelWith(kSentence, 0);
  const Size size = label->sizeThatFits({120, 1000});
  EXPECT_LE(size.width, 120);
  EXPECT_GE(size.height, 4 * lineHeight() - 1);
}

TEST(Label, StopsAtItsNumberOfLines) {
  for (int lines : {1, 2, 3}) {
    auto label = labelWith(kSentence, lines);
    const Size size = label->sizeThatFits({120, 1000});
    EXPECT_NEAR(size.height, lines * lineHeight(), 1) << lines << " lines";
    EXPECT_LE(size.width, 120);
  }
}

TEST(Label, HasNoSizeWithoutText) {
  EXPECT_EQ(labelWith("", 0)->sizeThatFits({100, 100}), (Size{0, 0}));
}

TEST(Label, KerningAddsSpaceBetweenCharacters) {
  auto plain = labelWith("Spacing", 1);
  AttributedString spaced("Spacing");
  spaced.addAttributes({0, 7}, {.kerning = 4});
  auto kerned = Label::make();
  kerned->setAttributedText(spaced);
  EXPECT_NEAR(kerned->sizeThatFits({}).width - plain->sizeThatFits({}).width, 6 * 4, 1);
}

TEST(Label, PlainAndAttributedTextReplaceEachOther) {
  auto label = Label::make();
  label->setAttributedText(AttributedString("styled"));
  EXPECT_EQ(label->text(), "styled");
  label->setText("plain");
  EXPECT_FALSE(label->attributedText());
  EXPECT_EQ(label->text(), "plain");
}

TEST(AttributedString, CountsCharactersInUtf16Units) {
  struct Case {
    const char* text;
    std::size_t utf16Offset;
    std::size_t byteOffset;
  };
  const Case cases[] = {
      {"abc", 2, 2},
      {"h\xC3\xA9llo", 2, 3},                // é is one unit, two bytes
      {"\xF0\x9F\x98\x80!", 2, 4},           // an emoji is two units, four bytes
      {"\xF0\x9F\x98\x80!", 1, 4},           // inside the pair: the next character
      {"abc", 10, 3},                        // past the end
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AttributedString(c.text).byteOffset(c.utf16Offset), c.byteOffset) << c.text << " @" << c.utf16Offset;
  }
}

}  // namespace
}  // namespace platform::ui
