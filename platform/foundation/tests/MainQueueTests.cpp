#include "platform/foundation/queues/MainQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace platform::foundation {
namespace {

constexpr TimeStamp kStart = 1000.0;

class MainQueueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    queue().clear();
    queue().useManualClock(kStart);
  }
  void TearDown() override {
    queue().clear();
    queue().useRealClock();
  }
  static MainQueue& queue() { return MainQueue::shared(); }
};

TEST_F(MainQueueTest, SharedIsOneQueue) { EXPECT_EQ(&MainQueue::shared(), &MainQueue::shared()); }

TEST_F(MainQueueTest, ManualClock) {
  EXPECT_TRUE(queue().usesManualClock());
  EXPECT_EQ(queue().now(), kStart);
  queue().advance(2.5);
  EXPECT_EQ(queue().now(), kStart + 2.5);
  queue().advance(-1);  // never backwards
  EXPECT_EQ(queue().now(), kStart + 2.5);
  queue().useManualClock(5);
  EXPECT_EQ(queue().now(), 5);
}

TEST_F(MainQueueTest, RealClockIsSecondsSinceTheEpoch) {
  queue().useRealClock();
  EXPECT_FALSE(queue().usesManualClock());
  const double system =
      std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
  EXPECT_NEAR(queue().now(), system, 1.0);
  EXPECT_GT(queue().now(), 1.6e9);
}

TEST_F(MainQueueTest, EqualDueTimesRunInPostingOrder) {
  std::string order;
  for (char c = 'a'; c <= 'j'; ++c) {
    queue().post([&order, c] { order += c; });
  }
  queue().postAfter(1, [&] { order += '1'; });
  queue().postAfter(1, [&] { order += '2'; });
  queue().postAfter(1, [&] { order += '3'; });
  EXPECT_EQ(queue().pendingCount(), 13u);
  queue().runPending();
  EXPECT_EQ(order, "abcdefghij");
  queue().advance(1);
  EXPECT_EQ(order, "abcdefghij123");
  EXPECT_EQ(queue().pendingCount(), 0u);
}

TEST_F(MainQueueTest, TasksRunInOrderOfDueTimeEachAtItsOwnTime) {
  std::vector<std::pair<char, TimeStamp>> runs;
  auto record = [&](char name) { return [&runs, name] { runs.emplace_back(name, MainQueue::shared().now()); }; };
  queue().postAfter(3, record('c'));
  queue().postAfter(1, record('a'));
  queue().postAfter(2.5, record('b'));
  queue().post(record('0'));
  queue().postAfter(10, record('z'));
  queue().advance(5);
  const std::vector<std::pair<char, TimeStamp>> expected{
      {'0', kStart}, {'a', kStart + 1}, {'b', kStart + 2.5}, {'c', kStart + 3}};
  EXPECT_EQ(runs, expected);
  EXPECT_EQ(queue().now(), kStart + 5);
  EXPECT_EQ(queue().pendingCount(), 1u);
  queue().advance(4.999);
  EXPECT_EQ(runs.size(), 4u);
  queue().advance(0.001);
  ASSERT_EQ(runs.size(), 5u);
  EXPECT_EQ(runs.back().first, 'z');
}

TEST_F(MainQueueTest, NegativeAndNaNDelaysMeanNow) {
  int runs = 0;
  queue().postAfter(-5, [&] { ++runs; });
  queue().postAfter(std::numeric_limits<double>::quiet_NaN(), [&] { ++runs; });
  queue().runPending();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(queue().now(), kStart);
}

TEST_F(MainQueueTest, EmptyTasksAreIgnored) {
  queue().post(Task());
  queue().postAfter(1, nullptr);
  EXPECT_EQ(queue().pendingCount(), 0u);
}

TEST_F(MainQueueTest, TasksPostedDuringAdvanceAreHonoured) {
  std::vector<std::pair<std::string, TimeStamp>> runs;
  auto record = [&](std::string name) {
    return [&runs, name] { runs.emplace_back(name, MainQueue::shared().now()); };
  };
  queue().postAfter(1, [&] {
    runs.emplace_back("first", queue().now());
    queue().post(record("zero delay"));
    queue().postAfter(0.5, record("half later"));
    queue().postAfter(10, record("too late"));
  });
  queue().postAfter(1, record("posted before, same time"));
  queue().advance(2);
  const std::vector<std::pair<std::string, TimeStamp>> expected{{"first", kStart + 1},
                                                                {"posted before, same time", kStart + 1},
                                                                {"zero delay", kStart + 1},
                                                                {"half later", kStart + 1.5}};
  EXPECT_EQ(runs, expected);
  EXPECT_EQ(queue().now(), kStart + 2);
  EXPECT_EQ(queue().pendingCount(), 1u);
}

