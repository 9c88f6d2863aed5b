#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantile::notify {

// What one run of the tool posts, and where.
struct NotifyOptions {
  std::filesystem::path root;
  std::string name;
};

// The options, a request for help, or why the arguments are refused.
struct ParsedNotifyOptions {
  std::optional<NotifyOptions> options;
  bool help = false;
  std::string error;
};

// The arguments after the program name.
ParsedNotifyOptions parseNotifyOptions(const std::vector<std::string>& arguments);

std::string notifyUsage();

}  // namespace vantile::notify
