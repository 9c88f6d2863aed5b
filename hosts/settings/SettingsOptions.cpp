#include "SettingsOptions.h"

#include "hosts/common/FlagParsing.h"

namespace vantile::settings_host {

namespace {

const hosts::FlagReaders<SettingsOptions>& flagReaders() {
  static const hosts::FlagReaders<SettingsOptions> readers{
      {"--root",
       [](SettingsOptions& options, const std::string& value) -> std::string {
         options.root = value;
         return value.empty() ? "--root needs a folder" : "";
       }},
      {"--screen",
       [](SettingsOptions& options, const std::string& value) -> std::string {
         const auto screen = hosts::parseScreen(value);
         if (!screen) {
           return "--screen takes WIDTHxHEIGHT@SCALE, such as 375x812@3, not \"" + value + "\"";
         }
         options.screen = *screen;
         return {};
       }},
      {"--at",
       [](SettingsOptions& options, const std::string& value) -> std::string {
         options.at = platform::foundation::parseLocalDateTime(value);
         return options.at ? "" : "--at takes a date and time such as 2026-12-09T08:30:00, not \"" + value + "\"";
       }},
      {"--scenario",
       [](SettingsOptions& options, const std::string& value) -> std::string {
         options.scenario = value;
         return value.empty() ? "--scenario needs a file" : "";
       }},
      {"--png",
       [](SettingsOptions& options, const std::string& value) -> std::string {
         options.png = value;
         return value.empty() ? "--png needs a file" : "";
       }},
      {"--dump",
       [](SettingsOptions& options, const std::string& value) -> std::string {
         options.dump = value;
         return value.empty() ? "--dump needs a file" : "";
       }},
  };
  return readers;
}

}  // namespace

ParsedSettingsOptions parseSettingsOptions(const std::vector<std::string>& arguments) {
  hosts::ParsedFlags<SettingsOptions> parsed = hosts::parseFlags(arguments, flagReaders());
  return {std::move(parsed.options), parsed.help, std::move(parsed.error)};
}

std::string settingsUsage() {
  return "usage: settings --root DIR [--screen 375x812@3] [--at 2026-12-09T08:30:00] [--scenario FILE]\n"
         "                [--png FILE] [--dump FILE]\n"
         "  --root DIR      the device folder (settings, themes, assets, the settings bundle)\n"
         "  --screen WxH@S  screen size in points and pixels per point\n"
         "  --at TIME       start of the clock, in the time zone of TZ (default: now)\n"
         "  --scenario FILE JSON array of events run on the clock (see the README)\n"
         "  --png FILE      picture of the screen at the end\n"
         "  --dump FILE     JSON dump of the window's view tree at the end\n"
         "  --help          this text\n";
}

}  // namespace vantile::settings_host
