#pragma once

#include <optional>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/Geometry.h"

namespace vantile {

// Where the display glides to after a one-finger pan, and for how long.
struct DisplayGlide {
  platform::graphics::Point offset;
  double duration = 0;
};

// The offset is a fifth of the lift-off velocity (points per second); the duration grows with the
// horizontal part only.
DisplayGlide displayGlide(platform::graphics::Point velocity);

// The velocity of a pan from its moves: the last move's distance over the time since the move
// before (or since the start).
class PanVelocity {
 public:
  void start(platform::foundation::TimeStamp time);
  void addMove(platform::graphics::Point distance, platform::foundation::TimeStamp time);
  platform::graphics::Point velocity() const { return velocity_; }

 private:
  std::optional<platform::foundation::TimeStamp> lastTime_;
  platform::graphics::Point velocity_;
};

}  // namespace vantile
