#include "HostProcess.h"

namespace vantile::springboard {

std::vector<std::string> hostLines(const std::string& errors) { return hosts::hostLines(errors, "springboard"); }

std::filesystem::path springboardProgram() { return SPRINGBOARD_PROGRAM; }

std::filesystem::path vantileNotifyProgram() { return VANTILE_NOTIFY_PROGRAM; }

}  // namespace vantile::springboard
