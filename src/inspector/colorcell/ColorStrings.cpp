#include "inspector/colorcell/ColorStrings.h"

#include <cmath>
#include <cstdio>

namespace vantile {

std::string rgbaStringFromColor(const platform::graphics::Color& color) {
  char text[96];
  std::snprintf(text, sizeof text, "rgba(%ld, %ld, %ld, %.2f)", std::lround(color.red * 255),
                std::lround(color.green * 255), std::lround(color.blue * 255), color.alpha);
  return text;
}

platform::graphics::Color appleBlue() { return {14.0 / 255, 122.0 / 255, 254.0 / 255, 1}; }

}  // namespace vantile
