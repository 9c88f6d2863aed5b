#include "platform/ui/gestures/TouchSequence.h"

#include <algorithm>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

namespace {

bool isLive(const GestureRecognizer& recognizer) {
  using State = GestureRecognizer::State;
  const State state = recognizer.state();
  return recognizer.isEnabled() && (state == State::possible || state == State::began || state == State::changed);
}

}  // namespace

std::shared_ptr<TouchSequence> TouchSequence::begin(std::shared_ptr<View> root,
                                                    const std::vector<graphics::Point>& locations) {
  auto sequence = std::make_shared<TouchSequence>(ConstructionKey{}, std::move(root));
  const double now = foundation::MainQueue::shared().now();
  for (std::size_t finger = 0; finger < locations.size(); ++finger) {
    std::shared_ptr<View> hit = sequence->root_ ? sequence->root_->hitTest(locations[finger]) : nullptr;
    sequence->touches_.push_back({static_cast<int>(finger), TouchPhase::began, locations[finger], locations[finger],
                                  now, hit, sequence->root_});
    sequence->hitViews_.push_back(std::move(hit));
  }
  sequence->gatherRecognizers();
  sequence->dispatch(TouchPhase::began);
  return sequence;
}

TouchSequence::TouchSequence(ConstructionKey, std::shared_ptr<View> root) : root_(std::move(root)) {}

TouchSequence::~TouchSequence() = default;

void TouchSequence::gatherRecognizers() {
  for (const std::shared_ptr<View>& hit : hitViews_) {
    for (std::shared_ptr<View> view = hit; view; view = view->superview()) {
      for (const std::shared_ptr<GestureRecognizer>& recognizer : view->gestureRecognizers()) {
        const bool known = std::find(recognizers_.begin(), recognizers_.end(), recognizer) != recognizers_.end();
        if (recognizer->isEnabled() && !known) {
          recognizers_.push_back(recognizer);
        }
      }
    }
  }
  for (const std::shared_ptr<GestureRecognizer>& recognizer : recognizers_) {
    recognizer->joinSequence(weak_from_this());
  }
}

void TouchSequence::move(const std::vector<graphics::Point>& locations) {
  if (finished_) {
    return;
  }
  if (locations.size() != touches_.size()) {
    foundation::systemLog("TouchSequence: ignored a move with a different number of fingers");
    return;
  }
  for (std::size_t finger = 0; finger < locations.size(); ++finger) {
    touches_[finger].previousLocation = touches_[finger].location;
    touches_[finger].location = locations[finger];
  }
  stampTouches(TouchPhase::moved);
  dispatch(TouchPhase::moved);
}

void TouchSequence::end() {
  if (finished_) {
    return;
  }
  for (Touch& touch : touches_) {
    touch.previousLocation = touch.location;
  }
  stampTouches(TouchPhase::ended);
  dispatch(TouchPhase::ended);
  finished_ = true;
  const std::vector<std::shared_ptr<GestureRecognizer>> recognizers = recognizers_;
  for (const std::shared_ptr<GestureRecognizer>& recognizer : recognizers) {
    recognizer->leaveSequence();
  }
}

void TouchSequence::stampTouches(TouchPhase phase) {
  const double now = foundation::MainQueue::shared().now();
  for (Touch& touch : touches_) {
    touch.phase = phase;
    touch.timestamp = now;
  }
}

std::vector<Touch> TouchSequence::touchesFor(const GestureRecognizer& recognizer) const {
  std::vector<Touch> touches;
  const std::shared_ptr<View> view = recognizer.view();
  if (!view) {
    return touches;
  }
  for (std::size_t finger = 0; finger < touches_.size(); ++finger) {
    if (hitViews_[finger] && hitViews_[finger]->isDescendantOfView(*view)) {
      touches.push_back(touches_[finger]);
    }
  }
  return touches;
}

void TouchSequence::dispatch(TouchPhase phase) {
  const std::vector<std::shared_ptr<GestureRecognizer>> recognizers = recognizers_;
  for (const std::shared_ptr<GestureRecognizer>& recognizer : recognizers) {
    if (!isLive(*recognizer)) {
      continue;
    }
    const std::vector<Touch> touches = touchesFor(*recognizer);
    if (!touches.empty()) {
      recognizer->deliver(phase, touches);
    }
  }
  if (!viewsCancelled_) {
    deliverToViews(phase);
    viewsBegan_ = true;
  }
}

void TouchSequence::deliverToViews(TouchPhase phase) {
  std::vector<const View*> delivered;
  for (std::size_t finger = 0; finger < touches_.size(); ++finger) {
    const std::shared_ptr<View>& view = hitViews_[finger];
    if (!view || std::find(delivered.begin(), delivered.end(), view.get()) != delivered.end()) {
      continue;
    }
    delivered.push_back(view.get());
    std::vector<Touch> touches;
    for (std::size_t other = finger; other < touches_.size(); ++other) {
      if (hitViews_[other] == view) {
        touches.push_back(touches_[other]);
        touches.back().phase = phase;
      }
    }
    switch (phase) {
      case TouchPhase::began:
        view->touchesBegan(touches);
        break;
      case TouchPhase::moved:
        view->touchesMoved(touches);
        break;
      case TouchPhase::ended:
        view->touchesEnded(touches);
        break;
      case TouchPhase::cancelled:
        view->touchesCancelled(touches);
        break;
    }
  }
}

void TouchSequence::recognizerDidWin(const GestureRecognizer& winner) {
  const std::vector<std::shared_ptr<GestureRecognizer>> recognizers = recognizers_;
  for (const std::shared_ptr<GestureRecognizer>& recognizer : recognizers) {
    if (recognizer.get() != &winner && recognizer->state() == GestureRecognizer::State::possible) {
      recognizer->setState(GestureRecognizer::State::failed);
    }
  }
  if (!viewsCancelled_) {
    viewsCancelled_ = true;
    if (viewsBegan_) {
      deliverToViews(TouchPhase::cancelled);
    }
  }
}

}  // namespace platform::ui
