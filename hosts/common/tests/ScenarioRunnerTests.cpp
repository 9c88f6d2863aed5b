#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <chrono>
#include <thread>
#include <utility>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/queues/WorkerQueue.h"
#include "hosts/common/scenario/ScenarioReader.h"
#include "hosts/common/scenario/ScenarioRunner.h"

namespace vantile::hosts {
namespace {

using platform::foundation::MainQueue;

constexpr double kStart = 1'800'000'000;

// Notes each event with the clock's reading, and lets an event start work of its own.
class RecordingTarget : public ScenarioTarget {
 public:
  void perform(const ScenarioEvent& event) override {
    log.push_back("event " + std::to_string(event.index) + " at " + std::to_string(MainQueue::shared().now() - kStart));
    if (event.action == ScenarioAction::unlock) {
      MainQueue::shared().post([this] { log.push_back("posted by the unlock"); });
    }
    if (std::exchange(handsWorkToAWorker, false)) {
      platform::foundation::WorkerQueue::shared().perform([this]() -> platform::foundation::Task {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return [this] { log.push_back("handed back by a worker"); };
      });
    }
  }
  std::vector<std::string> log;
  // The next event hands one piece of work to a worker.
  bool handsWorkToAWorker = false;
};

class ScenarioRunner : public ::testing::Test {
 protected:
  void SetUp() override {
    MainQueue::shared().clear();
    MainQueue::shared().useManualClock(kStart);
  }
  void TearDown() override {
    MainQueue::shared().clear();
    MainQueue::shared().useRealClock();
  }

  static std::vector<ScenarioEvent> events(const std::string& text) {
    auto reading = readScenario(text, "s.json", ScenarioHost::springboard);
    EXPECT_TRUE(reading.events) << reading.error;
    return reading.events.value_or(std::vector<ScenarioEvent>{});
  }
};

TEST_F(ScenarioRunner, RunsEachEventAtItsTimeAfterTheWorkDueByThenAndBeforeTheNext) {
  std::vector<std::string> log;
  MainQueue::shared().postAfter(2, [&] { log.push_back("timer at 2"); });
  MainQueue::shared().postAfter(2.5, [&] { log.push_back("timer at 2.5"); });
  RecordingTarget target;
  runScenario(events(R"([{"at": 2, "do": "lock"}, {"at": 0, "do": "unlock"}, {"at": 2, "do": "wake"}])"), 0, target);

  EXPECT_EQ(target.log, (std::vector<std::string>{"event 1 at 0.000000", "posted by the unlock",
                                                  "event 0 at 2.000000", "event 2 at 2.000000"}));
  EXPECT_EQ(log, (std::vector<std::string>{"timer at 2"}));
  EXPECT_EQ(MainQueue::shared().now(), kStart + 2);
}

TEST_F(ScenarioRunner, RunsTheClockOnToTheLaterOfTheLastEventAndTheSecondsAsked) {
  RecordingTarget target;
  runScenario(events(R"([{"at": 1, "do": "lock"}])"), 4, target);
  EXPECT_EQ(MainQueue::shared().now(), kStart + 4);

  MainQueue::shared().useManualClock(kStart);
  runScenario(events(R"([{"at": 6, "do": "lock"}])"), 4, target);
  EXPECT_EQ(MainQueue::shared().now(), kStart + 6);

  MainQueue::shared().useManualClock(kStart);
  runScenario({}, 3, target);
  EXPECT_EQ(MainQueue::shared().now(), kStart + 3);
}

// However late the worker thread gets to it, its result is in before the clock moves on.
TEST_F(ScenarioRunner, WorkAnEventHandsToAWorkerIsBackBeforeTheNextEvent) {
  RecordingTarget target;
  target.handsWorkToAWorker = true;
  runScenario(events(R"([{"at": 1, "do": "wake"}, {"at": 1.5, "do": "lock"}])"), 0, target);
  EXPECT_EQ(target.log, (std::vector<std::string>{"event 0 at 1.000000", "handed back by a worker",
                                                  "event 1 at 1.500000"}));
}

}  // namespace
}  // namespace vantile::hosts
