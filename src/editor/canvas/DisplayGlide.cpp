#include "editor/canvas/DisplayGlide.h"

#include <cmath>

namespace vantile {

namespace {

constexpr double kVelocityShare = 0.2;
constexpr double kSecondsPerPoint = 0.0002;
constexpr double kShortestGlide = 0.2;

}  // namespace

DisplayGlide displayGlide(platform::graphics::Point velocity) {
  const platform::graphics::Point offset{velocity.x * kVelocityShare, velocity.y * kVelocityShare};
  return {offset, std::abs(offset.x) * kSecondsPerPoint + kShortestGlide};
}

void PanVelocity::start(platform::foundation::TimeStamp time) {
  lastTime_ = time;
  velocity_ = {};
}

void PanVelocity::addMove(platform::graphics::Point distance, platform::foundation::TimeStamp time) {
  // Moves within one instant (a manual clock that did not advance) keep the last velocity.
  if (lastTime_ && time > *lastTime_) {
    const double seconds = time - *lastTime_;
    velocity_ = {distance.x / seconds, distance.y / seconds};
  }
  lastTime_ = time;
}

}  // namespace vantile
