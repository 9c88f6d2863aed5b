#pragma once

#include <vector>

#include "hosts/common/scenario/ScenarioEvent.h"

namespace vantile::hosts {

// What carries out a scenario's events: the host.
class ScenarioTarget {
 public:
  virtual ~ScenarioTarget() = default;
  virtual void perform(const ScenarioEvent& event) = 0;
};

// Runs sorted events on the main queue's manual clock, each at its time counted from the clock's
// reading now, after everything that falls due by then, and what it starts before the next.
// The clock then runs on to `seconds` when that is later than the last event.
void runScenario(const std::vector<ScenarioEvent>& events, double seconds, ScenarioTarget& target);

}  // namespace vantile::hosts
