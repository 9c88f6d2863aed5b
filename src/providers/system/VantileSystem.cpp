#include "providers/system/VantileSystem.h"

#include <cmath>

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/network/NetworkInterfaces.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/services/EventStore.h"
#include "platform/ui/views/Device.h"
#include "providers/VantileDates.h"
#include "providers/system/SpringBoardReadings.h"

namespace vantile {

namespace {

constexpr const char* kTitleKey = "kMRMediaRemoteNowPlayingInfoTitle";
constexpr const char* kArtistKey = "kMRMediaRemoteNowPlayingInfoArtist";
constexpr const char* kAlbumKey = "kMRMediaRemoteNowPlayingInfoAlbum";
constexpr const char* kDurationKey = "kMRMediaRemoteNowPlayingInfoDuration";
constexpr const char* kElapsedKey = "kMRMediaRemoteNowPlayingInfoElapsedTime";
constexpr const char* kTimestampKey = "kMRMediaRemoteNowPlayingInfoTimestamp";

std::string number(std::int64_t value) { return std::to_string(value); }

// "0%d" for 9 or less, else "%d".
std::string padded(std::int64_t value) {
  std::string text = value <= 9 ? "0" : "";
  text.append(number(value));
  return text;
}

// "%d:%@" of minutes and seconds, seconds "0%d" when 9 or less.
std::string minutesAndSeconds(std::int64_t wholeSeconds) {
  const std::int64_t minutes = wholeSeconds / 60;
  const std::int64_t seconds = wholeSeconds % 60;
  std::string text = number(minutes);
  text.push_back(':');
  if (seconds <= 9) text.push_back('0');
  text.append(number(seconds));
  return text;
}

std::string infoText(const platform::Value& info, const char* key) {
  if (!info.is_object()) return "";
  const auto found = info.find(key);
  return found != info.end() && found->is_string() ? found->get<std::string>() : "";
}

double infoNumber(const platform::Value& info, const char* key) {
  if (!info.is_object()) return 0;
  const auto found = info.find(key);
  return found != info.end() && found->is_number() ? found->get<double>() : 0;
}

// The current elapsed time of the item, or nothing without a timestamp.
std::optional<float> currentElapsed(const platform::Value& info) {
  if (!info.is_object() || !info.contains(kTimestampKey) || !info[kTimestampKey].is_number()) return std::nullopt;
  return VantileSystem::sharedInstance().getTimeFromTimestamp(info[kTimestampKey].get<double>(),
                                                               static_cast<float>(infoNumber(info, kElapsedKey)));
}

std::string chargingWord(int index, std::string_view english) {
  return VantileDates::languageWord("charging", index).value_or(std::string(english));
}

// The last accessory that is not the phone; nothing when there is none.
std::optional<readings::BatteryDevice> accessory(const std::vector<readings::BatteryDevice>& devices) {
  std::optional<readings::BatteryDevice> last;
  for (const auto& device : devices) {
    if (!device.internal) last = device;
  }
  return last;
}

struct AlarmClock {
  std::int64_t hour = 0;
  std::string minutes;
  std::string marker;
};

std::optional<AlarmClock> alarmClock() {
  const auto next = readings::nextAlarm();
  if (!next || !next->enabled) return std::nullopt;
  const auto pattern = platform::foundation::datePatternFromTemplate("j");
  const bool twelveHour = pattern && pattern->find('a') != std::string::npos;
  const auto date = platform::foundation::calendarDate(next->nextFireDate);
  if (!date) return std::nullopt;
  AlarmClock clock;
  clock.minutes = padded(date->minute);
  clock.hour = date->hour;
  if (twelveHour) {
    clock.marker = date->hour < 12 ? "AM" : "PM";
    if (date->hour == 0) clock.hour = 12;
    else if (date->hour > 12) clock.hour = date->hour - 12;
  }
  return clock;
}

}  // namespace

VantileSystem& VantileSystem::sharedInstance() {
  static VantileSystem system;
  return system;
}

VantileSystem::VantileSystem() : eventStore(std::make_unique<platform::services::EventStore>()) {}

VantileSystem::~VantileSystem() = default;

std::int32_t VantileSystem::batteryAsInt() {
  return static_cast<std::int32_t>(readings::batteryCapacityAsPercentage());
}

float VantileSystem::internalElapsed() { return currentElapsed(readings::nowPlayingInfo()).value_or(0.0F); }

float VantileSystem::internalDuration() {
  return static_cast<float>(std::round(infoNumber(readings::nowPlayingInfo(), kDurationKey)));
}

bool VantileSystem::isMusicPlaying() { return readings::isMusicPlaying(); }

float VantileSystem::getTimeFromTimestamp(double timestamp, float elapsed) const {
  return static_cast<float>(platform::foundation::MainQueue::shared().now() - timestamp + elapsed);
}

std::string VantileSystem::getAppBadge(std::string_view bundleID) {
  std::string result = "0";
  for (const platform::Value& badge : readings::badgeValuesOfIcons(bundleID)) {
    if (!badge.is_null()) result = number(platform::foundation::intValue(badge));
  }
  return result;
}

std::string VantileSystem::addBackslashes(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '\\': escaped.append("\\\\"); break;
      case '"': escaped.append("\\\""); break;
      case '\'': escaped.append("\\'"); break;
      case '\n': escaped.append("\\n"); break;
      case '\r': escaped.append("\\r"); break;
      case '\f': escaped.append("\\f"); break;
      default: escaped.push_back(c);
    }
  }
  return escaped;
}

