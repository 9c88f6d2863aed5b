#include "providers/system/SpringBoardReadings.h"

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/Signatures.h"

namespace vantile::readings {

namespace {

namespace objc = platform::objc;
namespace sig = platform::springboard::signatures;

ObjectRef getter(const ObjectRef& object, std::string_view selector) {
  if (!object || !objc::respondsToSelector(*object, selector)) return nullptr;
  return objc::send<sig::Getter>(*object, selector);
}

template <class Sig>
auto answer(const ObjectRef& object, std::string_view selector) {
  using Result = decltype(objc::send<Sig>(*object, selector));
  if (!object || !objc::respondsToSelector(*object, selector)) return Result{};
  return objc::send<Sig>(*object, selector);
}

}  // namespace

ObjectRef sharedObject(std::string_view className, std::string_view selector) {
  objc::Class* cls = objc::getClass(className);
  if (cls == nullptr || !objc::respondsToSelector(*cls, selector)) return nullptr;
  return objc::send<sig::Getter>(*cls, selector);
}

std::int64_t batteryCapacityAsPercentage() {
  return answer<sig::Integer>(sharedObject("SBUIController"), "batteryCapacityAsPercentage");
}

bool isOnAC() { return answer<sig::Answer>(sharedObject("SBUIController"), "isOnAC"); }

std::optional<std::vector<BatteryDevice>> connectedBatteryDevices() {
  ObjectRef controller = sharedObject("BCBatteryDeviceController", "_sharedPowerSourceController");
  if (!controller) controller = sharedObject("BCBatteryDeviceController");
  if (!controller) return std::nullopt;
  std::vector<BatteryDevice> devices;
  for (const ObjectRef& device : answer<sig::Objects>(controller, "connectedDevices")) {
    devices.push_back({answer<sig::Answer>(device, "isInternal"), answer<sig::Text>(device, "groupName"),
                       answer<sig::Integer>(device, "percentCharge")});
  }
  return devices;
}

bool bluetoothEnabled() { return answer<sig::Answer>(sharedObject("BluetoothManager"), "enabled"); }

std::optional<std::string> currentNetworkName() {
  return answer<sig::OptionalText>(sharedObject("SBWiFiManager"), "currentNetworkName");
}

std::int64_t wifiSignalStrengthBars() {
  return answer<sig::Integer>(sharedObject("SBWiFiManager"), "signalStrengthBars");
}

std::int64_t cellularSignalStrengthBars() {
  const ObjectRef telephony = sharedObject("SBTelephonyManager", "sharedTelephonyManager");
  return answer<sig::Integer>(getter(telephony, "_primarySubscriptionInfo"), "signalStrengthBars");
}

std::optional<Alarm> nextAlarm() {
  const ObjectRef observer = sharedObject("SBScheduledAlarmObserver");
  if (!observer) return std::nullopt;
  const auto manager = objc::ivar<ObjectRef>(*observer, "_alarmManager");
  if (!manager) return std::nullopt;
  const ObjectRef alarm = getter(getter(*manager, "cache"), "nextAlarm");
  if (!alarm) return std::nullopt;
  return Alarm{answer<sig::Answer>(alarm, "isEnabled"), answer<sig::Real>(alarm, "nextFireDate")};
}

bool isMusicPlaying() { return answer<sig::Answer>(sharedObject("SBMediaController"), "isPlaying"); }

platform::Value nowPlayingInfo() {
  platform::Value info = answer<sig::ValueGetter>(sharedObject("SBMediaController"), "_nowPlayingInfo");
  return info.is_object() ? info : platform::Value();
}

std::string nowPlayingApplicationName() {
  const ObjectRef application = getter(sharedObject("SBMediaController"), "nowPlayingApplication");
  return answer<sig::Text>(application, "displayName");
}

std::vector<platform::Value> badgeValuesOfIcons(std::string_view bundleID) {
  std::vector<platform::Value> badges;
  const ObjectRef model = getter(getter(sharedObject("SBIconController"), "iconManager"), "iconModel");
  for (const ObjectRef& icon : answer<sig::Objects>(model, "leafIcons")) {
    if (answer<sig::Text>(icon, "applicationBundleID") != bundleID) continue;
    badges.push_back(answer<sig::ValueGetter>(getter(icon, "application"), "badgeValue"));
  }
  return badges;
}

}  // namespace vantile::readings
