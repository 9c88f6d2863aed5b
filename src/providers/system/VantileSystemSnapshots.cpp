// The data snapshots HTML widgets read.
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/Files.h"
#include "providers/system/VantileSystem.h"

namespace vantile {

namespace {

constexpr const char* kDownloads = "/var/mobile/Media/Downloads/";

// Compact JSON, written atomically; a failed write leaves the previous file.
void writeSnapshot(const char* name, const platform::Value& value) {
  std::string path(kDownloads);
  path.append(name);
  platform::foundation::writeFileAtomically(platform::foundation::devicePath(path), value.dump());
}

platform::Value arrayOf(const std::vector<platform::Value>& records) {
  platform::Value array = platform::Value::array();
  for (const auto& record : records) array.push_back(record);
  return array;
}

}  // namespace

void VantileSystem::saveSystemJSON() {
  saveEvents();
  batteryInfo["batteryPercent"] = std::to_string(batteryAsInt());
  batteryInfo["batteryCharging"] = ischargingtruefalse();
  writeSnapshot("battery.json", batteryInfo);

  signalInfo["signalBars"] = signalBars();
  signalInfo["wifiBars"] = wifiBars();
  signalInfo["signalName"] = signalName();
  // "%@" of no network name.
  signalInfo["wifiName"] = wifiName().value_or("(null)");
  writeSnapshot("signal.json", signalInfo);

  // After a read that found no events the widgets must see them gone, not the old ones.
  if (!eventArray.empty() || eventsRead) writeSnapshot("events.json", arrayOf(eventArray));
  if (!stepArray.empty()) writeSnapshot("steps.json", arrayOf(stepArray));
}

}  // namespace vantile