TEST_F(MainQueueTest, ChainsOfZeroDelayPostsRunWithinOneAdvance) {
  int depth = 0;
  std::function<void()> step = [&] {
    if (++depth < 100) {
      queue().post(step);
    }
  };
  queue().postAfter(1, step);
  queue().advance(1);
  EXPECT_EQ(depth, 100);
  EXPECT_EQ(queue().now(), kStart + 1);
}

TEST_F(MainQueueTest, RunPendingRunsOnlyWhatIsDue) {
  std::string order;
  queue().post([&] {
    order += 'a';
    queue().post([&] { order += 'c'; });  // due now: runs in the same runPending
    queue().postAfter(1, [&] { order += 'x'; });
  });
  queue().post([&] { order += 'b'; });
  queue().postAfter(0.5, [&] { order += 'y'; });
  queue().runPending();
  EXPECT_EQ(order, "abc");
  EXPECT_EQ(queue().now(), kStart);
  EXPECT_EQ(queue().pendingCount(), 2u);
}

TEST_F(MainQueueTest, AdvanceOfZeroRunsWhatIsDueNow) {
  int runs = 0;
  queue().post([&] { ++runs; });
  queue().advance(0);
  EXPECT_EQ(runs, 1);
}

TEST_F(MainQueueTest, ClearDropsEverything) {
  int runs = 0;
  queue().post([&] { ++runs; });
  queue().postAfter(1, [&] { ++runs; });
  EXPECT_EQ(queue().pendingCount(), 2u);
  queue().clear();
  EXPECT_EQ(queue().pendingCount(), 0u);
  queue().advance(5);
  EXPECT_EQ(runs, 0);
}

TEST_F(MainQueueTest, ClearFromInsideATask) {
  int runs = 0;
  queue().post([&] {
    ++runs;
    queue().clear();
  });
  queue().post([&] { ++runs; });
  queue().advance(1);
  EXPECT_EQ(runs, 1);
}

TEST_F(MainQueueTest, NestedRunsFromInsideATaskRunNothing) {
  std::string order;
  queue().post([&] {
    order += 'a';
    queue().post([&] { order += 'c'; });
    queue().advance(10);  // refused: logged, runs nothing, moves no time
    queue().runPending();
    queue().runFor(1);
    order += (queue().now() == kStart) ? 'b' : '!';
  });
  queue().runPending();
  EXPECT_EQ(order, "abc");
}

TEST_F(MainQueueTest, AThrowingTaskDoesNotStopTheQueue) {
  int runs = 0;
  queue().post([] { throw std::runtime_error("boom"); });
  queue().post([] { throw 42; });
  queue().post([&] { ++runs; });
  queue().advance(1);
  EXPECT_EQ(runs, 1);
  queue().post([&] { ++runs; });
  queue().runPending();
  EXPECT_EQ(runs, 2);
}

// ---------------------------------------------------------------------------------------------
// Timers

TEST_F(MainQueueTest, TimerFiresOncePerInterval) {
  std::vector<TimeStamp> fires;
  const auto timer = queue().scheduleRepeating(1, [&](RepeatingTimer&) { fires.push_back(queue().now()); });
  EXPECT_TRUE(timer->isValid());
  EXPECT_EQ(timer->interval(), 1);
  queue().advance(0.999);
  EXPECT_TRUE(fires.empty());  // the first fire comes after one interval
  queue().advance(4.001);
  EXPECT_EQ(fires, (std::vector<TimeStamp>{kStart + 1, kStart + 2, kStart + 3, kStart + 4, kStart + 5}));
  queue().advance(5);
  EXPECT_EQ(fires.size(), 10u);
}

TEST_F(MainQueueTest, TimerOfATenthFiresTenTimesASecond) {
  int fires = 0;
  const auto timer = queue().scheduleRepeating(0.1, [&](RepeatingTimer&) { ++fires; });
  queue().advance(1.0);
  EXPECT_EQ(fires, 10);
  for (int i = 0; i < 10; ++i) {
    queue().advance(0.1);
  }
  EXPECT_EQ(fires, 20);
  for (int i = 0; i < 300; ++i) {
    queue().advance(0.1);
  }
  EXPECT_EQ(fires, 320);
}

