// An immediate refresh of a theme whose labels mix date, device and weather tokens, inside the
// SpringBoard stand-in with the live providers, beside the date-only one-second tick.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "controller/VantileController.h"
#include "integration/links/ProviderLinks.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/services/WeatherModels.h"
#include "platform/ui/text/Label.h"
#include "providers/weather/VantileWeather.h"

namespace {

using platform::Value;

constexpr int kTextElements = 100;
constexpr const char* kThemePath = "/var/mobile/Library/Vantile/themes/refresh.json";

const char* const kMixedTexts[] = {
    "[time] [batterypercent]% [ischarging]",
    "[wifiname] [wifipercent]% · [signalpercent]%",
    "[musicTitle] [musicElapsed] of [musicDuration]",
    "[temperature]°[temptype] [condition] in [city]",
    "H [high]° L [low]° · [day2shortday] [day2high]°",
    "[day], [month] [date] · [messageBadge] messages",
};

Value theme(bool mixed) {
  Value children = Value::object();
  Value order = Value::array();
  for (int index = 0; index < kTextElements; ++index) {
    std::string name = "label";
    name += std::to_string(index);
    const char* data = mixed ? kMixedTexts[index % std::size(kMixedTexts)] : "[time]:[seconds] [day], [month] [date]";
    children[name] = {{"type", "UILabel"},
                      {"data", data},
                      {"frame", {{"x", "0"}, {"y", std::to_string(index * 8)}, {"width", "300"}, {"height", "20"}}}};
    order.push_back(name);
  }
  return {{"PresetView",
           {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "812"}}},
            {"children", children},
            {"order", order}}}};
}

platform::springboard::DeviceState device() {
  platform::springboard::DeviceState state;
  state.timeZone = "UTC";
  state.nowPlaying = {"Tidal Hours", "The Lanterns", "Low Sun", 241, 62, true, "", "com.apple.Music"};
  state.apps = {{"com.apple.MobileSMS", "Messages", "3", "", true, false, false}};
  state.weather.daily = {{39, 48, 30, 40}, {41, 50, 11, 80}};
  return state;
}

// A device folder, the stand-in and the providers for one benchmark.
class Fixture {
 public:
  explicit Fixture(bool mixed)
      : root_(std::filesystem::temp_directory_path() / ("provider-refresh-bench-" + std::to_string(getpid()))) {
    platform::foundation::setDeviceRoot(root_);
    platform::foundation::MainQueue::shared().useManualClock(1796805000);
    platform::foundation::writeFileAtomically(platform::foundation::devicePath(kThemePath), theme(mixed).dump());
    process_ = std::make_unique<platform::springboard::SpringBoardProcess>(device());
    process_->launch();
    vantile::integration::connectDataProviders();
    vantile::VantileWeather::sharedInstance().parseModel(
        platform::springboard::forecastModelFor(platform::springboard::DeviceModel::shared().state()));
    controller = vantile::VantileController::sharedInstance();
    controller->createViewFromTheme(kThemePath, "lockscreen");
  }

  ~Fixture() {
    process_.reset();
    platform::foundation::MainQueue::shared().clear();
    platform::foundation::setDeviceRoot({});
    std::filesystem::remove_all(root_);
  }

  std::shared_ptr<vantile::VantileController> controller;

 private:
  std::filesystem::path root_;
  std::unique_ptr<platform::springboard::SpringBoardProcess> process_;
};

void BM_FastUpdateOfHundredMixedLabels(benchmark::State& state) {
  Fixture fixture(true);
  for (auto _ : state) {
    fixture.controller->fastUpdate("lockscreen");
  }
}
BENCHMARK(BM_FastUpdateOfHundredMixedLabels)->Unit(benchmark::kMicrosecond);

void BM_TickOfHundredDateLabelsInSpringBoard(benchmark::State& state) {
  Fixture fixture(false);
  for (auto _ : state) {
    fixture.controller->updateEverySecond();
  }
}
BENCHMARK(BM_TickOfHundredDateLabelsInSpringBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
