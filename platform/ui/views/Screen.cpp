#include "platform/ui/views/Screen.h"

#include <cmath>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

Screen& Screen::mainScreen() {
  static Screen screen;
  return screen;
}

void Screen::setBounds(const graphics::Rect& bounds) {
  const bool finite = std::isfinite(bounds.x()) && std::isfinite(bounds.y()) && std::isfinite(bounds.width()) &&
                      std::isfinite(bounds.height());
  if (!finite || bounds.width() < 0 || bounds.height() < 0) {
    foundation::systemLog("Screen: ignored bounds that are negative or not numbers");
    return;
  }
  bounds_ = bounds;
}

void Screen::setScale(double scale) {
  if (!std::isfinite(scale) || scale <= 0) {
    foundation::systemLog("Screen: ignored a scale that is not a positive number");
    return;
  }
  scale_ = scale;
}

}  // namespace platform::ui
