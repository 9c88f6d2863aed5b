#include <gtest/gtest.h>

#include "ProviderFixture.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/services/WALockscreenWidgetViewController.h"
#include "platform/springboard/services/WeatherModels.h"
#include "providers/VantileDates.h"
#include "providers/weather/VantileWeather.h"

namespace vantile {
namespace {

using platform::Value;
using platform::springboard::DeviceModel;
using platform::springboard::DeviceState;

constexpr const char* kWeatherFile = "/var/mobile/Media/Downloads/weather.json";

class VantileWeatherTest : public testing::ProviderFixture {
 protected:
  static DeviceState forecastDevice(std::size_t days = 10) {
    DeviceState state;
    auto& weather = state.weather;
    weather.temperature = 50;
    weather.feelsLike = 46.9;
    weather.condition = 32;
    weather.city = "Berlin";
    weather.sunrise = "06:17";
    weather.sunset = "19:42";
    weather.windSpeed = 12.7;
    weather.windDirection = 247.5;
    weather.place = platform::springboard::PlaceState{.subThoroughfare = "1", .thoroughfare = "Unter den Linden",
                                                      .locality = "Berlin", .country = "Germany"};
    for (std::size_t day = 0; day < days; ++day) {
      weather.daily.push_back({40.0 + static_cast<double>(day), 55, 30, day == 0 ? std::nullopt : std::optional(20.5)});
    }
    weather.hourly = {{"13:00", 52, 28, 35.7}, {"0:30", 45, 31, std::nullopt}};
    return state;
  }

  static Value& info() { return VantileWeather::getWeatherInfo(); }
  static std::string text(const char* key) { return info().value(key, "missing"); }

  void parse() {
    VantileWeather::sharedInstance().parseModel(platform::springboard::forecastModelFor(DeviceModel::shared().state()));
  }

