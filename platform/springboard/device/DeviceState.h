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
  // The machine's network interface that stands for the phone's Wi-Fi ("en0").
  std::string interface = "lo";

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

// The place the weather's coordinates reverse-geocode to; every part may be missing.
struct PlaceState {
  std::optional<std::string> subThoroughfare = std::nullopt;
  std::optional<std::string> thoroughfare = std::nullopt;
  std::optional<std::string> subLocality = std::nullopt;
  std::optional<std::string> locality = std::nullopt;
  std::optional<std::string> postalCode = std::nullopt;
  std::optional<std::string> subAdministrativeArea = std::nullopt;
  std::optional<std::string> administrativeArea = std::nullopt;
  std::optional<std::string> country = std::nullopt;
  std::optional<std::string> isoCountryCode = std::nullopt;

  friend bool operator==(const PlaceState&, const PlaceState&) = default;
};

// One day of the forecast; the first is today. Temperatures in degrees Fahrenheit.
struct DayForecastState {
  double low = 0;
  double high = 0;
  int condition = 48;
  // Percent; absent when the forecast offers none.
  std::optional<double> precipitation;

  friend bool operator==(const DayForecastState&, const DayForecastState&) = default;
};

struct HourlyForecastState {
  // "H:mm" or "HH:mm", as the widget writes it.
  std::string time;
  double temperature = 0;
  int condition = 48;
  std::optional<double> precipitation;

  friend bool operator==(const HourlyForecastState&, const HourlyForecastState&) = default;
};

// The lock screen's weather widget and its forecast model. Temperatures in degrees Fahrenheit.
struct WeatherState {
  double temperature = 68;
  double feelsLike = 68;
  // The platform's weather condition code.
  int condition = 30;
  std::string city = "Cupertino";
  // The weather preference: show Celsius (else Fahrenheit).
  bool celsius = false;
  double humidity = 50;
  double dewPoint = 50;
  double windChill = 68;
  double heatIndex = 68;
  // In the unit of the preference (mph or km/h).
  double windSpeed = 5;
  // Degrees, 0 = north.
  double windDirection = 0;
  double pressure = 1013;
  double visibility = 10;
  int uvIndex = 1;
  // "HH:mm".
  std::string sunrise = "07:00";
  std::string sunset = "19:00";
  std::string updateTime;
  double latitude = 37.3230;
  double longitude = -122.0322;
  // Absent: reverse geocoding finds no place.
  std::optional<PlaceState> place;
  std::vector<DayForecastState> daily;
  std::vector<HourlyForecastState> hourly;

  friend bool operator==(const WeatherState&, const WeatherState&) = default;
};

struct CalendarInfo {
  std::string title;
  // As the calendar store offers it: "rgba(r, g, b, a)".
  std::string color;

  friend bool operator==(const CalendarInfo&, const CalendarInfo&) = default;
};

struct CalendarEventState {
  std::optional<std::string> title;
  std::optional<std::string> location;
  // "YYYY-MM-DDTHH:MM:SS" in the device's time zone.
  std::string start;
  std::string end;
  bool allDay = false;
  // The title of its calendar; empty: the event has none.
  std::string calendar;

  friend bool operator==(const CalendarEventState&, const CalendarEventState&) = default;
};

struct CalendarState {
  // Whether the user let apps read the calendar.
  bool access = true;
  std::vector<CalendarInfo> calendars;
  std::vector<CalendarEventState> events;

  friend bool operator==(const CalendarState&, const CalendarState&) = default;
};

// The steps counted on one day.
struct StepSampleState {
  // "YYYY-MM-DD" in the device's time zone.
  std::string date;
  double count = 0;

  friend bool operator==(const StepSampleState&, const StepSampleState&) = default;
};

struct StepsState {
  bool access = true;
  std::vector<StepSampleState> samples;

  friend bool operator==(const StepsState&, const StepsState&) = default;
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
  CalendarState calendar;
  StepsState steps;

  // "16.0" for ios 16: the device's systemVersion string.
  std::string systemVersion() const { return std::to_string(ios) + ".0"; }
  const AppState* app(std::string_view bundleID) const;

  friend bool operator==(const DeviceState&, const DeviceState&) = default;
};

}  // namespace platform::springboard
