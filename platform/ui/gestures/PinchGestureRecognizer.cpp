#include "platform/ui/gestures/PinchGestureRecognizer.h"

#include <cmath>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

namespace {

constexpr std::size_t fingersInAPinch = 2;

}  // namespace

std::shared_ptr<PinchGestureRecognizer> PinchGestureRecognizer::make(Action action) {
  auto recognizer = std::make_shared<PinchGestureRecognizer>(ConstructionKey{});
  recognizer->addTarget(std::move(action));
  return recognizer;
}

PinchGestureRecognizer::PinchGestureRecognizer(ConstructionKey key) : GestureRecognizer(key) {}

double PinchGestureRecognizer::fingerDistance() const {
  const std::vector<Touch>& touches = activeTouches();
  if (touches.size() != fingersInAPinch) {
    return 0;
  }
  return std::hypot(touches[0].location.x - touches[1].location.x, touches[0].location.y - touches[1].location.y);
}

void PinchGestureRecognizer::setScale(double scale) {
  if (!std::isfinite(scale) || scale <= 0) {
    foundation::systemLog("PinchGestureRecognizer: ignored a scale that is not a positive number");
    return;
  }
  scale_ = scale;
  if (const double distance = fingerDistance(); distance > 0) {
    referenceDistance_ = distance / scale;
  }
}

void PinchGestureRecognizer::touchesBegan(const std::vector<Touch>&) {
  if (activeTouches().size() > fingersInAPinch) {
    if (state() == State::possible) {
      setState(State::failed);
    }
    return;
  }
  referenceDistance_ = fingerDistance();
}

void PinchGestureRecognizer::touchesMoved(const std::vector<Touch>&) {
  const double distance = fingerDistance();
  if (referenceDistance_ <= 0 || distance <= 0) {
    return;
  }
  if (state() == State::possible) {
    if (std::abs(distance - referenceDistance_) >= beginDistanceChange) {
      scale_ = distance / referenceDistance_;
      setState(State::began);
    }
    return;
  }
  scale_ = distance / referenceDistance_;
  setState(State::changed);
}

void PinchGestureRecognizer::touchesEnded(const std::vector<Touch>&) {
  setState(state() == State::possible ? State::failed : State::ended);
}

void PinchGestureRecognizer::reset() {
  referenceDistance_ = 0;
  scale_ = 1;
}

}  // namespace platform::ui
