#pragma once

#include <memory>
#include <optional>

#include "platform/ui/gestures/GestureRecognizer.h"

namespace platform::ui {

enum class SwipeDirection { right, left, up, down };

// A discrete gesture: the fingers travel at least the minimum distance in the direction
// (in the root's coordinates). It fails when they go mostly across or against it, or lift
// before going far enough.
class SwipeGestureRecognizer : public GestureRecognizer {
 public:
  // Movement below this is not yet judged for its direction.
  static constexpr double slack = 10;

  static std::shared_ptr<SwipeGestureRecognizer> make(SwipeDirection direction, Action action = {});

  explicit SwipeGestureRecognizer(ConstructionKey key);

  SwipeDirection direction() const { return direction_; }
  void setDirection(SwipeDirection direction) { direction_ = direction; }
  // Points, positive; 50 unless set.
  double minimumDistance() const { return minimumDistance_; }
  void setMinimumDistance(double points);
  int numberOfTouchesRequired() const { return numberOfTouchesRequired_; }
  // At least 1.
  void setNumberOfTouchesRequired(int touches);

 protected:
  void touchesBegan(const std::vector<Touch>& touches) override;
  void touchesMoved(const std::vector<Touch>& touches) override;
  void touchesEnded(const std::vector<Touch>& touches) override;
  void reset() override;

 private:
  SwipeDirection direction_ = SwipeDirection::right;
  double minimumDistance_ = 50;
  int numberOfTouchesRequired_ = 1;
  std::optional<graphics::Point> start_;
};

}  // namespace platform::ui
