#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/graphics/Image.h"
#include "platform/ui/text/AttributedString.h"
#include "platform/ui/layers/KeyValueCoding.h"
#include "platform/ui/text/TextAlignment.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

// A view showing read-only text, plain or attributed, laid out with Pango and centred
// vertically in its bounds. Lines wrap by words (a word longer than a line breaks between
// characters); the last line that fits, or the numberOfLines-th, ends with an ellipsis when
// text is cut.
class Label : public View {
 public:
  static std::shared_ptr<Label> make(const graphics::Rect& frame = {});

  // Subclasses may back themselves with a layer kind of their own.
  Label(ConstructionKey key, const graphics::Rect& frame, std::shared_ptr<Layer> layer = Layer::make());

  std::string_view className() const override { return "Label"; }

  // Setting the text drops the attributed text.
  virtual const std::string& text() const { return text_; }
  virtual void setText(std::string text);
  // Setting attributed text sets text() to its characters; its runs win over the label's
  // font and colour where they say something.
  virtual const std::optional<AttributedString>& attributedText() const { return attributedText_; }
  virtual void setAttributedText(std::optional<AttributedString> text);

  virtual const graphics::Font& font() const { return font_; }
  virtual void setFont(graphics::Font font) { font_ = std::move(font); }
  virtual graphics::Color textColor() const { return textColor_; }
  // Setting a colour drops the pattern.
  virtual void setTextColor(graphics::Color color) {
    textColor_ = color;
    textPattern_.reset();
  }
  // A pattern colour: the image repeated from the label's origin paints the text in place of
  // textColor.
  virtual const std::optional<graphics::Image>& textPattern() const { return textPattern_; }
  virtual void setTextPattern(std::optional<graphics::Image> pattern) { textPattern_ = std::move(pattern); }
  TextAlignment textAlignment() const { return textAlignment_; }
  void setTextAlignment(TextAlignment alignment) { textAlignment_ = alignment; }
  // 0 is unlimited; negative values read as 0.
  int numberOfLines() const { return numberOfLines_; }
  virtual void setNumberOfLines(int lines) { numberOfLines_ = std::max(0, lines); }
  // The text drawn once more, below, moved by the offset; nothing draws no shadow.
  virtual std::optional<graphics::Color> shadowColor() const { return shadowColor_; }
  virtual void setShadowColor(std::optional<graphics::Color> color) { shadowColor_ = color; }
  virtual graphics::Size shadowOffset() const { return shadowOffset_; }
  virtual void setShadowOffset(graphics::Size offset) { shadowOffset_ = offset; }

  // The size the text takes within `size`'s width (a width of 0 or less is unlimited),
  // honouring numberOfLines, rounded up to whole pixels of the screen; zero for no text.
  virtual graphics::Size sizeThatFits(graphics::Size size) const;
  // The size of the text on unlimited width.
  virtual graphics::Size intrinsicContentSize() const { return sizeThatFits({0, 0}); }

  // Key-value coding of the label's and its view's properties (not its layer's).
  virtual bool respondsToKey(std::string_view key) const;
  virtual std::optional<KeyValueFailure> setValueForKey(std::string_view key, const KeyValue& value);

 protected:
  void drawContent(DrawingContext& context) const override;

 private:
  AttributedString content() const;

  std::string text_;
  std::optional<AttributedString> attributedText_;
  graphics::Font font_ = graphics::systemFont(17);
  graphics::Color textColor_{0, 0, 0, 1};
  std::optional<graphics::Image> textPattern_;
  TextAlignment textAlignment_ = TextAlignment::natural;
  int numberOfLines_ = 1;
  std::optional<graphics::Color> shadowColor_;
  graphics::Size shadowOffset_{0, -1};
};

}  // namespace platform::ui
