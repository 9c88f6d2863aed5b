#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hosts/common/scenario/ScenarioEvent.h"

namespace vantile::hosts {

// Either every event of a scenario, sorted by time (events at the same time keep their order in
// the file), or the one line that says why the scenario is refused.
struct ScenarioReading {
  std::optional<std::vector<ScenarioEvent>> events;
  std::string error;
};

// The whole text is read and checked before anything runs: a JSON array of
// {"at": SECONDS, "do": NAME, ...}, each an event of `host`. The error line starts with the
// host's program name; `fileName` only names the file in it.
ScenarioReading readScenario(std::string_view text, std::string_view fileName, ScenarioHost host);

ScenarioReading readScenarioFile(const std::filesystem::path& file, ScenarioHost host);

// The latest time of an event, 0 for none.
double scenarioLength(const std::vector<ScenarioEvent>& events);

}  // namespace vantile::hosts
