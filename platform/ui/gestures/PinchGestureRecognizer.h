#pragma once

#include <memory>

#include "platform/ui/gestures/GestureRecognizer.h"

namespace platform::ui {

// A continuous two-finger gesture: it begins once the distance between the fingers has
// changed enough; its scale is that distance over the one they started at.
class PinchGestureRecognizer : public GestureRecognizer {
 public:
  // How much the distance between the fingers changes before a pinch begins.
  static constexpr double beginDistanceChange = 5;

  static std::shared_ptr<PinchGestureRecognizer> make(Action action = {});

  explicit PinchGestureRecognizer(ConstructionKey key);

  double scale() const { return scale_; }
  // Makes the scale read `scale` at the current finger distance (positive).
  void setScale(double scale);

 protected:
  void touchesBegan(const std::vector<Touch>& touches) override;
  void touchesMoved(const std::vector<Touch>& touches) override;
  void touchesEnded(const std::vector<Touch>& touches) override;
  void reset() override;

 private:
  double fingerDistance() const;

  // The finger distance at which the scale reads 1; 0 until two fingers are down.
  double referenceDistance_ = 0;
  double scale_ = 1;
};

}  // namespace platform::ui
