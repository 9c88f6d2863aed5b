#include "platform/foundation/queues/WorkerQueue.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/files/SystemLog.h"

namespace platform::foundation {

namespace {

// Enough for the pictures of a theme to load side by side; each transfer is bounded in time.
constexpr std::size_t kWorkerCount = 4;

}  // namespace

struct WorkerQueue::State {
  std::mutex mutex;
  std::condition_variable wake;
  std::condition_variable idle;
  std::deque<Work> pending;  // guarded by mutex
  std::size_t running = 0;   // guarded by mutex
  bool stopping = false;     // guarded by mutex
  std::vector<std::thread> workers;

  void run() {
    while (true) {
      Work work;
      {
        std::unique_lock lock(mutex);
        wake.wait(lock, [this] { return stopping || !pending.empty(); });
        if (stopping) {
          return;
        }
        work = std::move(pending.front());
        pending.pop_front();
        ++running;
      }
      Task done;
      try {
        done = work();
      } catch (const std::exception& exception) {
        systemLog(std::string("WorkerQueue: work threw: ") + exception.what());
      } catch (...) {
        systemLog("WorkerQueue: work threw an unknown exception");
      }
      if (done) {
        MainQueue::shared().post(std::move(done));
      }
      const std::lock_guard lock(mutex);
      --running;
      if (isIdle()) idle.notify_all();
    }
  }

  bool isIdle() const { return pending.empty() && running == 0; }
};

WorkerQueue& WorkerQueue::shared() {
  static WorkerQueue queue;
  return queue;
}

// The main queue is made first, so it outlives the workers that post to it.
WorkerQueue::WorkerQueue() : state_(std::make_unique<State>()) { MainQueue::shared(); }

WorkerQueue::~WorkerQueue() {
  {
    const std::lock_guard lock(state_->mutex);
    state_->stopping = true;
  }
  state_->wake.notify_all();
  for (std::thread& worker : state_->workers) {
    worker.join();
  }
}

void WorkerQueue::perform(Work work) {
  if (!work) {
    return;
  }
  {
    const std::lock_guard lock(state_->mutex);
    if (state_->stopping) {
      return;
    }
    state_->pending.push_back(std::move(work));
    // Started on first use, so processes that never need a worker have none.
    if (state_->workers.size() < kWorkerCount) {
      state_->workers.emplace_back([state = state_.get()] { state->run(); });
    }
  }
  state_->wake.notify_one();
}

bool WorkerQueue::waitUntilIdle(double limitSeconds) {
  std::unique_lock lock(state_->mutex);
  return state_->idle.wait_for(lock, std::chrono::duration<double>(limitSeconds), [this] { return state_->isIdle(); });
}

}  // namespace platform::foundation
