#include "platform/ui/gestures/GestureRecognizer.h"

#include <algorithm>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchSequence.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

namespace {

using State = GestureRecognizer::State;

bool isAllowedTransition(State from, State to) {
  switch (from) {
    case State::possible:
      return to == State::began || to == State::ended || to == State::failed;
    case State::began:
    case State::changed:
      return to == State::changed || to == State::ended || to == State::cancelled;
    case State::ended:
    case State::cancelled:
    case State::failed:
      return false;
  }
  return false;
}

}  // namespace

GestureRecognizer::GestureRecognizer(ConstructionKey) {}

GestureRecognizer::~GestureRecognizer() = default;

void GestureRecognizer::setEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) {
    abandonGesture();
  }
}

void GestureRecognizer::addTarget(Action action) {
  if (action) {
    targets_.push_back(std::move(action));
  }
}

void GestureRecognizer::setAssociatedValue(const std::string& key, Value value) {
  if (value.is_null()) {
    associatedValues_.erase(key);
  } else {
    associatedValues_.insert_or_assign(key, std::move(value));
  }
}

std::optional<Value> GestureRecognizer::associatedValue(const std::string& key) const {
  const auto found = associatedValues_.find(key);
  if (found == associatedValues_.end()) {
    return std::nullopt;
  }
  return found->second;
}

std::optional<graphics::Point> GestureRecognizer::locationInView(const View* view) const {
  if (!location_) {
    return std::nullopt;
  }
  return convertFromRoot(*location_, view);
}

std::optional<graphics::Point> GestureRecognizer::convertFromRoot(graphics::Point point, const View* view) const {
  const std::shared_ptr<View> root = root_.lock();
  if (!root) {
    return std::nullopt;
  }
  return view != nullptr ? view->convertPointFromView(point, root.get()) : point;
}

std::optional<graphics::Point> GestureRecognizer::convertToRoot(graphics::Point point, const View* view) const {
  const std::shared_ptr<View> root = root_.lock();
  if (!root) {
    return std::nullopt;
  }
  return view != nullptr ? view->convertPointToView(point, root.get()) : point;
}

std::optional<graphics::Point> GestureRecognizer::centroid(const std::vector<Touch>& touches) {
  if (touches.empty()) {
    return std::nullopt;
  }
  graphics::Point sum;
  for (const Touch& touch : touches) {
    sum.x += touch.location.x;
    sum.y += touch.location.y;
  }
  const auto count = static_cast<double>(touches.size());
  return graphics::Point{sum.x / count, sum.y / count};
}

void GestureRecognizer::touchesBegan(const std::vector<Touch>&) {}
void GestureRecognizer::touchesMoved(const std::vector<Touch>&) {}
void GestureRecognizer::touchesEnded(const std::vector<Touch>&) {}

void GestureRecognizer::touchesCancelled(const std::vector<Touch>&) { abandonGesture(); }

void GestureRecognizer::reset() {}

void GestureRecognizer::setState(State state) {
  if (!isAllowedTransition(state_, state)) {
    foundation::systemLog("GestureRecognizer: ignored a state change its current state does not allow");
    return;
  }
  // An action may drop the last owner of this recogniser (its view).
  const std::shared_ptr<GestureRecognizer> keepAlive = weak_from_this().lock();
  const State previous = state_;
  state_ = state;
  const bool wins = state == State::began || (state == State::recognized && previous == State::possible);
  if (wins) {
    if (const std::shared_ptr<TouchSequence> sequence = sequence_.lock()) {
      sequence->recognizerDidWin(*this);
    }
  }
  if (state != State::failed) {
    const std::vector<Action> targets = targets_;
    for (const Action& action : targets) {
      action(*this);
    }
  }
  if (isFinished() && !inSequence_) {
    resetToPossible();
  }
}

void GestureRecognizer::scheduleAfter(double seconds, std::function<void()> task) {
  const std::uint64_t generation = ++scheduleGeneration_;
  foundation::MainQueue::shared().postAfter(
      seconds, [weakSelf = weak_from_this(), generation, task = std::move(task)] {
        const std::shared_ptr<GestureRecognizer> self = weakSelf.lock();
        if (self && self->scheduleGeneration_ == generation) {
          task();
        }
      });
}

void GestureRecognizer::detachFromView() {
  view_.reset();
  abandonGesture();
}

void GestureRecognizer::joinSequence(std::weak_ptr<TouchSequence> sequence) {
  sequence_ = std::move(sequence);
  inSequence_ = true;
}

void GestureRecognizer::leaveSequence() {
  sequence_.reset();
  inSequence_ = false;
  activeTouches_.clear();
  if (state_ == State::began || state_ == State::changed) {
    setState(State::cancelled);
  } else if (isFinished()) {
    resetToPossible();
  }
}

void GestureRecognizer::deliver(TouchPhase phase, const std::vector<Touch>& touches) {
  for (const Touch& touch : touches) {
    const auto same = [&touch](const Touch& active) { return active.identifier == touch.identifier; };
    std::erase_if(activeTouches_, same);
    if (phase == TouchPhase::began || phase == TouchPhase::moved) {
      activeTouches_.push_back(touch);
    }
  }
  if (!touches.empty()) {
    root_ = touches.front().root;
    location_ = centroid(activeTouches_.empty() ? touches : activeTouches_);
  }
  switch (phase) {
    case TouchPhase::began:
      touchesBegan(touches);
      break;
    case TouchPhase::moved:
      touchesMoved(touches);
      break;
    case TouchPhase::ended:
      touchesEnded(touches);
      break;
    case TouchPhase::cancelled:
      touchesCancelled(touches);
      break;
  }
}

void GestureRecognizer::abandonGesture() {
  if (state_ == State::began || state_ == State::changed) {
    setState(State::cancelled);
  } else if (state_ == State::possible) {
    setState(State::failed);
  }
}

void GestureRecognizer::resetToPossible() {
  cancelScheduled();
  reset();
  state_ = State::possible;
}

bool GestureRecognizer::isFinished() const {
  return state_ == State::ended || state_ == State::cancelled || state_ == State::failed;
}

}  // namespace platform::ui
