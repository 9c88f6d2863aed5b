#pragma once

#include <string>
#include <vector>

namespace platform::graphics {

struct FontFamily {
  std::string name;
  // The PostScript names of the family's faces.
  std::vector<std::string> fontNames;
};

// The families the process can draw with (the system font and every registered font file), by
// family name, each with its faces.
std::vector<FontFamily> fontFamilies();

}  // namespace platform::graphics
