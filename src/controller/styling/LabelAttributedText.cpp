#include "controller/styling/LabelAttributedText.h"

#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Strings.h"

namespace vantile::labeltext {

namespace {

using platform::ui::AttributedString;
using platform::ui::TextAttributes;
using platform::ui::TextRange;

}  // namespace

std::size_t utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (const char byte : text) {
    const auto value = static_cast<unsigned char>(byte);
    if ((value & 0xC0) == 0x80) continue;  // continuation byte
    units += value >= 0xF0 ? 2 : 1;        // four-byte sequences are surrogate pairs
  }
  return units;
}

AttributedString kernedText(const std::string& text, double kerning) {
  AttributedString attributed(text);
  attributed.addAttributes({0, utf16Length(text)}, TextAttributes{.kerning = kerning});
  return attributed;
}

std::optional<AttributedString> secondWordColoured(const std::string& text, platform::graphics::Color color,
                                                   std::optional<double> kerning) {
  const auto words = platform::foundation::components(text, " ");
  if (words.size() < 2 || words[1].empty()) return std::nullopt;
  const std::size_t found = text.find(words[1]);
  AttributedString attributed(text);
  attributed.addAttributes({utf16Length(std::string_view(text).substr(0, found)), utf16Length(words[1])},
                           TextAttributes{.color = color});
  if (kerning) attributed.addAttributes({0, utf16Length(text)}, TextAttributes{.kerning = kerning});
  return attributed;
}

AttributedString joinedWithSecondText(const std::string& first, const platform::graphics::Font& firstFont,
                                      const std::string& second, const platform::graphics::Font& secondFont,
                                      std::optional<platform::graphics::Color> secondColor) {
  AttributedString attributed(first + second);
  const std::size_t firstLength = utf16Length(first);
  attributed.addAttributes({0, firstLength}, TextAttributes{.font = firstFont});
  attributed.addAttributes({firstLength, utf16Length(second)}, TextAttributes{.font = secondFont, .color = secondColor});
  return attributed;
}

std::optional<platform::graphics::Color> secondTextColor(const platform::Value& element) {
  std::optional<platform::graphics::Color> color = platform::graphics::Color{1, 1, 1, 1};
  if (conventions::hasKey(element, "textColor")) color = conventions::colorFor(element, "textColor");
  if (const auto attrColor = conventions::stringFor(element, "fontColorAttr"); attrColor && *attrColor != "none") {
    color = conventions::colorFor(element, "fontColorAttr");
  }
  return color;
}

}  // namespace vantile::labeltext
