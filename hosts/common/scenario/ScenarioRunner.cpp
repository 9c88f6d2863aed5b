#include "hosts/common/scenario/ScenarioRunner.h"

#include "platform/foundation/queues/MainQueue.h"

namespace vantile::hosts {

void runScenario(const std::vector<ScenarioEvent>& events, double seconds, ScenarioTarget& target) {
  auto& queue = platform::foundation::MainQueue::shared();
  double elapsed = 0;
  for (const ScenarioEvent& event : events) {
    if (event.at > elapsed) {
      queue.advance(event.at - elapsed);
      elapsed = event.at;
    }
    target.perform(event);
    queue.runPending();
  }
  if (seconds > elapsed) {
    queue.advance(seconds - elapsed);
  }
}

}  // namespace vantile::hosts
