#pragma once

#include "platform/foundation/queues/MainQueue.h"

namespace vantile::testing {

// For the life of a test fixture: the main queue on a manual clock, emptied before and after, so
// no task of one test runs in the next. Declare it first, before members that post to the queue.
class ManualMainQueue {
 public:
  static constexpr double start = 1'000'000;

  ManualMainQueue() {
    queue().clear();
    queue().useManualClock(start);
  }
  ~ManualMainQueue() {
    queue().clear();
    queue().useRealClock();
  }
  ManualMainQueue(const ManualMainQueue&) = delete;
  ManualMainQueue& operator=(const ManualMainQueue&) = delete;

 private:
  static platform::foundation::MainQueue& queue() { return platform::foundation::MainQueue::shared(); }
};

}  // namespace vantile::testing
