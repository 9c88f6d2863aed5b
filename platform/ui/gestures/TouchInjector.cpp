#include "platform/ui/gestures/TouchInjector.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchSequence.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

using graphics::Point;

TouchInjector::TouchInjector(std::shared_ptr<View> root) : root_(std::move(root)) {
  if (!root_) {
    foundation::systemLog("TouchInjector: made without a root view; touches will reach nothing");
  }
}

TouchInjector::~TouchInjector() = default;

void TouchInjector::letTimePass(double seconds) {
  foundation::MainQueue& queue = foundation::MainQueue::shared();
  if (queue.usesManualClock()) {
    queue.advance(seconds);
  } else {
    queue.runFor(seconds);
  }
}

bool TouchInjector::isTouching() const { return sequence_ && !sequence_->isFinished(); }

bool TouchInjector::touchDown(const std::vector<Point>& points) {
  if (isTouching()) {
    foundation::systemLog("TouchInjector: ignored fingers going down while others are still down");
    return false;
  }
  if (points.empty()) {
    foundation::systemLog("TouchInjector: ignored a touch with no fingers");
    return false;
  }
  sequence_ = TouchSequence::begin(root_, points);
  return true;
}

void TouchInjector::touchMove(const std::vector<Point>& points) {
  if (!isTouching()) {
    foundation::systemLog("TouchInjector: ignored a move with no fingers down");
    return;
  }
  sequence_->move(points);
}

void TouchInjector::touchUp() {
  if (!isTouching()) {
    foundation::systemLog("TouchInjector: ignored lifting with no fingers down");
    return;
  }
  sequence_->end();
  sequence_.reset();
}

void TouchInjector::tap(Point point) { tapWithFingers({point}); }

void TouchInjector::tapWithFingers(const std::vector<Point>& points) {
  if (!touchDown(points)) {
    return;
  }
  letTimePass(tapDuration);
  touchUp();
}

void TouchInjector::tapTwice(Point point) {
  tap(point);
  letTimePass(pauseBetweenTaps);
  tap(point);
}

void TouchInjector::press(Point point, double seconds) {
  if (!std::isfinite(seconds) || seconds < 0) {
    foundation::systemLog("TouchInjector: ignored a press with a duration that is negative or not a number");
    return;
  }
  if (!touchDown({point})) {
    return;
  }
  letTimePass(seconds);
  touchUp();
}

void TouchInjector::drag(Point from, Point to, int steps) {
  steps = std::max(steps, 1);
  if (!touchDown({from})) {
    return;
  }
  for (int step = 1; step <= steps; ++step) {
    const double fraction = static_cast<double>(step) / steps;
    letTimePass(moveInterval);
    touchMove({{from.x + (to.x - from.x) * fraction, from.y + (to.y - from.y) * fraction}});
  }
  touchUp();
}

void TouchInjector::pinch(Point center, double startDistance, double endDistance, int steps) {
  steps = std::max(steps, 1);
  const auto fingersAt = [center](double distance) {
    return std::vector<Point>{{center.x - distance / 2, center.y}, {center.x + distance / 2, center.y}};
  };
  if (!touchDown(fingersAt(startDistance))) {
    return;
  }
  for (int step = 1; step <= steps; ++step) {
    const double fraction = static_cast<double>(step) / steps;
    letTimePass(moveInterval);
    touchMove(fingersAt(startDistance + (endDistance - startDistance) * fraction));
  }
  touchUp();
}

}  // namespace platform::ui
