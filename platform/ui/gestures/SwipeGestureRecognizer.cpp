#include "platform/ui/gestures/SwipeGestureRecognizer.h"

#include <cmath>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

namespace {

graphics::Point unitVector(SwipeDirection direction) {
  switch (direction) {
    case SwipeDirection::right:
      return {1, 0};
    case SwipeDirection::left:
      return {-1, 0};
    case SwipeDirection::up:
      return {0, -1};
    case SwipeDirection::down:
      return {0, 1};
  }
  return {1, 0};
}

}  // namespace

std::shared_ptr<SwipeGestureRecognizer> SwipeGestureRecognizer::make(SwipeDirection direction, Action action) {
  auto recognizer = std::make_shared<SwipeGestureRecognizer>(ConstructionKey{});
  recognizer->setDirection(direction);
  recognizer->addTarget(std::move(action));
  return recognizer;
}

SwipeGestureRecognizer::SwipeGestureRecognizer(ConstructionKey key) : GestureRecognizer(key) {}

void SwipeGestureRecognizer::setMinimumDistance(double points) {
  if (!std::isfinite(points) || points <= 0) {
    foundation::systemLog("SwipeGestureRecognizer: ignored a distance that is not a positive number");
    return;
  }
  minimumDistance_ = points;
}

void SwipeGestureRecognizer::setNumberOfTouchesRequired(int touches) {
  if (touches < 1) {
    foundation::systemLog("SwipeGestureRecognizer: ignored a number of touches below 1");
    return;
  }
  numberOfTouchesRequired_ = touches;
}

void SwipeGestureRecognizer::touchesBegan(const std::vector<Touch>&) {
  if (activeTouches().size() > static_cast<std::size_t>(numberOfTouchesRequired_)) {
    setState(State::failed);
    return;
  }
  start_ = centroid(activeTouches());
}

void SwipeGestureRecognizer::touchesMoved(const std::vector<Touch>&) {
  const std::optional<graphics::Point> current = locationInRoot();
  if (!start_ || !current) {
    return;
  }
  const graphics::Point unit = unitVector(direction_);
  const double dx = current->x - start_->x;
  const double dy = current->y - start_->y;
  const double along = dx * unit.x + dy * unit.y;
  const double across = std::abs(dx * unit.y - dy * unit.x);
  if (std::hypot(dx, dy) > slack && across >= along) {
    setState(State::failed);
  } else if (along >= minimumDistance_ &&
             activeTouches().size() == static_cast<std::size_t>(numberOfTouchesRequired_)) {
    setState(State::recognized);
  }
}

void SwipeGestureRecognizer::touchesEnded(const std::vector<Touch>&) {
  if (state() == State::possible) {
    setState(State::failed);
  }
}

void SwipeGestureRecognizer::reset() { start_.reset(); }

}  // namespace platform::ui
