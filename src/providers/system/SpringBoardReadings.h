#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/objc/Object.h"

// What the device tokens read of SpringBoard's objects, reached through the runtime by class
// name at each call. An absent class or shared object reads as zero, NO or nothing.
namespace vantile::readings {

using ObjectRef = std::shared_ptr<platform::objc::Object>;

// The shared object a class operation of the named class answers; null when the class or the
// operation is not there.
ObjectRef sharedObject(std::string_view className, std::string_view selector = "sharedInstance");

std::int64_t batteryCapacityAsPercentage();
bool isOnAC();

struct BatteryDevice {
  bool internal = false;
  std::string groupName;
  std::int64_t percentCharge = 0;
};
// The connected power sources; nothing when the battery-device controller is not available.
std::optional<std::vector<BatteryDevice>> connectedBatteryDevices();
bool bluetoothEnabled();

std::optional<std::string> currentNetworkName();
std::int64_t wifiSignalStrengthBars();
std::int64_t cellularSignalStrengthBars();

struct Alarm {
  bool enabled = false;
  // Seconds since 1970.
  double nextFireDate = 0;
};
std::optional<Alarm> nextAlarm();

bool isMusicPlaying();
// The now-playing dictionary; anything that is not a dictionary is null.
platform::Value nowPlayingInfo();
std::string nowPlayingApplicationName();

// The badge values of the home screen's leaf icons of that app, in icon order (null: none).
std::vector<platform::Value> badgeValuesOfIcons(std::string_view bundleID);

}  // namespace vantile::readings
