#include "platform/ui/gestures/LongPressGestureRecognizer.h"

#include <cmath>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

std::shared_ptr<LongPressGestureRecognizer> LongPressGestureRecognizer::make(Action action) {
  auto recognizer = std::make_shared<LongPressGestureRecognizer>(ConstructionKey{});
  recognizer->addTarget(std::move(action));
  return recognizer;
}

LongPressGestureRecognizer::LongPressGestureRecognizer(ConstructionKey key) : GestureRecognizer(key) {}

void LongPressGestureRecognizer::setMinimumPressDuration(double seconds) {
  if (!std::isfinite(seconds) || seconds < 0) {
    foundation::systemLog("LongPressGestureRecognizer: ignored a press duration that is negative or not a number");
    return;
  }
  minimumPressDuration_ = seconds;
}

void LongPressGestureRecognizer::setNumberOfTouchesRequired(int touches) {
  if (touches < 1) {
    foundation::systemLog("LongPressGestureRecognizer: ignored a number of touches below 1");
    return;
  }
  numberOfTouchesRequired_ = touches;
}

void LongPressGestureRecognizer::setAllowableMovement(double points) {
  if (!std::isfinite(points) || points < 0) {
    foundation::systemLog("LongPressGestureRecognizer: ignored a movement that is negative or not a number");
    return;
  }
  allowableMovement_ = points;
}

void LongPressGestureRecognizer::touchesBegan(const std::vector<Touch>& touches) {
  for (const Touch& touch : touches) {
    startLocations_[touch.identifier] = touch.location;
  }
  const std::size_t required = static_cast<std::size_t>(numberOfTouchesRequired_);
  if (activeTouches().size() > required) {
    setState(State::failed);
  } else if (activeTouches().size() == required) {
    scheduleAfter(minimumPressDuration_, [this] { pressLastedLongEnough(); });
  }
}

void LongPressGestureRecognizer::pressLastedLongEnough() {
  if (state() == State::possible && activeTouches().size() == static_cast<std::size_t>(numberOfTouchesRequired_)) {
    setState(State::began);
  }
}

void LongPressGestureRecognizer::touchesMoved(const std::vector<Touch>& touches) {
  if (state() != State::possible) {
    setState(State::changed);
    return;
  }
  for (const Touch& touch : touches) {
    const graphics::Point start = startLocations_[touch.identifier];
    if (std::hypot(touch.location.x - start.x, touch.location.y - start.y) > allowableMovement_) {
      setState(State::failed);
      return;
    }
  }
}

void LongPressGestureRecognizer::touchesEnded(const std::vector<Touch>&) {
  if (state() == State::possible) {
    setState(State::failed);
  } else if (activeTouches().empty()) {
    setState(State::ended);
  }
}

void LongPressGestureRecognizer::reset() { startLocations_.clear(); }

}  // namespace platform::ui
