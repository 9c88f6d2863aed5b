#include "hosts/common/scenario/ScenarioRunner.h"

#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/queues/WorkerQueue.h"

namespace vantile::hosts {

namespace {

// Longer than any bounded transfer a worker makes.
constexpr double kWorkerWaitLimit = 30;

// A reply may start further transfers (a catalogue, then its pictures): a few rounds let such a
// chain come back.
constexpr int kSettleRounds = 4;

// The clock is manual: what workers hand back is due when the clock moves, however late the
// worker thread gets to it in real time — also what they were given while it moved.
void settle(platform::foundation::MainQueue& queue) {
  for (int round = 0; round < kSettleRounds; ++round) {
    if (!platform::foundation::WorkerQueue::shared().waitUntilIdle(kWorkerWaitLimit)) return;
    queue.runPending();
  }
}

void advance(platform::foundation::MainQueue& queue, double seconds) {
  settle(queue);
  queue.advance(seconds);
  settle(queue);
}

}  // namespace

void runScenario(const std::vector<ScenarioEvent>& events, double seconds, ScenarioTarget& target) {
  auto& queue = platform::foundation::MainQueue::shared();
  double elapsed = 0;
  for (const ScenarioEvent& event : events) {
    if (event.at > elapsed) {
      advance(queue, event.at - elapsed);
      elapsed = event.at;
    }
    target.perform(event);
    queue.runPending();
  }
  if (seconds > elapsed) {
    advance(queue, seconds - elapsed);
  }
}

}  // namespace vantile::hosts
