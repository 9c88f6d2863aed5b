#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/AttributedString.h"
#include "platform/ui/TextAlignment.h"
#include "platform/ui/View.h"

namespace platform::ui {

// A view showing read-only text, plain or attributed, laid out with Pango and centred
// vertically in its bounds. Lines wrap by words (a word longer than a line breaks between
// characters); the last line that fits, or the numberOfLines-th, ends with an ellipsis when
// text is cut.
class Label : public View {
 public:
  static std::shared_ptr<Label> make(const graphics::Rect& frame = {});

  Label(ConstructionKey key, const graphics::Rect& frame);

  // Setting the text drops the attributed text.
  const std::string& text() const { return text_; }
  void setText(std::string text);
  // Setting attributed text sets text() to its characters; its runs win over the label's
  // font and colour where they say something.
  const std::optional<AttributedString>& attributedText() const { return attributedText_; }
  void setAttributedText(std::optional<AttributedString> text);

  const graphics::Font& font() const { return font_; }
  void setFont(graphics::Font font) { font_ = std::move(font); }
  graphics::Color textColor() const { return textColor_; }
  void setTextColor(graphics::Color color) { textColor_ = color; }
  TextAlignment textAlignment() const { return textAlignment_; }
  void setTextAlignment(TextAlignment alignment) { textAlignment_ = alignment; }
  // 0 is unlimited; negative values read as 0.
  int numberOfLines() const { return numberOfLines_; }
  void setNumberOfLines(int lines) { numberOfLines_ = std::max(0, lines); }
  // The text drawn once more, below, moved by the offset; nothing draws no shadow.
  std::optional<graphics::Color> shadowColor() const { return shadowColor_; }
  void setShadowColor(std::optional<graphics::Color> color) { shadowColor_ = color; }
  graphics::Size shadowOffset() const { return shadowOffset_; }
  void setShadowOffset(graphics::Size offset) { shadowOffset_ = offset; }

  // The size the text takes within `size`'s width (a width of 0 or less is unlimited),
  // honouring numberOfLines, rounded up to whole pixels of the screen; zero for no text.
  graphics::Size sizeThatFits(graphics::Size size) const;
  // The size of the text on unlimited width.
  graphics::Size intrinsicContentSize() const { return sizeThatFits({0, 0}); }

 protected:
  void drawContent(DrawingContext& context) const override;

 private:
  AttributedString content() const;

  std::string text_;
  std::optional<AttributedString> attributedText_;
  graphics::Font font_ = graphics::systemFont(17);
  graphics::Color textColor_{0, 0, 0, 1};
  TextAlignment textAlignment_ = TextAlignment::natural;
  int numberOfLines_ = 1;
  std::optional<graphics::Color> shadowColor_;
  graphics::Size shadowOffset_{0, -1};
};

}  // namespace platform::ui
