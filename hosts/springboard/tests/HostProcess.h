#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "hosts/common/testing/HostProcess.h"

namespace vantile::springboard {

using hosts::eventually;
using hosts::HostProcess;

// The lines of a run's standard error that the springboard host itself wrote.
std::vector<std::string> hostLines(const std::string& errors);

// The built host and notification tool.
std::filesystem::path springboardProgram();
std::filesystem::path vantileNotifyProgram();

}  // namespace vantile::springboard
