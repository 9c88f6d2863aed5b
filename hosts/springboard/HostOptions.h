#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hosts/common/CommandLine.h"
#include "platform/foundation/locale/LocalDateTime.h"

namespace vantile::springboard {

using platform::foundation::LocalDateTime;
using platform::foundation::parseLocalDateTime;
using platform::foundation::timeStampInProcessZone;
using hosts::ScreenSpec;

// What the command line asks of one run of the host.
struct HostOptions {
  std::filesystem::path root;
  ScreenSpec screen;
  // Wall-clock time in the process's time zone; nothing: the moment the host starts.
  std::optional<LocalDateTime> at;
  double seconds = 0;
  std::optional<std::filesystem::path> lockPng;
  std::optional<std::filesystem::path> homePng;
  std::optional<std::filesystem::path> dump;
  // Theme file names in "/var/mobile/Library/Vantile/themes/"; they win over the settings.
  std::optional<std::string> lockTheme;
  std::optional<std::string> homeTheme;
  // Events run on the clock before the end state is written.
  std::optional<std::filesystem::path> scenario;
  // The simulated iOS version, over device.json's "ios".
  std::optional<int> ios;
  // Run on the wall clock until SIGINT or SIGTERM, rewriting the outputs when a screen changes.
  bool live = false;
  // The tweak library; nothing: the one the build made.
  std::optional<std::filesystem::path> tweak;
};

// The options, a request for the usage, or why the arguments are refused.
struct ParsedHostOptions {
  std::optional<HostOptions> options;
  bool help = false;
  std::string error;
};

// The arguments after the program name.
ParsedHostOptions parseHostOptions(const std::vector<std::string>& arguments);

std::string hostUsage();

}  // namespace vantile::springboard
