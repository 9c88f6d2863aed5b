#include <gtest/gtest.h>

#include "ProviderFixture.h"
#include "platform/springboard/device/DeviceModel.h"
#include "providers/VantileDates.h"
#include "providers/system/VantileSystem.h"

namespace vantile {
namespace {

using platform::springboard::DeviceState;

class VantileSystemTest : public testing::ProviderFixture {};

DeviceState fakeDevice() {
  DeviceState state;
  state.battery = {42, false, false};
  state.wifi = {true, "Cafe", 2, "lo"};
  state.cellular = {"Telco", 3};
  state.bluetooth = {true, {{"Buds", 0}}};
  state.deviceName = "Kim's iPhone";
  state.ios = 15;
  state.apps = {{"com.apple.MobileSMS", "Messages", "3", "", true, false, false},
                {"com.apple.mobilemail", "Mail", std::nullopt, "", true, false, false}};
  return state;
}

TEST_F(VantileSystemTest, DeviceTokensReadSpringBoardsObjects) {
  start(fakeDevice());
  const std::pair<const char*, const char*> cases[] = {
      {"batterypercent", "42"},
      {"ischarging", "not charging"},
      {"charging", ""},
      {"ischargingtruefalse", "false"},
      {"btbattery", ""},
      {"btbatterynoname", ""},
      {"btbatterynonamedisconnected", "disconnected"},
      {"bluetoothConnected", "connected"},
      {"wifiName", "Cafe"},
      {"wifiname", "Cafe"},
      {"wifiBars", "2"},
      {"wifipercent", "66"},
      {"signalBars", "3"},
      {"signalpercent", "75"},
      {"signalName", "LTE"},
      {"ipaddress", "127.0.0.1"},
      {"devicename", "Kim's iPhone"},
      {"devicefirmware", "15.0"},
      {"messageBadge", "3"},
      {"mailBadge", "0"},
      {"phoneBadge", "0"},
      {"musicTitle", ""},
      {"musicDuration", "0:00"},
      {"musicElapsed", "0:00"},
      {"musicDurationLeft", "0:00"},
      {"alarm", ""},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(VantileSystem::token(name), expected) << name;
  EXPECT_EQ(VantileSystem::batteryAsInt(), 42);

  set("battery.charging", true);
  set("bluetooth.accessories.0.battery", 64);
  set("wifi.on", false);
  const std::pair<const char*, std::optional<std::string>> changed[] = {
      {"ischarging", "charging"},     {"charging", "charging"},   {"ischargingtruefalse", "true"},
      {"btbattery", "Buds:64"},       {"btbatterynoname", "64"},  {"btbatterynonamedisconnected", "64"},
      {"wifiName", std::nullopt},     {"wifiname", "Wifi Off"},   {"wifiBars", "0"},
      {"wifipercent", "0"},
  };
  for (const auto& [name, expected] : changed) EXPECT_EQ(VantileSystem::token(name), expected) << name;
}

TEST_F(VantileSystemTest, OnlyItsOwnTokensAreTokens) {
  EXPECT_TRUE(VantileSystem::isToken("calEvent3Location"));
  EXPECT_TRUE(VantileSystem::isToken("steps"));
  EXPECT_EQ(VantileSystem::tokenNames().size(), 55U);
  for (const char* name : {"batteryAsInt", "internalElapsed", "getAppBadge:", "saveEvents", "sharedInstance", "time"}) {
    EXPECT_FALSE(VantileSystem::isToken(name)) << name;
  }
}

TEST_F(VantileSystemTest, WithoutSpringBoardsClassesTokensFallBack) {
  // No stand-in: no class is registered.
  EXPECT_EQ(VantileSystem::batterypercent(), "0");
  EXPECT_EQ(VantileSystem::ischarging(), "not charging");
  EXPECT_EQ(VantileSystem::btbatterynonamedisconnected(), "");
  EXPECT_EQ(VantileSystem::alarm(), "");
  EXPECT_EQ(VantileSystem::phoneBadge(), "0");
  EXPECT_EQ(VantileSystem::wifiname(), "Wifi Off");
  EXPECT_EQ(VantileSystem::internalDuration(), 0);
}

struct AlarmCase {
  const char* locale;
  const char* time;
  bool twentyFourSwitch;
  const char* alarm;
  const char* paddedalarm;
};

TEST_F(VantileSystemTest, TheAlarmFollowsTheLocalesClock) {
  const AlarmCase cases[] = {
      {"en_US", "12:30", false, "12:30PM", "12:30PM"}, {"en_US", "00:15", false, "12:15AM", "12:15AM"},
      {"en_US", "07:05", false, "7:05AM", "07:05AM"},  {"en_US", "07:05", true, "7:05AM", "07:05AM"},
      {"de_DE", "19:00", false, "19:00", "19:00"},     {"de_DE", "07:05", false, "7:05", "07:05"},
  };
  for (const AlarmCase& c : cases) {
    DeviceState state;
    state.locale = c.locale;
    state.alarm = {c.time, true};
    start(state);
    VantileDates::sharedInstance().setTwentyFourHour(c.twentyFourSwitch);
    EXPECT_EQ(VantileSystem::alarm(), c.alarm) << c.locale << " " << c.time;
    EXPECT_EQ(VantileSystem::paddedalarm(), c.paddedalarm) << c.locale << " " << c.time;
    process.reset();
  }
  DeviceState disabled;
  disabled.alarm = {"07:05", false};
  start(disabled);
  EXPECT_EQ(VantileSystem::alarm(), "");
  EXPECT_EQ(VantileSystem::paddedalarm(), "");
}

TEST_F(VantileSystemTest, MusicTimesRunOnWhilePlayingAndKeepTheirLastValueWhilePaused) {
  DeviceState state;
  state.nowPlaying = {"Song", "Band", "Record", 200, 65, true, "", "com.apple.Music"};
  state.apps = {{"com.apple.Music", "Music", std::nullopt, "", true, false, false}};
  start(state);
  EXPECT_EQ(VantileSystem::musicElapsed(), "1:05");
  EXPECT_EQ(VantileSystem::musicDurationLeft(), "2:15");
  EXPECT_EQ(VantileSystem::musicDuration(), "3:20");
  EXPECT_EQ(VantileSystem::musicTitle(), "Song");
  EXPECT_EQ(VantileSystem::musicNowPlayingApp(), "Music");
  EXPECT_FLOAT_EQ(VantileSystem::internalDuration(), 200);

  advance(10);
  EXPECT_EQ(VantileSystem::musicElapsed(), "1:15");
  EXPECT_FLOAT_EQ(VantileSystem::internalElapsed(), 75);
  EXPECT_EQ(VantileSystem::musicDurationLeft(), "2:05");

  set("nowPlaying.playing", false);
  advance(30);
  EXPECT_EQ(VantileSystem::musicElapsed(), "1:15");
  EXPECT_EQ(VantileSystem::musicDurationLeft(), "2:05");
  EXPECT_EQ(VantileSystem::musicNowPlayingApp(), "");
  EXPECT_EQ(VantileSystem::musicDuration(), "3:20");
}

TEST_F(VantileSystemTest, TheLanguagesChargingWordsReplaceTheEnglishOnes) {
  start(fakeDevice());
  useLanguage(R"({"charging": ["lädt", "lädt nicht"]})");
  EXPECT_EQ(VantileSystem::ischarging(), "lädt nicht");
  EXPECT_EQ(VantileSystem::charging(), "");
  set("battery.externalPower", true);
  EXPECT_EQ(VantileSystem::ischarging(), "lädt");
  // A list without a second word, or with something else there, keeps the English word.
  useLanguage(R"({"charging": ["lädt", 7]})");
  set("battery.externalPower", false);
  EXPECT_EQ(VantileSystem::ischarging(), "not charging");
}

TEST_F(VantileSystemTest, EscapeHelpersReplaceEachCharacterOnce) {
  EXPECT_EQ(VantileSystem::_escapeString("Tom's R&D + \"x\"\nnext"), "Tom&#39;s R&#38;D &#43; \\\"x\\\" next");
  EXPECT_EQ(VantileSystem::_escapeString(std::nullopt), "");
  EXPECT_EQ(VantileSystem::addBackslashes("a\\b\"c'd\ne\rf\fg"), "a\\\\b\\\"c\\'d\\ne\\rf\\fg");
}

}  // namespace
}  // namespace vantile
