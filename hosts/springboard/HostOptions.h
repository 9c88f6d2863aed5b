#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "LocalDateTime.h"

namespace vantile::springboard {

// The device's screen: size in points and pixels per point.
struct ScreenSpec {
  double width = 375;
  double height = 812;
  double scale = 3;

  friend bool operator==(const ScreenSpec&, const ScreenSpec&) = default;
};

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
};

// Either the options or why the arguments are refused.
struct ParsedHostOptions {
  std::optional<HostOptions> options;
  std::string error;
};

// The arguments after the program name.
ParsedHostOptions parseHostOptions(const std::vector<std::string>& arguments);

std::string hostUsage();

}  // namespace vantile::springboard
