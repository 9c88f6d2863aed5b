#pragma once

#include <memory>

#include "platform/ui/controls/Control.h"

namespace platform::ui {

class GestureRecognizer;

// A horizontal slider: a track, the part up to the value in the tint colour, and a round
// thumb. Dragging (or touching) along it moves the value, telling the actions at every change.
class Slider : public Control {
 public:
  static constexpr double thumbSide = 28;

  static std::shared_ptr<Slider> make(const graphics::Rect& frame = {});

  Slider(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "Slider"; }

  double minimumValue() const { return minimum_; }
  double maximumValue() const { return maximum_; }
  // A maximum below the minimum is raised to it; the value stays within the range.
  void setMinimumValue(double value);
  void setMaximumValue(double value);
  double value() const { return value_; }
  // Kept within the range; a value that is not a number is refused.
  void setValue(double value, bool animated = false);

  // The value a touch at `x` (in the slider's bounds) stands for.
  double valueForX(double x) const;

 protected:
  void layoutSubviews() override;

 private:
  void trackTouch(GestureRecognizer& recognizer);
  void placeParts();

  std::shared_ptr<View> track_;
  std::shared_ptr<View> fill_;
  std::shared_ptr<View> thumb_;
  double minimum_ = 0;
  double maximum_ = 1;
  double value_ = 0;
};

}  // namespace platform::ui
