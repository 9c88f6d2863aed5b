#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/graphics/TextMeasurement.h"

namespace platform::ui {

// What a run of text may set; nothing keeps the label's own value.
struct TextAttributes {
  std::optional<graphics::Font> font = std::nullopt;
  std::optional<graphics::Color> color = std::nullopt;
  // Extra space between characters, in points (none before the first or after the last).
  std::optional<double> kerning = std::nullopt;
};

// A range of characters counted in UTF-16 code units, as the platform counts them.
struct TextRange {
  std::size_t location = 0;
  std::size_t length = 0;
};

struct AttributedRun {
  TextRange range;
  TextAttributes attributes;
};

// UTF-8 text with runs of attributes. Where runs overlap, the later one wins for the
// attributes it sets. A range reaching past the text is cut at its end.
class AttributedString {
 public:
  AttributedString() = default;
  explicit AttributedString(std::string text) : text_(std::move(text)) {}

  const std::string& text() const { return text_; }
  const std::vector<AttributedRun>& runs() const { return runs_; }
  void addAttributes(TextRange range, TextAttributes attributes) { runs_.push_back({range, std::move(attributes)}); }

  // The byte offset in text() where the character at `utf16Offset` starts: the end of the
  // text past it, and the next character when the offset splits a surrogate pair.
  std::size_t byteOffset(std::size_t utf16Offset) const;

 private:
  std::string text_;
  std::vector<AttributedRun> runs_;
};

}  // namespace platform::ui