std::string VantileSystem::_escapeString(const std::optional<std::string>& text) {
  if (!text) return "";
  std::string escaped;
  for (const char c : *text) {
    switch (c) {
      case '&': escaped.append("&#38;"); break;
      case '\'': escaped.append("&#39;"); break;
      case '+': escaped.append("&#43;"); break;
      case '"': escaped.append("\\\""); break;
      case '\n': escaped.push_back(' '); break;
      default: escaped.push_back(c);
    }
  }
  return escaped;
}

std::string VantileSystem::batterypercent() { return number(batteryAsInt()); }

std::string VantileSystem::ischarging() {
  return readings::isOnAC() ? chargingWord(0, "charging") : chargingWord(1, "not charging");
}

std::string VantileSystem::charging() { return readings::isOnAC() ? chargingWord(0, "charging") : ""; }

std::string VantileSystem::ischargingtruefalse() { return readings::isOnAC() ? "true" : "false"; }

std::string VantileSystem::btbattery() {
  const auto devices = readings::connectedBatteryDevices();
  const auto device = devices ? accessory(*devices) : std::nullopt;
  if (!device || device->percentCharge == 0) return "";
  return device->groupName + ":" + number(device->percentCharge);
}

std::string VantileSystem::btbatterynoname() {
  const auto devices = readings::connectedBatteryDevices();
  const auto device = devices ? accessory(*devices) : std::nullopt;
  if (!device || device->percentCharge == 0) return "";
  return number(device->percentCharge);
}

std::string VantileSystem::btbatterynonamedisconnected() {
  const auto devices = readings::connectedBatteryDevices();
  if (!devices) return "";
  const auto device = accessory(*devices);
  if (!device || device->percentCharge == 0) return "disconnected";
  return number(device->percentCharge);
}

std::string VantileSystem::bluetoothConnected() {
  return readings::bluetoothEnabled() ? "connected" : "not connected";
}

std::optional<std::string> VantileSystem::wifiName() { return readings::currentNetworkName(); }

std::string VantileSystem::wifiname() { return readings::currentNetworkName().value_or("Wifi Off"); }

std::string VantileSystem::wifiBars() {
  return readings::currentNetworkName() ? number(readings::wifiSignalStrengthBars()) : "0";
}

std::string VantileSystem::wifipercent() {
  return readings::currentNetworkName() ? number(readings::wifiSignalStrengthBars() * 100 / 3) : "0";
}

std::string VantileSystem::signalBars() { return number(readings::cellularSignalStrengthBars()); }

std::string VantileSystem::signalpercent() { return number(readings::cellularSignalStrengthBars() * 25); }

std::string VantileSystem::signalName() { return "LTE"; }

std::string VantileSystem::ipaddress() {
  std::string found = "ip not found";
  for (const auto& address : platform::foundation::ipv4InterfaceAddresses()) {
    if (address.name == "en0") found = address.ipv4;
  }
  return found;
}

std::string VantileSystem::devicename() { return platform::ui::Device::currentDevice().name(); }

std::string VantileSystem::devicefirmware() { return platform::ui::Device::currentDevice().systemVersion(); }

std::string VantileSystem::alarm() {
  const auto clock = alarmClock();
  if (!clock) return "";
  return number(clock->hour) + ":" + clock->minutes + clock->marker;
}

std::string VantileSystem::paddedalarm() {
  const auto clock = alarmClock();
  if (!clock) return "";
  return padded(clock->hour) + ":" + clock->minutes + clock->marker;
}

std::string VantileSystem::musicTitle() { return infoText(readings::nowPlayingInfo(), kTitleKey); }

std::string VantileSystem::musicArtist() { return infoText(readings::nowPlayingInfo(), kArtistKey); }

std::string VantileSystem::musicAlbum() { return infoText(readings::nowPlayingInfo(), kAlbumKey); }

std::string VantileSystem::musicNowPlayingApp() {
  return readings::isMusicPlaying() ? readings::nowPlayingApplicationName() : "";
}

std::string VantileSystem::musicElapsed() {
  VantileSystem& system = sharedInstance();
  if (!readings::isMusicPlaying()) return system.lastElapsedTime;
  const auto elapsed = currentElapsed(readings::nowPlayingInfo());
  if (!elapsed) return system.lastElapsedTime;
  system.lastElapsedTime = minutesAndSeconds(static_cast<std::int64_t>(*elapsed));
  return system.lastElapsedTime;
}

std::string VantileSystem::musicDurationLeft() {
  VantileSystem& system = sharedInstance();
  if (!readings::isMusicPlaying()) return system.lastMusicDurationLeft;
  const platform::Value info = readings::nowPlayingInfo();
  const auto elapsed = currentElapsed(info);
  if (!elapsed) return system.lastMusicDurationLeft;
  const auto left = static_cast<std::int64_t>(infoNumber(info, kDurationKey)) - static_cast<std::int64_t>(*elapsed);
  // Past the end of a track the time left shows as none rather than negative.
  system.lastMusicDurationLeft = minutesAndSeconds(std::max<std::int64_t>(left, 0));
  return system.lastMusicDurationLeft;
}

std::string VantileSystem::musicDuration() {
  const platform::Value info = readings::nowPlayingInfo();
  if (info.is_null()) return "0:00";
  return minutesAndSeconds(std::llround(infoNumber(info, kDurationKey)));
}

std::string VantileSystem::phoneBadge() { return getAppBadge("com.apple.mobilephone"); }

std::string VantileSystem::mailBadge() { return getAppBadge("com.apple.mobilemail"); }

std::string VantileSystem::messageBadge() { return getAppBadge("com.apple.MobileSMS"); }

}  // namespace vantile
