#pragma once

#include "platform/graphics/Geometry.h"

#include <string>
#include <string_view>

namespace platform::graphics {

// A font by name and size in points. An empty name, or a name no registered font answers to,
// means the system font.
struct Font {
  std::string name;
  double pointSize = 17;
};

Font systemFont(double pointSize);

// The size of one line of text set in the font, as the platform measures a string with
// attributes: the advance width, and the line height of the font (ascent + descent).
Size measureText(std::string_view text, const Font& font);

}  // namespace platform::graphics
