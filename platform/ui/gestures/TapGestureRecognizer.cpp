#include "platform/ui/gestures/TapGestureRecognizer.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

std::shared_ptr<TapGestureRecognizer> TapGestureRecognizer::make(Action action) {
  auto recognizer = std::make_shared<TapGestureRecognizer>(ConstructionKey{});
  recognizer->addTarget(std::move(action));
  return recognizer;
}

TapGestureRecognizer::TapGestureRecognizer(ConstructionKey key) : GestureRecognizer(key) {}

void TapGestureRecognizer::setNumberOfTapsRequired(int taps) {
  if (taps < 1) {
    foundation::systemLog("TapGestureRecognizer: ignored a number of taps below 1");
    return;
  }
  numberOfTapsRequired_ = taps;
}

void TapGestureRecognizer::setNumberOfTouchesRequired(int touches) {
  if (touches < 1) {
    foundation::systemLog("TapGestureRecognizer: ignored a number of touches below 1");
    return;
  }
  numberOfTouchesRequired_ = touches;
}

void TapGestureRecognizer::touchesBegan(const std::vector<Touch>& touches) {
  cancelScheduled();
  for (const Touch& touch : touches) {
    startLocations_[touch.identifier] = touch.location;
  }
  mostTouchesInThisTap_ = std::max(mostTouchesInThisTap_, activeTouches().size());
  if (mostTouchesInThisTap_ > static_cast<std::size_t>(numberOfTouchesRequired_)) {
    setState(State::failed);
  }
}

void TapGestureRecognizer::touchesMoved(const std::vector<Touch>& touches) {
  for (const Touch& touch : touches) {
    const graphics::Point start = startLocations_[touch.identifier];
    if (std::hypot(touch.location.x - start.x, touch.location.y - start.y) > allowableMovement) {
      setState(State::failed);
      return;
    }
  }
}

void TapGestureRecognizer::touchesEnded(const std::vector<Touch>&) {
  if (!activeTouches().empty()) {
    return;
  }
  if (mostTouchesInThisTap_ != static_cast<std::size_t>(numberOfTouchesRequired_)) {
    setState(State::failed);
    return;
  }
  mostTouchesInThisTap_ = 0;
  startLocations_.clear();
  if (++tapsCompleted_ >= numberOfTapsRequired_) {
    setState(State::recognized);
  } else {
    scheduleAfter(maximumIntervalBetweenTaps, [this] {
      if (state() == State::possible) {
        setState(State::failed);
      }
    });
  }
}

void TapGestureRecognizer::reset() {
  tapsCompleted_ = 0;
  mostTouchesInThisTap_ = 0;
  startLocations_.clear();
}

}  // namespace platform::ui
