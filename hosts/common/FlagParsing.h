#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantile::hosts {

// Reads one flag's value into the options; gives the reason it refuses the value, or "".
template <typename Options>
using FlagReader = std::function<std::string(Options& options, const std::string& value)>;

template <typename Options>
using FlagReaders = std::map<std::string, FlagReader<Options>, std::less<>>;

// What a command line came to: the options, a request for the usage, or why it was refused.
template <typename Options>
struct ParsedFlags {
  std::optional<Options> options;
  bool help = false;
  std::string error;
  // The flags given, for the checks between flags a host makes afterwards.
  std::map<std::string, bool, std::less<>> seen;
};

// "--flag value" pairs (a switch stands alone), each flag at most once, "--root" required;
// "--help" or "-h" anywhere asks for the usage instead.
template <typename Options>
ParsedFlags<Options> parseFlags(const std::vector<std::string>& arguments, const FlagReaders<Options>& readers,
                                const std::function<bool(std::string_view flag)>& isSwitch = {}) {
  ParsedFlags<Options> parsed;
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      parsed.help = true;
      return parsed;
    }
  }
  const auto refuse = [&parsed](std::string reason) {
    parsed.error = std::move(reason);
    return parsed;
  };
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& flag = arguments[i];
    const auto reader = readers.find(flag);
    if (reader == readers.end()) return refuse("unknown argument \"" + flag + "\"");
    const bool takesValue = !isSwitch || !isSwitch(flag);
    if (takesValue && i + 1 == arguments.size()) return refuse(flag + " needs a value");
    if (parsed.seen[flag]) return refuse(flag + " is given twice");
    parsed.seen[flag] = true;
    const std::string value = takesValue ? arguments[++i] : std::string();
    if (std::string reason = reader->second(options, value); !reason.empty()) return refuse(std::move(reason));
  }
  if (!parsed.seen["--root"]) return refuse("--root is required");
  parsed.options = std::move(options);
  return parsed;
}

}  // namespace vantile::hosts
