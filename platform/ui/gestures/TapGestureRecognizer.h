#pragma once

#include <map>
#include <memory>

#include "platform/ui/gestures/GestureRecognizer.h"

namespace platform::ui {

// A discrete gesture: the given number of taps, each with the given number of fingers.
// A tap fails when a finger strays too far, and a series of taps fails when the next tap
// does not start in time.
class TapGestureRecognizer : public GestureRecognizer {
 public:
  static constexpr double allowableMovement = 10;
  static constexpr double maximumIntervalBetweenTaps = 0.35;

  static std::shared_ptr<TapGestureRecognizer> make(Action action = {});

  explicit TapGestureRecognizer(ConstructionKey key);

  int numberOfTapsRequired() const { return numberOfTapsRequired_; }
  // At least 1.
  void setNumberOfTapsRequired(int taps);
  int numberOfTouchesRequired() const { return numberOfTouchesRequired_; }
  // At least 1.
  void setNumberOfTouchesRequired(int touches);

 protected:
  void touchesBegan(const std::vector<Touch>& touches) override;
  void touchesMoved(const std::vector<Touch>& touches) override;
  void touchesEnded(const std::vector<Touch>& touches) override;
  void reset() override;

 private:
  int numberOfTapsRequired_ = 1;
  int numberOfTouchesRequired_ = 1;
  int tapsCompleted_ = 0;
  std::size_t mostTouchesInThisTap_ = 0;
  std::map<int, graphics::Point> startLocations_;
};

}  // namespace platform::ui
