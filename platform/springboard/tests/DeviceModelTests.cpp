#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/device/DeviceModel.h"

namespace platform::springboard {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class DeviceModelTest : public ::testing::Test {
 protected:
  DeviceModelTest() {
    foundation::MainQueue::shared().useManualClock(1000);
    DeviceState state;
    state.apps = {{"com.apple.MobileSMS", "Messages", "3", "", true, false, false},
                  {"com.apple.mobilemail", "Mail", std::nullopt, "", true, false, false}};
    state.nowPlaying = {"Song", "Band", "Record", 100, 10, true, "", "com.apple.Music"};
    model.reset(state);
    observation = model.observe([this](const std::vector<DeviceChange>& told) {
      changes.insert(changes.end(), told.begin(), told.end());
    });
  }
  ~DeviceModelTest() override { foundation::MainQueue::shared().useRealClock(); }

  DeviceModel& model = DeviceModel::shared();
  std::vector<DeviceChange> changes;
  std::shared_ptr<void> observation;
};

struct PathCase {
  const char* path;
  platform::Value value;
  DeviceChange change;
};

class DeviceModelPathTest : public DeviceModelTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(DeviceModelPathTest, TellsWhatTheChangeTouched) {
  std::string problem;
  ASSERT_TRUE(model.setValue(GetParam().path, GetParam().value, &problem)) << problem;
  EXPECT_THAT(changes, ElementsAre(GetParam().change));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceModelPathTest,
    ::testing::Values(PathCase{"battery.level", 20, {DeviceAspect::battery, ""}},
                      PathCase{"battery.charging", true, {DeviceAspect::power, ""}},
                      PathCase{"battery.externalPower", true, {DeviceAspect::power, ""}},
                      PathCase{"wifi.bars", 1, {DeviceAspect::wifi, ""}},
                      PathCase{"cellular.carrier", "Other", {DeviceAspect::cellular, ""}},
                      PathCase{"alarm.time", "07:15", {DeviceAspect::alarm, ""}},
                      PathCase{"nowPlaying.title", "Other song", {DeviceAspect::nowPlaying, ""}},
                      PathCase{"apps.com.apple.MobileSMS.badge", "4", {DeviceAspect::badge, "com.apple.MobileSMS"}},
                      PathCase{"apps.1.badge", 2, {DeviceAspect::badge, "com.apple.mobilemail"}},
                      PathCase{"apps.0.badge", nullptr, {DeviceAspect::badge, "com.apple.MobileSMS"}},
                      PathCase{"apps.0.name", "Texts", {DeviceAspect::apps, ""}},
                      PathCase{"flashlight", 1, {DeviceAspect::flashlight, ""}},
                      PathCase{"locked", false, {DeviceAspect::locked, ""}},
                      PathCase{"weather.temperature", 50, {DeviceAspect::weather, ""}},
                      PathCase{"timer.running", true, {DeviceAspect::timer, ""}}),
    [](const ::testing::TestParamInfo<PathCase>& info) {
      std::string name = std::to_string(info.index) + "_";
      for (const char c : std::string(info.param.path)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST_F(DeviceModelTest, ABadgeSetToNullIsNone) {
  ASSERT_TRUE(model.setValue("apps.com.apple.MobileSMS.badge", nullptr));
  EXPECT_EQ(model.state().apps[0].badge, std::nullopt);
}

TEST_F(DeviceModelTest, AnOutOfRangeValueIsClampedAndSaidSo) {
  std::string problem;
  ASSERT_TRUE(model.setValue("battery.level", 150, &problem));
  EXPECT_EQ(model.state().battery.level, 100);
  EXPECT_THAT(problem, HasSubstr("battery.level 150 is above 100"));
}

TEST_F(DeviceModelTest, PathsThatNameNothingOrValuesOfAnotherKindAreRefusedAndChangeNothing) {
  const DeviceState before = model.state();
  for (const auto& [path, value] : std::vector<std::pair<std::string, platform::Value>>{
           {"battery.volume", 3}, {"battery", 3}, {"apps.com.example.none.badge", "1"}, {"apps.9.badge", "1"},
           {"battery.level", "full"}, {"locked", 1}, {"ios", 15}, {"", 1}}) {
    std::string problem;
    EXPECT_FALSE(model.setValue(path, value, &problem)) << path;
    EXPECT_FALSE(problem.empty()) << path;
  }
  EXPECT_EQ(model.state(), before);
  EXPECT_TRUE(changes.empty());
}

TEST_F(DeviceModelTest, NowPlayingAdvancesWithTheClockOnlyWhilePlaying) {
  foundation::MainQueue::shared().advance(5);
  EXPECT_DOUBLE_EQ(model.nowPlayingElapsed(), 15);
  ASSERT_TRUE(model.setValue("nowPlaying.playing", false));
  foundation::MainQueue::shared().advance(30);
  EXPECT_DOUBLE_EQ(model.nowPlayingElapsed(), 15);
  ASSERT_TRUE(model.setValue("nowPlaying.playing", true));
  foundation::MainQueue::shared().advance(500);
  // Never past the end of the song.
  EXPECT_DOUBLE_EQ(model.nowPlayingElapsed(), 100);
}

TEST_F(DeviceModelTest, AChangeToTheSameValueTellsNoOne) {
  ASSERT_TRUE(model.setValue("wifi.network", model.state().wifi.network));
  EXPECT_TRUE(changes.empty());
}

}  // namespace
}  // namespace platform::springboard
