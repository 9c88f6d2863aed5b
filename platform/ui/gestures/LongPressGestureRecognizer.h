#pragma once

#include <map>
#include <memory>

#include "platform/ui/gestures/GestureRecognizer.h"

namespace platform::ui {

// A continuous gesture: it begins once the fingers have stayed down, without straying, for
// the minimum press duration (measured on the main queue's clock); moves then change it and
// lifting ends it. Lifting earlier fails it.
class LongPressGestureRecognizer : public GestureRecognizer {
 public:
  static std::shared_ptr<LongPressGestureRecognizer> make(Action action = {});

  explicit LongPressGestureRecognizer(ConstructionKey key);

  double minimumPressDuration() const { return minimumPressDuration_; }
  // Seconds, not negative.
  void setMinimumPressDuration(double seconds);
  int numberOfTouchesRequired() const { return numberOfTouchesRequired_; }
  // At least 1.
  void setNumberOfTouchesRequired(int touches);
  double allowableMovement() const { return allowableMovement_; }
  // Points, not negative.
  void setAllowableMovement(double points);

 protected:
  void touchesBegan(const std::vector<Touch>& touches) override;
  void touchesMoved(const std::vector<Touch>& touches) override;
  void touchesEnded(const std::vector<Touch>& touches) override;
  void reset() override;

 private:
  void pressLastedLongEnough();

  double minimumPressDuration_ = 0.5;
  int numberOfTouchesRequired_ = 1;
  double allowableMovement_ = 10;
  std::map<int, graphics::Point> startLocations_;
};

}  // namespace platform::ui
