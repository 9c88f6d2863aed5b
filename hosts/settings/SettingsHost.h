#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "SettingsOptions.h"
#include "SettingsSession.h"
#include "hosts/common/scenario/ScenarioEvent.h"

namespace vantile::settings_host {

// One run of the host: the device folder, the screen and clock, the tweak and the settings
// bundle loaded as the Settings app loads them, the bundle's root pane in a navigation stack,
// the scenario, and the outputs.
class SettingsHost {
 public:
  explicit SettingsHost(SettingsOptions options);
  ~SettingsHost();

  // The process's exit status: 0, 1 when a library or the bundle's root pane cannot be loaded or
  // an output cannot be written, 2 for a scenario or device folder that is refused.
  int run();

 private:
  std::optional<int> start();
  bool startClock() const;

  SettingsOptions options_;
  std::vector<hosts::ScenarioEvent> events_;
  std::unique_ptr<SettingsSession> session_;
};

}  // namespace vantile::settings_host
