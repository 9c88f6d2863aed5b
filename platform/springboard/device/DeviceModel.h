#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/springboard/device/DeviceState.h"

namespace platform::springboard {

// One part of the device that a change touched; SpringBoard tells its own objects per part.
enum class DeviceAspect {
  locked,
  // battery.level
  battery,
  // battery.charging, battery.externalPower
  power,
  wifi,
  cellular,
  bluetooth,
  alarm,
  nowPlaying,
  // One app's badge (DeviceChange::bundleID names it).
  badge,
  // Apps added, removed, renamed, reordered or given other icons.
  apps,
  dock,
  flashlight,
  identity,
  weather,
  timer,
  calendar,
  steps,
};

struct DeviceChange {
  DeviceAspect aspect;
  std::string bundleID;

  friend bool operator==(const DeviceChange&, const DeviceChange&) = default;
};

// The process's device: its state, changed by dotted paths into device.json's keys, and the
// listeners told what each change touched. Now playing advances with the main queue's clock
// while it plays. Main thread only.
class DeviceModel {
 public:
  using Listener = std::function<void(const std::vector<DeviceChange>&)>;

  static DeviceModel& shared();

  // Starts over from `state`, telling no one; now playing counts from the current time.
  void reset(DeviceState state);
  const DeviceState& state() const { return state_; }

  // Seconds into the song now, within its duration.
  double nowPlayingElapsed() const;

  // Sets one value, e.g. ("battery.level", 20), ("apps.com.apple.MobileSMS.badge", "3") or
  // ("apps.0.badge", null). Apps are named by index or bundle id. Out-of-range values are
  // clamped. False with the reason in `problem` when the path names nothing or the value
  // cannot stand there; nothing changes then.
  bool setValue(std::string_view path, const platform::Value& value, std::string* problem = nullptr);
  // Any change made in place; the listeners hear what differs afterwards.
  void update(const std::function<void(DeviceState&)>& change);

  // Destroying the token stops delivery.
  [[nodiscard]] std::shared_ptr<void> observe(Listener listener);

  DeviceModel(const DeviceModel&) = delete;
  DeviceModel& operator=(const DeviceModel&) = delete;

 private:
  DeviceModel() = default;

  // The elapsed time so far written into the state, counting on from now.
  void foldElapsedTime();
  void tell(const std::vector<DeviceChange>& changes);

  DeviceState state_;
  double elapsedSince_ = 0;
  std::vector<std::weak_ptr<Listener>> listeners_;
};

// What differs between two states, in the order of device.json's keys.
std::vector<DeviceChange> changesBetween(const DeviceState& before, const DeviceState& after);

}  // namespace platform::springboard