TEST_F(MainQueueTest, TimerAtRealisticTimestamps) {
  queue().useManualClock(1.7e9 + 0.3);
  int fires = 0;
  const auto timer = queue().scheduleRepeating(1.0 / 60.0, [&](RepeatingTimer&) { ++fires; });
  for (int i = 0; i < 600; ++i) {
    queue().advance(1.0 / 60.0);
    ASSERT_EQ(fires, i + 1);  // one frame, one fire
  }
  queue().advance(10);  // the same ten seconds in one step
  EXPECT_EQ(fires, 1200);
  const auto tenth = queue().scheduleRepeating(0.1, [&](RepeatingTimer&) { ++fires; });
  queue().advance(100);
  EXPECT_EQ(fires, 1200 + 6000 + 1000);
}

TEST_F(MainQueueTest, InvalidateStopsTheTimer) {
  int fires = 0;
  const auto timer = queue().scheduleRepeating(1, [&](RepeatingTimer&) { ++fires; });
  queue().advance(3);
  EXPECT_EQ(fires, 3);
  timer->invalidate();
  EXPECT_FALSE(timer->isValid());
  queue().advance(10);
  EXPECT_EQ(fires, 3);
  EXPECT_EQ(queue().pendingCount(), 0u);
}

TEST_F(MainQueueTest, InvalidateFromInsideTheTick) {
  int fires = 0;
  const auto timer = queue().scheduleRepeating(0.5, [&](RepeatingTimer& self) {
    if (++fires == 4) {
      self.invalidate();
    }
  });
  queue().advance(10);
  EXPECT_EQ(fires, 4);
  EXPECT_FALSE(timer->isValid());
  EXPECT_EQ(queue().pendingCount(), 0u);
}

TEST_F(MainQueueTest, DestroyingTheLastReferenceStopsTheTimer) {
  int fires = 0;
  auto timer = queue().scheduleRepeating(1, [&](RepeatingTimer&) { ++fires; });
  queue().advance(2);
  EXPECT_EQ(fires, 2);
  std::weak_ptr<RepeatingTimer> weak = timer;
  timer.reset();
  EXPECT_TRUE(weak.expired());
  queue().advance(10);
  EXPECT_EQ(fires, 2);
}

TEST_F(MainQueueTest, AnIgnoredTimerNeverFires) {
  int fires = 0;
  (void)queue().scheduleRepeating(1, [&](RepeatingTimer&) { ++fires; });
  queue().advance(5);
  EXPECT_EQ(fires, 0);
}

TEST_F(MainQueueTest, DroppingTheTimerInsideItsTickStopsIt) {
  int fires = 0;
  std::shared_ptr<RepeatingTimer> timer;
  timer = queue().scheduleRepeating(1, [&](RepeatingTimer&) {
    if (++fires == 3) {
      timer.reset();
    }
  });
  queue().advance(10);
  EXPECT_EQ(fires, 3);
  EXPECT_EQ(queue().pendingCount(), 0u);
}

TEST_F(MainQueueTest, NonPositiveIntervalsAreClampedAndNeverSpin) {
  int fires = 0;
  const auto timer = queue().scheduleRepeating(0, [&](RepeatingTimer&) { ++fires; });
  EXPECT_GT(timer->interval(), 0);
  EXPECT_LE(timer->interval(), 0.001);
  queue().advance(0);
  EXPECT_EQ(fires, 0);
  queue().advance(0.1);
  EXPECT_EQ(static_cast<double>(fires), std::round(0.1 / timer->interval()));
  const auto negative = queue().scheduleRepeating(-3, [](RepeatingTimer&) {});
  EXPECT_EQ(negative->interval(), timer->interval());
}

TEST_F(MainQueueTest, TwoTimersInterleave) {
  std::string order;
  const auto a = queue().scheduleRepeating(1, [&](RepeatingTimer&) { order += 'a'; });
  const auto b = queue().scheduleRepeating(1.5, [&](RepeatingTimer&) { order += 'b'; });
  queue().advance(3);
  // a at 1, 2, 3; b at 1.5, 3. At 3, b's fire was posted first (at 1.5, a's at 2), so it runs first.
  EXPECT_EQ(order, "ababa");
}

// ---------------------------------------------------------------------------------------------
// Other threads and the real clock

