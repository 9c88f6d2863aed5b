#pragma once

namespace platform::graphics {

// Components from 0 to 1; nothing is clamped, as the platform's colours are not.
struct Color {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 1;

  friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace platform::graphics
