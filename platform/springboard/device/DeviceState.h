#pragma once

#include <optional>
#include <string>
#include <vector>

// What the simulated phone is and shows, as device.json describes it. Every field has the
// stand-in's default, so an empty file gives a plausible phone.
namespace platform::springboard {

struct BatteryState {
  // 0...100.
  double level = 80;
  bool charging = false;
  bool externalPower = false;

  friend bool operator==(const BatteryState&, const BatteryState&) = default;
};

struct WifiState {
  bool on = true;
  std::string network = "Home";
  // 0...3.
  int bars = 3;

  friend bool operator==(const WifiState&, const WifiState&) = default;
};

struct CellularState {
  std::string carrier = "Carrier";
  // 0...4.
  int bars = 4;

  friend bool operator==(const CellularState&, const CellularState&) = default;
};

struct BluetoothAccessory {
  std::string name;
  // 0...100.
  double battery = 100;

  friend bool operator==(const BluetoothAccessory&, const BluetoothAccessory&) = default;
};

struct BluetoothState {
  bool on = true;
  std::vector<BluetoothAccessory> accessories;

  friend bool operator==(const BluetoothState&, const BluetoothState&) = default;
};

struct AlarmState {
  // "HH:mm"; empty for no alarm.
  std::string time;
  bool enabled = false;

  friend bool operator==(const AlarmState&, const AlarmState&) = default;
};

struct NowPlayingState {
  std::string title;
  std::string artist;
  std::string album;
  // Seconds.
  double duration = 0;
  // Seconds into the song when `elapsedAt` was the main queue's time.
  double elapsed = 0;
  bool playing = false;
  // A picture in the device folder; empty for none.
  std::string artwork;
  // Bundle identifier of the playing app.
  std::string app;

  // Something is loaded (a title or an app).
  bool hasItem() const { return !title.empty() || !app.empty(); }

  friend bool operator==(const NowPlayingState&, const NowPlayingState&) = default;
};

struct AppState {
  std::string bundleID;
  std::string name;
  // Absent for no badge.
  std::optional<std::string> badge;
  // A picture in the device folder; empty for a plain tile.
  std::string icon;
  bool system = false;
  bool internal = false;
  bool hidden = false;

  friend bool operator==(const AppState&, const AppState&) = default;
};

// The lock screen's weather widget.
struct WeatherState {
  // Degrees Fahrenheit.
  double temperature = 68;
  // The platform's weather condition code.
  int condition = 30;
  std::string city = "Cupertino";

  friend bool operator==(const WeatherState&, const WeatherState&) = default;
};

// A countdown of the Clock app, shown on the lock screen while it runs.
struct TimerState {
  bool running = false;
  // Seconds left.
  double remaining = 0;

  friend bool operator==(const TimerState&, const TimerState&) = default;
};

struct DeviceState {
  // The simulated iOS major version: decides which SpringBoard classes exist.
  int ios = 16;
  bool locked = true;
  BatteryState battery;
  WifiState wifi;
  CellularState cellular;
  BluetoothState bluetooth;
  AlarmState alarm;
  NowPlayingState nowPlaying;
  std::vector<AppState> apps;
  std::vector<std::string> dock;
  // 0...1; 0 is off.
  double flashlight = 0;
  std::string deviceName = "iPhone";
  std::string locale = "en_US";
  // Empty: the process's zone.
  std::string timeZone;
  WeatherState weather;
  TimerState timer;

  // "16.0" for ios 16: the device's systemVersion string.
  std::string systemVersion() const { return std::to_string(ios) + ".0"; }
  const AppState* app(std::string_view bundleID) const;

  friend bool operator==(const DeviceState&, const DeviceState&) = default;
};

}  // namespace platform::springboard
