#include "platform/ui/animation/ViewAnimationCompletion.h"

#include "platform/foundation/queues/MainQueue.h"

namespace platform::ui {

std::shared_ptr<ViewAnimationCompletion> ViewAnimationCompletion::make(Handler handler) {
  return std::make_shared<ViewAnimationCompletion>(ConstructionKey{}, std::move(handler));
}

ViewAnimationCompletion::ViewAnimationCompletion(ConstructionKey, Handler handler) : handler_(std::move(handler)) {}

std::function<void(bool)> ViewAnimationCompletion::track() {
  ++pending_;
  return [self = shared_from_this()](bool finished) { self->stopped(finished); };
}

void ViewAnimationCompletion::seal(bool finished) {
  sealed_ = true;
  allFinished_ = allFinished_ && finished;
  if (pending_ == 0) {
    foundation::MainQueue::shared().post([self = shared_from_this()] { self->report(); });
  }
}

void ViewAnimationCompletion::stopped(bool finished) {
  allFinished_ = allFinished_ && finished;
  if (pending_ > 0 && --pending_ == 0 && sealed_) {
    report();
  }
}

void ViewAnimationCompletion::report() {
  // Dropped once called, so what it captured is let go even while the layers live on.
  Handler handler = std::move(handler_);
  handler_ = nullptr;
  if (handler) {
    handler(allFinished_);
  }
}

}  // namespace platform::ui
