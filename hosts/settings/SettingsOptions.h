#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hosts/common/CommandLine.h"
#include "platform/foundation/locale/LocalDateTime.h"

namespace vantile::settings_host {

// What the command line asks of one run of the settings host.
struct SettingsOptions {
  std::filesystem::path root;
  hosts::ScreenSpec screen;
  // Wall-clock time in the process's time zone; nothing: the moment the host starts.
  std::optional<platform::foundation::LocalDateTime> at;
  // Events run on the clock before the end state is written.
  std::optional<std::filesystem::path> scenario;
  std::optional<std::filesystem::path> png;
  std::optional<std::filesystem::path> dump;
};

// The options, a request for the usage, or why the arguments are refused.
struct ParsedSettingsOptions {
  std::optional<SettingsOptions> options;
  bool help = false;
  std::string error;
};

// The arguments after the program name.
ParsedSettingsOptions parseSettingsOptions(const std::vector<std::string>& arguments);

std::string settingsUsage();

}  // namespace vantile::settings_host
