#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace platform::services {
class EventStore;
}

namespace vantile {

// The device tokens (battery, Bluetooth, network, alarm, music, badges), the calendar and
// step tokens, and the data snapshots for web widgets. Values are read from SpringBoard's
// objects at each call. Main thread only.
class VantileSystem {
 public:
  static VantileSystem& sharedInstance();

  // Dispatch by token name (case-sensitive): the device, calendar and step tokens only.
  static bool isToken(std::string_view name);
  // Nothing when the token has no value (`wifiName` without a network) or is no token.
  static std::optional<std::string> token(std::string_view name);
  static const std::vector<std::string_view>& tokenNames();

  // Read by the controller's bars, rings and music elements.
  static std::int32_t batteryAsInt();
  static float internalElapsed();
  static float internalDuration();
  static bool isMusicPlaying();

  // Elapsed seconds now of an item that was at `elapsed` at `timestamp`.
  float getTimeFromTimestamp(double timestamp, float elapsed) const;
  // "%d" of the badge of the last icon of the app that has one; "0" without.
  static std::string getAppBadge(std::string_view bundleID);
  static std::string addBackslashes(std::string_view text);
  static std::string _escapeString(const std::optional<std::string>& text);

  // Battery and Bluetooth accessories
  static std::string batterypercent();
  static std::string ischarging();
  static std::string charging();
  static std::string ischargingtruefalse();
  static std::string btbattery();
  static std::string btbatterynoname();
  static std::string btbatterynonamedisconnected();
  static std::string bluetoothConnected();
  // Network and device
  static std::optional<std::string> wifiName();
  static std::string wifiname();
  static std::string wifiBars();
  static std::string wifipercent();
  static std::string signalBars();
  static std::string signalpercent();
  static std::string signalName();
  static std::string ipaddress();
  static std::string devicename();
  static std::string devicefirmware();
  // Alarm
  static std::string alarm();
  static std::string paddedalarm();
  // Music
  static std::string musicTitle();
  static std::string musicArtist();
  static std::string musicAlbum();
  static std::string musicNowPlayingApp();
  static std::string musicElapsed();
  static std::string musicDurationLeft();
  static std::string musicDuration();
  // Badges
  static std::string phoneBadge();
  static std::string mailBadge();
  static std::string messageBadge();

  // --- Calendar events and step counts ---

  // Re-reads the events at most every 5 s (media clock).
  static void saveEvents();
  // Starts a re-read of the daily step counts at most every 10 s; the result replaces
  // `stepArray` later, on the main queue.
  static void saveSteps();
  // The clock text of a moment (seconds since 1970) in the 24-hour switch's style.
  static std::string getTime(double seconds);
  static std::string steps();
  // Record `number` (1 to 3) of the events as one of the calendar token forms ("", "WDay",
  // "WDate", "Day", "FullDay", "Date", "Time", "Location"); "" when there are fewer records.
  static std::string calendarEvent(int number, std::string_view form);

  // --- Data snapshots ---

  // Writes "battery.json", "signal.json", "events.json" and "steps.json" into the downloads folder.
  void saveSystemJSON();

  std::string lastElapsedTime = "0:00";
  std::string lastMusicDurationLeft = "0:00";
  platform::Value batteryInfo = platform::Value::object();
  platform::Value signalInfo = platform::Value::object();
  std::vector<platform::Value> eventArray;
  std::vector<platform::Value> stepArray;
  std::unique_ptr<platform::services::EventStore> eventStore;
  // Seconds of the media clock; double, so the throttle holds after weeks of uptime.
  double lastEventUpdateTime = 0;
  double lastStepsUpdateTime = 0;
  // Whether the calendar has been read since start-up: from then on "events.json" is written
  // also when no event is left.
  bool eventsRead = false;

  VantileSystem(const VantileSystem&) = delete;
  VantileSystem& operator=(const VantileSystem&) = delete;
  ~VantileSystem();

 private:
  VantileSystem();
  void writeSnapshot(const std::string& name, const platform::Value& value);

  // What each snapshot file was last written with, and when it was last seen on disk.
  struct WrittenSnapshot {
    std::string text;
    double seenAt = 0;
  };
  std::map<std::string, WrittenSnapshot> writtenSnapshots_;
};

}  // namespace vantile
