// The data snapshots HTML widgets read.
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "providers/system/VantileSystem.h"

namespace vantile {

namespace {

constexpr const char* kDownloads = "/var/mobile/Media/Downloads/";
constexpr double kRecheckInterval = 1;

}  // namespace

// Compact JSON, written atomically; a failed write leaves the previous file. A file that
// already holds exactly this text is left alone: each write costs a file creation and a rename.
void VantileSystem::writeSnapshot(const std::string& name, const platform::Value& value) {
  std::string path(kDownloads);
  path.append(name);
  const auto file = platform::foundation::devicePath(path);
  std::string text = value.dump();
  const double now = platform::foundation::MainQueue::shared().now();
  auto& written = writtenSnapshots_[name];
  if (written.text == text) {
    // Looking for the file costs more than the rest of a refresh; once a second is enough to
    // bring back one that was removed.
    if (now >= written.seenAt && now - written.seenAt < kRecheckInterval) return;
    if (platform::foundation::fileExists(file)) {
      written.seenAt = now;
      return;
    }
  }
  const bool saved = platform::foundation::writeFileAtomically(file, text);
  written = saved ? WrittenSnapshot{std::move(text), now} : WrittenSnapshot{};
}

namespace {

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
