#pragma once

#include <functional>
#include <optional>

namespace vantile {

// Live readings of SpringBoard's telephony and Wi-Fi managers that the element engine shows.
// The live data providers set the sources inside SpringBoard; elsewhere (the editor) none is
// set and every reading gives nothing, as the managers' classes are absent there.
class DeviceReadings {
 public:
  using Source = std::function<std::optional<int>()>;

  static DeviceReadings& shared();

  // Signal bars of the primary subscription.
  std::optional<int> signalStrengthBars() const { return signalStrengthBars_ ? signalStrengthBars_() : std::nullopt; }
  // Wi-Fi bars; 0 when no network is joined.
  std::optional<int> wifiStrengthBars() const { return wifiStrengthBars_ ? wifiStrengthBars_() : std::nullopt; }

  // An empty source clears the reading.
  void setSignalStrengthBarsSource(Source source) { signalStrengthBars_ = std::move(source); }
  void setWiFiStrengthBarsSource(Source source) { wifiStrengthBars_ = std::move(source); }

  DeviceReadings(const DeviceReadings&) = delete;
  DeviceReadings& operator=(const DeviceReadings&) = delete;

 private:
  DeviceReadings() = default;

  Source signalStrengthBars_;
  Source wifiStrengthBars_;
};

}  // namespace vantile
