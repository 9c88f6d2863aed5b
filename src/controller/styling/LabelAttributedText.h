#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/text/AttributedString.h"

// The attributed forms of a label's text that the styling pass shows. Ranges are counted in
// UTF-16 units, as the platform counts characters.
namespace vantile::labeltext {

std::size_t utf16Length(std::string_view text);

// The text with the kerning over its whole length.
platform::ui::AttributedString kernedText(const std::string& text, double kerning);

// The text with the colour over the first occurrence of its second word (split at " "; the
// search is plain, so it may land inside the first word), and the kerning over the whole text
// when given. Nothing when the text has no second word to colour (one word, or an empty part
// after the first space).
std::optional<platform::ui::AttributedString> secondWordColoured(const std::string& text,
                                                                 platform::graphics::Color color,
                                                                 std::optional<double> kerning);

// The first text in its font, directly followed by the second in its font and colour (no
// colour: the label's own).
platform::ui::AttributedString joinedWithSecondText(const std::string& first, const platform::graphics::Font& firstFont,
                                                    const std::string& second,
                                                    const platform::graphics::Font& secondFont,
                                                    std::optional<platform::graphics::Color> secondColor);

// The colour of an element's second text: white, else "textColor", else "fontColorAttr" (unless
// "none"); a later key that is present replaces the earlier colour even when it does not parse.
std::optional<platform::graphics::Color> secondTextColor(const platform::Value& element);

}  // namespace vantile::labeltext
