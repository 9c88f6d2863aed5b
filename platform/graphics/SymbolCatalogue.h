#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/graphics/Image.h"

// The platform's symbol images: a small catalogue of named glyphs of our own drawing.
namespace platform::graphics {

// Numbered as the platform numbers its symbol weights.
enum class SymbolWeight {
  unspecified = 0,
  ultraLight = 1,
  thin = 2,
  light = 3,
  regular = 4,
  medium = 5,
  semibold = 6,
  bold = 7,
  heavy = 8,
  black = 9,
};

// Numbered as the platform numbers its symbol scales; large draws a third bigger than medium.
enum class SymbolScale {
  unspecified = 0,
  small = 1,
  medium = 2,
  large = 3,
};

struct SymbolConfiguration {
  double pointSize = 17;
  // Unspecified reads as regular; heavier weights draw thicker strokes.
  SymbolWeight weight = SymbolWeight::unspecified;
  SymbolScale scale = SymbolScale::unspecified;
};

// A square image of the named glyph in black on transparent, to be tinted through its alpha.
// Nothing for a name the catalogue does not hold, or a point size or pixel scale that is not
// a positive number giving an acceptable image size.
std::optional<Image> systemSymbol(std::string_view name, const SymbolConfiguration& configuration,
                                  double pixelsPerPoint = 1);

// Every name the catalogue holds, sorted.
std::vector<std::string_view> systemSymbolNames();

}  // namespace platform::graphics
