#include <functional>
#include <map>

#include "providers/system/VantileSystem.h"

namespace vantile {

namespace {

using TokenFunction = std::function<std::optional<std::string>()>;
using TokenTable = std::map<std::string_view, TokenFunction, std::less<>>;

constexpr std::string_view kCalendarForms[] = {"", "WDay", "WDate", "Day", "FullDay", "Date", "Time", "Location"};
constexpr std::string_view kCalendarNames[3][8] = {
    {"calEvent1", "calEvent1WDay", "calEvent1WDate", "calEvent1Day", "calEvent1FullDay", "calEvent1Date",
     "calEvent1Time", "calEvent1Location"},
    {"calEvent2", "calEvent2WDay", "calEvent2WDate", "calEvent2Day", "calEvent2FullDay", "calEvent2Date",
     "calEvent2Time", "calEvent2Location"},
    {"calEvent3", "calEvent3WDay", "calEvent3WDate", "calEvent3Day", "calEvent3FullDay", "calEvent3Date",
     "calEvent3Time", "calEvent3Location"},
};

template <std::string (*F)()>
TokenFunction text() {
  return [] { return std::optional<std::string>(F()); };
}

const TokenTable& tokenTable() {
  static const TokenTable table = [] {
    TokenTable made{
        {"batterypercent", text<&VantileSystem::batterypercent>()},
        {"ischarging", text<&VantileSystem::ischarging>()},
        {"charging", text<&VantileSystem::charging>()},
        {"ischargingtruefalse", text<&VantileSystem::ischargingtruefalse>()},
        {"btbattery", text<&VantileSystem::btbattery>()},
        {"btbatterynoname", text<&VantileSystem::btbatterynoname>()},
        {"btbatterynonamedisconnected", text<&VantileSystem::btbatterynonamedisconnected>()},
        {"bluetoothConnected", text<&VantileSystem::bluetoothConnected>()},
        {"wifiName", [] { return VantileSystem::wifiName(); }},
        {"wifiname", text<&VantileSystem::wifiname>()},
        {"wifiBars", text<&VantileSystem::wifiBars>()},
        {"wifipercent", text<&VantileSystem::wifipercent>()},
        {"signalBars", text<&VantileSystem::signalBars>()},
        {"signalpercent", text<&VantileSystem::signalpercent>()},
        {"signalName", text<&VantileSystem::signalName>()},
        {"ipaddress", text<&VantileSystem::ipaddress>()},
        {"devicename", text<&VantileSystem::devicename>()},
        {"devicefirmware", text<&VantileSystem::devicefirmware>()},
        {"alarm", text<&VantileSystem::alarm>()},
        {"paddedalarm", text<&VantileSystem::paddedalarm>()},
        {"musicTitle", text<&VantileSystem::musicTitle>()},
        {"musicArtist", text<&VantileSystem::musicArtist>()},
        {"musicAlbum", text<&VantileSystem::musicAlbum>()},
        {"musicNowPlayingApp", text<&VantileSystem::musicNowPlayingApp>()},
        {"musicElapsed", text<&VantileSystem::musicElapsed>()},
        {"musicDurationLeft", text<&VantileSystem::musicDurationLeft>()},
        {"musicDuration", text<&VantileSystem::musicDuration>()},
        {"phoneBadge", text<&VantileSystem::phoneBadge>()},
        {"mailBadge", text<&VantileSystem::mailBadge>()},
        {"messageBadge", text<&VantileSystem::messageBadge>()},
        {"steps", text<&VantileSystem::steps>()},
    };
    for (int number = 1; number <= 3; ++number) {
      for (std::size_t form = 0; form < std::size(kCalendarForms); ++form) {
        made.emplace(kCalendarNames[number - 1][form], [number, form] {
          return std::optional<std::string>(VantileSystem::calendarEvent(number, kCalendarForms[form]));
        });
      }
    }
    return made;
  }();
  return table;
}

}  // namespace

bool VantileSystem::isToken(std::string_view name) { return tokenTable().contains(name); }

std::optional<std::string> VantileSystem::token(std::string_view name) {
  const auto found = tokenTable().find(name);
  return found == tokenTable().end() ? std::nullopt : found->second();
}

const std::vector<std::string_view>& VantileSystem::tokenNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> all;
    for (const auto& [name, function] : tokenTable()) all.push_back(name);
    return all;
  }();
  return names;
}

}  // namespace vantile
