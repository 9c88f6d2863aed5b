#pragma once

#include "platform/graphics/Geometry.h"

namespace platform::ui {

// The device's screen, process-wide; hosts and tests set its size and scale.
class Screen {
 public:
  static Screen& mainScreen();

  // In points; 375 × 812 unless set.
  graphics::Rect bounds() const { return bounds_; }
  // Refuses sizes that are negative or not numbers.
  void setBounds(const graphics::Rect& bounds);
  // Pixels per point; 3 unless set.
  double scale() const { return scale_; }
  // Refuses scales that are not positive numbers.
  void setScale(double scale);

 private:
  Screen() = default;

  graphics::Rect bounds_{0, 0, 375, 812};
  double scale_ = 3;
};

}  // namespace platform::ui