TEST_F(MainQueueTest, PostsFromAnotherThreadRunInRunPending) {
  std::atomic<int> runs{0};
  std::thread other([&] {
    for (int i = 0; i < 10; ++i) {
      queue().post([&] { ++runs; });
    }
  });
  other.join();
  EXPECT_EQ(runs.load(), 0);
  queue().runPending();
  EXPECT_EQ(runs.load(), 10);
}

TEST_F(MainQueueTest, ConcurrentPostsKeepEachThreadsOrder) {
  constexpr int kThreads = 4;
  constexpr int kPosts = 1000;
  std::vector<std::vector<int>> seen(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < kPosts; ++i) {
        queue().post([&seen, t, i] { seen[t].push_back(i); });
      }
    });
  }
  for (auto& thread : threads) {
    thread.join();
  }
  EXPECT_EQ(queue().pendingCount(), static_cast<std::size_t>(kThreads * kPosts));
  queue().runPending();
  for (int t = 0; t < kThreads; ++t) {
    ASSERT_EQ(seen[t].size(), static_cast<std::size_t>(kPosts));
    for (int i = 0; i < kPosts; ++i) {
      ASSERT_EQ(seen[t][i], i);
    }
  }
}

TEST_F(MainQueueTest, RunForWithTheManualClockAdvances) {
  int runs = 0;
  queue().postAfter(2, [&] { ++runs; });
  queue().runFor(3);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(queue().now(), kStart + 3);
}

TEST_F(MainQueueTest, RunForWakesForAPostFromAnotherThread) {
  queue().useRealClock();
  std::atomic<bool> ran{false};
  std::thread::id ranOn;
  std::thread other([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    queue().post([&] {
      ranOn = std::this_thread::get_id();
      ran = true;
    });
  });
  const auto start = std::chrono::steady_clock::now();
  queue().runFor(0.5);
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  other.join();
  EXPECT_TRUE(ran.load());
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  EXPECT_GE(elapsed, 0.45);  // runs until the time is up
  EXPECT_LT(elapsed, 5.0);
}

TEST_F(MainQueueTest, RunForRunsDelayedTasksWhenDue) {
  queue().useRealClock();
  std::vector<double> ranAt;
  const TimeStamp start = queue().now();
  queue().postAfter(0.1, [&] { ranAt.push_back(queue().now() - start); });
  queue().postAfter(0.05, [&] { ranAt.push_back(queue().now() - start); });
  queue().postAfter(10, [&] { ranAt.push_back(-1); });
  queue().runFor(0.3);
  ASSERT_EQ(ranAt.size(), 2u);
  EXPECT_GE(ranAt[0], 0.05);
  EXPECT_GE(ranAt[1], 0.1);
  EXPECT_LT(ranAt[1], 2.0);
  EXPECT_EQ(queue().pendingCount(), 1u);
}

TEST_F(MainQueueTest, TimerOnTheRealClock) {
  queue().useRealClock();
  int fires = 0;
  const auto timer = queue().scheduleRepeating(0.02, [&](RepeatingTimer&) { ++fires; });
  queue().runFor(0.3);
  // About 15; a loaded machine (sanitizers, parallel tests) may manage fewer, never more.
  EXPECT_GE(fires, 3);
  EXPECT_LE(fires, 15);
}

TEST_F(MainQueueTest, RunPendingOnTheRealClockRunsPostsOfOtherThreads) {
  queue().useRealClock();
  std::atomic<int> runs{0};
  std::thread other([&] { queue().post([&] { ++runs; }); });
  other.join();
  queue().runPending();
  EXPECT_EQ(runs.load(), 1);
}

TEST_F(MainQueueTest, WaitForDueTaskWakesForAPostFromAnotherThreadAndRunsNothing) {
  EXPECT_FALSE(queue().waitForDueTask(0.01)) << "nothing posted";
  int runs = 0;
  queue().postAfter(5, [&] { ++runs; });
  EXPECT_FALSE(queue().waitForDueTask(0.01)) << "the manual clock does not move while waiting";

  std::thread other([&] { queue().post([&] { ++runs; }); });
  EXPECT_TRUE(queue().waitForDueTask(10));
  other.join();
  EXPECT_EQ(runs, 0);
  queue().runPending();
  EXPECT_EQ(runs, 1);
}

TEST_F(MainQueueTest, WaitForDueTaskOnTheRealClockWakesWhenADelayedTaskFallsDue) {
  queue().useRealClock();
  queue().postAfter(0.01, [] {});
  EXPECT_TRUE(queue().waitForDueTask(10));
}

}  // namespace
}  // namespace platform::foundation
