#include "HostOptions.h"

#include <cmath>
#include <string_view>

#include "hosts/common/FlagParsing.h"

namespace vantile::springboard {

namespace {

using hosts::parseNumber;
using hosts::parseScreen;

// The longest run the host accepts: a day of clock time.
constexpr double kMaximumSeconds = 86400;
// The versions whose SpringBoard classes the stand-in knows.
constexpr double kEarliestIOS = 9;
constexpr double kLatestIOS = 17;

// A theme file name: a plain name inside the themes folder.
bool isThemeFileName(std::string_view name) {
  return !name.empty() && name.find('/') == std::string_view::npos && name != "." && name != "..";
}

// Flags that stand alone, without a value.
bool isSwitch(std::string_view flag) { return flag == "--live"; }

const hosts::FlagReaders<HostOptions>& flagReaders() {
  static const hosts::FlagReaders<HostOptions> readers{
      {"--root",
       [](HostOptions& options, const std::string& value) -> std::string {
         if (value.empty()) {
           return "--root needs a folder";
         }
         options.root = value;
         return {};
       }},
      {"--screen",
       [](HostOptions& options, const std::string& value) -> std::string {
         const auto screen = parseScreen(value);
         if (!screen) {
           return "--screen takes WIDTHxHEIGHT@SCALE, such as 375x812@3, not \"" + value + "\"";
         }
         options.screen = *screen;
         return {};
       }},
      {"--at",
       [](HostOptions& options, const std::string& value) -> std::string {
         options.at = parseLocalDateTime(value);
         return options.at ? "" : "--at takes a date and time such as 2026-12-09T08:30:00, not \"" + value + "\"";
       }},
      {"--seconds",
       [](HostOptions& options, const std::string& value) -> std::string {
         const auto seconds = parseNumber(value);
         if (!seconds || *seconds < 0 || *seconds > kMaximumSeconds) {
           return "--seconds takes a number of seconds from 0 to 86400, not \"" + value + "\"";
         }
         options.seconds = *seconds;
         return {};
       }},
      {"--lock-png",
       [](HostOptions& options, const std::string& value) -> std::string {
         options.lockPng = value;
         return value.empty() ? "--lock-png needs a file" : "";
       }},
      {"--home-png",
       [](HostOptions& options, const std::string& value) -> std::string {
         options.homePng = value;
         return value.empty() ? "--home-png needs a file" : "";
       }},
      {"--dump",
       [](HostOptions& options, const std::string& value) -> std::string {
         options.dump = value;
         return value.empty() ? "--dump needs a file" : "";
       }},
      {"--lock-theme",
       [](HostOptions& options, const std::string& value) -> std::string {
         options.lockTheme = value;
         return isThemeFileName(value) ? "" : "--lock-theme takes a theme file name, not \"" + value + "\"";
       }},
      {"--home-theme",
       [](HostOptions& options, const std::string& value) -> std::string {
         options.homeTheme = value;
         return isThemeFileName(value) ? "" : "--home-theme takes a theme file name, not \"" + value + "\"";
       }},
      {"--scenario",
       [](HostOptions& options, const std::string& value) -> std::string {
         options.scenario = value;
         return value.empty() ? "--scenario needs a file" : "";
       }},
      {"--ios",
       [](HostOptions& options, const std::string& value) -> std::string {
         const auto version = parseNumber(value);
         if (!version || *version != std::floor(*version) || *version < kEarliestIOS || *version > kLatestIOS) {
           return "--ios takes a whole iOS version from 9 to 17, not \"" + value + "\"";
         }
         options.ios = static_cast<int>(*version);
         return {};
       }},
      {"--live",
       [](HostOptions& options, const std::string&) -> std::string {
         options.live = true;
         return {};
       }},
      {"--tweak",
       [](HostOptions& options, const std::string& value) -> std::string {
         options.tweak = value;
         return value.empty() ? "--tweak needs a library file" : "";
       }},
  };
  return readers;
}

}  // namespace

ParsedHostOptions parseHostOptions(const std::vector<std::string>& arguments) {
  hosts::ParsedFlags<HostOptions> parsed = hosts::parseFlags(arguments, flagReaders(), isSwitch);
  if (parsed.options && parsed.options->live) {
    for (const char* manualClockFlag : {"--at", "--seconds", "--scenario"}) {
      if (parsed.seen[manualClockFlag]) {
        return {std::nullopt, false,
                std::string(manualClockFlag) + " runs on the manual clock and cannot go with --live"};
      }
    }
  }
  return {std::move(parsed.options), parsed.help, std::move(parsed.error)};
}

std::string hostUsage() {
  return "usage: springboard --root DIR [--screen 375x812@3] [--at 2026-12-09T08:30:00] [--seconds N]\n"
         "                   [--lock-png FILE] [--home-png FILE] [--dump FILE]\n"
         "                   [--lock-theme NAME] [--home-theme NAME] [--scenario FILE] [--ios N]\n"
         "                   [--live] [--tweak LIBRARY]\n"
         "  --root DIR         the device folder (settings, themes, assets)\n"
         "  --screen WxH@S     screen size in points and pixels per point\n"
         "  --at TIME          start of the clock, in the time zone of TZ (default: now)\n"
         "  --seconds N        seconds to run the clock before the pictures are taken\n"
         "  --lock-png FILE    picture of the lock screen\n"
         "  --home-png FILE    picture of the home screen\n"
         "  --dump FILE        JSON dump of both view trees\n"
         "  --lock-theme NAME  lock-screen theme file, over the setting \"VantileTheme\"\n"
         "  --home-theme NAME  home-screen theme file, over the setting \"SB_VantileTheme\"\n"
         "  --scenario FILE    JSON array of events run on the clock (see the README)\n"
         "  --ios N            simulated iOS version (9 to 17), over device.json's \"ios\"\n"
         "  --live             run on the wall clock until SIGINT/SIGTERM, rewriting the outputs\n"
         "                     whenever a screen changes\n"
         "  --tweak LIBRARY    the tweak library to load (default: the one this build made)\n"
         "  --help             this text\n";
}

}  // namespace vantile::springboard
