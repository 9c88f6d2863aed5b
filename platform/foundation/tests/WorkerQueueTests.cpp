#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/foundation/queues/WorkerQueue.h"

namespace platform::foundation {
namespace {

TEST(WorkerQueue, WorkRunsOffTheMainThreadAndItsResultOnTheMainQueue) {
  MainQueue::shared().clear();
  const auto mainThread = std::this_thread::get_id();
  std::atomic<int> worked{0};
  std::vector<int> delivered;
  constexpr int kJobs = 8;
  for (int job = 0; job < kJobs; ++job) {
    WorkerQueue::shared().perform([&, job]() -> Task {
      if (std::this_thread::get_id() != mainThread) ++worked;
      return [&delivered, job] { delivered.push_back(job); };
    });
  }
  // Bounded so that a fault fails the test instead of hanging it.
  for (int round = 0; round < 500 && worked < kJobs; ++round) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_EQ(worked.load(), kJobs);
  for (int round = 0; round < 500 && MainQueue::shared().pendingCount() < kJobs; ++round) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(delivered.empty()) << "results wait for the main queue";
  MainQueue::shared().runPending();
  std::sort(delivered.begin(), delivered.end());
  EXPECT_EQ(delivered, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(WorkerQueue, WaitingUntilIdleReturnsOnceEveryResultIsOnTheMainQueue) {
  MainQueue::shared().clear();
  constexpr int kJobs = 6;
  for (int job = 0; job < kJobs; ++job) {
    WorkerQueue::shared().perform([]() -> Task {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      return [] {};
    });
  }
  ASSERT_TRUE(WorkerQueue::shared().waitUntilIdle(10));
  EXPECT_EQ(MainQueue::shared().pendingCount(), static_cast<std::size_t>(kJobs));
  MainQueue::shared().clear();
  EXPECT_TRUE(WorkerQueue::shared().waitUntilIdle(0));
}

}  // namespace
}  // namespace platform::foundation