  // The moment `hours`:`minutes` of the start day (UTC).
  void setClock(int hours, int minutes) {
    platform::foundation::MainQueue::shared().useManualClock(kStart - 8 * 3600 - 30 * 60 + hours * 3600 + minutes * 60);
  }
};

TEST_F(VantileWeatherTest, AModelBecomesTheWeatherInformation) {
  start(forecastDevice());
  EXPECT_TRUE(info().empty());
  parse();
  EXPECT_EQ(text("temperature"), "50");
  EXPECT_EQ(text("feelslike"), "46");
  EXPECT_EQ(text("feelsLike"), "46");
  EXPECT_EQ(text("city"), "Berlin");
  EXPECT_EQ(text("celsius"), "false");
  EXPECT_EQ(text("temptype"), "F");
  EXPECT_EQ(text("windunit"), "mph");
  EXPECT_EQ(text("windspeed"), "12");
  EXPECT_EQ(text("winddirection"), "WSW");
  EXPECT_EQ(info()["windDirection"], 248);
  EXPECT_EQ(text("low"), "40");
  EXPECT_EQ(text("high"), "55");
  // The first day offers no precipitation: the first hour's stands in.
  EXPECT_EQ(text("precip"), "35");
  EXPECT_EQ(text("day2precip"), "20");
  EXPECT_EQ(text("day1shortday"), "Wed");
  EXPECT_EQ(text("day2day"), "Thursday");
  EXPECT_EQ(text("hour1time"), "01:00");
  EXPECT_EQ(text("hour2time"), "12:30");
  EXPECT_EQ(text("hour2icon"), "31");
  EXPECT_EQ(text("latlong"), "");
  EXPECT_EQ(info()["dayForecasts"][1], (Value{{"low", 41}, {"high", 55}, {"dayNumber", 2}, {"dayOfWeek", 5}, {"icon", 30}}));
  EXPECT_EQ(info()["hourlyForecasts"][0]["percentPrecipitation"], 35.7);

  set("weather.celsius", true);
  parse();
  EXPECT_EQ(text("temperature"), "10");
  EXPECT_EQ(text("temptype"), "C");
  EXPECT_EQ(text("windunit"), "kph");
  EXPECT_EQ(text("celsius"), "true");
}

TEST_F(VantileWeatherTest, ARefreshIsAskedForWhenTheLastModelIsOlderThan300Seconds) {
  start(forecastDevice());
  auto& weather = VantileWeather::sharedInstance();
  const auto& widget = process->weatherWidget();
  const auto fetched = [&] { return widget->currentForecastModel; };
  auto before = fetched();
  VantileWeather::checkIfWeatherNeedsUpdating();
  EXPECT_EQ(fetched(), before) << "disabled";
  weather.setWeatherEnabled(true);
  VantileWeather::checkIfWeatherNeedsUpdating();
  EXPECT_NE(fetched(), before) << "no model yet";
  parse();
  before = fetched();
  advance(299);
  VantileWeather::checkIfWeatherNeedsUpdating();
  EXPECT_EQ(fetched(), before);
  advance(2);
  VantileWeather::checkIfWeatherNeedsUpdating();
  EXPECT_NE(fetched(), before);
}

TEST_F(VantileWeatherTest, AtNightSunAndCloudCodesTurnToTheirNightForms) {
  const std::tuple<int, int, int, const char*> cases[] = {
      {23, 0, 31, "clear"}, {12, 5, 32, "sunny"}, {6, 17, 32, "sunny"}, {19, 42, 32, "sunny"}, {19, 43, 31, "clear"}};
  start(forecastDevice());
  for (const auto& [hours, minutes, code, name] : cases) {
    setClock(hours, minutes);
    std::vector<std::int32_t> animated;
    VantileWeather::sharedInstance().loadAnimation = [&animated](std::int32_t loaded) { animated.push_back(loaded); };
    parse();
    EXPECT_EQ(text("conditionCode"), std::to_string(code)) << hours << ":" << minutes;
    EXPECT_EQ(text("condition"), name);
    advance(0.9);
    EXPECT_TRUE(animated.empty());
    advance(0.1);
    EXPECT_EQ(animated, std::vector<std::int32_t>{code});
  }
}

TEST_F(VantileWeatherTest, CodesOutsideTheTableShowTheirNumber) {
  start(forecastDevice());
  set("weather.condition", 48);
  parse();
  EXPECT_EQ(text("condition"), "blank");
  set("weather.condition", 3200);
  parse();
  EXPECT_EQ(text("condition"), "3200");
  EXPECT_EQ(text("naturalCondition"), "3200");
}

TEST_F(VantileWeatherTest, ConversionsOfSingleReadings) {
  const std::pair<float, const char*> compass[] = {{0, "N"}, {11.24F, "N"}, {11.25F, "NNE"}, {359, "N"}, {-40, ""}};
  for (const auto& [degrees, point] : compass) EXPECT_EQ(VantileWeather::windDirectionFromDegrees(degrees), point) << degrees;
  EXPECT_EQ(VantileWeather::convertSun(617), "6:17");
  EXPECT_EQ(VantileWeather::convertSun(1942), "7:42");
  EXPECT_EQ(VantileWeather::convertSun(1205), "12:05");
  EXPECT_EQ(VantileWeather::convertSun(5), "na");
  platform::foundation::MainQueue::shared().runPending();
  const auto log = platform::foundation::readFile(platform::foundation::devicePath("/var/mobile/Media/Downloads/vantile.log"));
  ASSERT_TRUE(log);
  EXPECT_NE(log->find("Log:Invalid input: string length is not 3 or 4 in VantileWeather convertSun:"), std::string::npos);
  VantileDates::sharedInstance().setTwentyFourHour(true);
  EXPECT_EQ(VantileWeather::convertSun(1942), "19:42");
  EXPECT_EQ(VantileWeather::convertTimeStringTo12HR("13:00"), "01:00");
  EXPECT_EQ(VantileWeather::convertTimeStringTo12HR("12:15"), "12:15");
}

TEST_F(VantileWeatherTest, TheMoonIsNewAtTheReferenceAndFullHalfAMonthLater) {
  const double newMoon = 947182464;  // 2000-01-06T18:14:24Z
  const auto atNew = VantileWeather::getMoonPhase(newMoon);
  EXPECT_EQ(atNew.name, "New");
  EXPECT_NEAR(atNew.brightness, 0, 0.5);
  const auto atFull = VantileWeather::getMoonPhase(newMoon + 29.530588853 / 2 * 86400);
  EXPECT_EQ(atFull.name, "Full");
  EXPECT_NEAR(atFull.brightness, 100, 0.5);
  start(forecastDevice());
  parse();
  EXPECT_EQ(text("moonPhase"), text("moonPhaseString"));
}

TEST_F(VantileWeatherTest, AShorterForecastLeavesTheLaterDaysAsTheyWere) {
  start(forecastDevice(10));
  parse();
  EXPECT_EQ(text("day10low"), "49");
  EXPECT_EQ(text("day5low"), "44");
  DeviceModel::shared().update([](DeviceState& state) {
    state.weather.daily.resize(5);
    for (auto& day : state.weather.daily) day.low = 30;
  });
  parse();
  EXPECT_EQ(text("day5low"), "30");
  EXPECT_EQ(text("day6low"), "45");
  EXPECT_EQ(text("day10low"), "49");
  EXPECT_EQ(info()["dayForecasts"].size(), 5U);
}

TEST_F(VantileWeatherTest, ALanguageFileReplacesOnlyTheTablesItHas) {
  start(forecastDevice());
  useLanguage(R"({"conditions": ["Tornado", 5], "shortdays": ["So", "Mo", "Di", "Mi"]})");
  set("weather.condition", 0);
  parse();
  EXPECT_EQ(text("condition"), "Tornado");
  EXPECT_EQ(text("windunit"), "mph");
  EXPECT_EQ(text("day1shortday"), "Mi");
  // Past the shorter list the English name stands; beyond the list a code shows its number.
  EXPECT_EQ(text("day2shortday"), "Thu");
  EXPECT_EQ(text("day1condition"), "30");
  set("weather.condition", 1);
  parse();
  EXPECT_EQ(text("condition"), "tropical Storm");
}

TEST_F(VantileWeatherTest, TheAddressReachesWeatherJsonWithTheNextModel) {
  start(forecastDevice());
  parse();
  auto written = Value::parse(read(kWeatherFile).value_or("{}"));
  EXPECT_FALSE(written.contains("address"));
  EXPECT_EQ(written["temperature"], "50");
  EXPECT_TRUE(written["windDirection"].is_number());
  platform::foundation::MainQueue::shared().runPending();
  parse();
  written = Value::parse(read(kWeatherFile).value_or("{}"));
  EXPECT_EQ(written["address"]["street"], "1 Unter den Linden");
  EXPECT_EQ(written["address"]["city"], "Berlin");
  EXPECT_EQ(written["address"]["state"], "");

  DeviceModel::shared().update([](DeviceState& state) { state.weather.place.reset(); });
  parse();
  platform::foundation::MainQueue::shared().runPending();
  EXPECT_EQ(info()["address"]["street"], "");
  EXPECT_EQ(info()["address"].size(), 8U);
}

}  // namespace
}  // namespace vantile
