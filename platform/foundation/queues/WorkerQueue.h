#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/queues/MainQueue.h"

namespace platform::foundation {

// Work that must not hold the main thread (transfers, decoding what they bring) runs on a few
// worker threads; what it hands back runs on the main queue. Safe from any thread.
class WorkerQueue {
 public:
  // Runs on a worker; the task it returns, if any, is posted to the main queue.
  using Work = std::function<Task()>;

  static WorkerQueue& shared();

  void perform(Work work);
  // Blocks until no work is queued or running, so what the workers hand back is on the main
  // queue; false when work is still under way after `limitSeconds` (a bound, not a measurement).
  // For hosts that run the main queue on a manual clock, where nothing waits in real time.
  bool waitUntilIdle(double limitSeconds);

  WorkerQueue(const WorkerQueue&) = delete;
  WorkerQueue& operator=(const WorkerQueue&) = delete;
  // Lets the work under way finish and drops what has not started.
  ~WorkerQueue();

 private:
  WorkerQueue();
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace platform::foundation
