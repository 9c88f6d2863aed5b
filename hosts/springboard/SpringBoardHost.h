#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "HostOptions.h"
#include "StandInSession.h"
#include "hosts/common/scenario/ScenarioEvent.h"

namespace vantile::springboard {

class StopSignals;

// One run of the host: the device folder and device, the screen and clock, the tweak loaded
// into the SpringBoard stand-in, the scenario or the live loop, and the outputs.
class SpringBoardHost {
 public:
  explicit SpringBoardHost(HostOptions options);
  ~SpringBoardHost();

  // The process's exit status: 0, 1 when the tweak cannot be loaded or an output cannot be
  // written, 2 for a scenario or device folder that is refused.
  int run();

  // Everything up to and including the launch; the exit status when it cannot go on.
  std::optional<int> start();
  // After a start.
  StandInSession& session() { return *session_; }

 private:
  platform::springboard::DeviceState readDevice() const;
  bool startClock() const;
  void reportThemeProblems() const;
  int runLive(StopSignals& stops);

  HostOptions options_;
  std::vector<hosts::ScenarioEvent> events_;
  std::unique_ptr<StandInSession> session_;
};

}  // namespace vantile::springboard
