#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "controller/VantileController.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"

namespace {

using platform::Value;

constexpr int kTextElements = 100;
constexpr const char* kThemePath = "/var/mobile/Library/Vantile/themes/tick.json";

// Every label shows the seconds, so every one of them is on the every-second list.
Value tickingTheme() {
  Value children = Value::object();
  Value order = Value::array();
  for (int index = 0; index < kTextElements; ++index) {
    std::string name = "label";
    name += std::to_string(index);
    children[name] = {{"type", "UILabel"},
                      {"data", "[time]:[seconds] [day], [month] [date]"},
                      {"textStyle", index % 2 == 0 ? "uppercase" : "none"},
                      {"frame", {{"x", "0"}, {"y", std::to_string(index * 8)}, {"width", "300"}, {"height", "20"}}}};
    order.push_back(name);
  }
  return {{"PresetView",
           {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "812"}}},
            {"children", children},
            {"order", order}}}};
}

void BM_TickOfHundredDateLabels(benchmark::State& state) {
  const auto root = std::filesystem::temp_directory_path() / ("controller-tick-bench-" + std::to_string(getpid()));
  platform::foundation::setDeviceRoot(root);
  platform::foundation::writeFileAtomically(platform::foundation::devicePath(kThemePath), tickingTheme().dump());

  auto controller = vantile::VantileController::make();
  controller->createViewFromTheme(kThemePath, "lockscreen");
  if (controller->updateEverySecondArray.size() != kTextElements) {
    state.SkipWithError("the theme did not put every label on the every-second list");
  }
  for (auto _ : state) {
    controller->updateEverySecond();
  }
  state.counters["entries"] = static_cast<double>(controller->updateEverySecondArray.size());

  controller.reset();
  platform::foundation::MainQueue::shared().clear();
  platform::foundation::setDeviceRoot({});
  std::filesystem::remove_all(root);
}
BENCHMARK(BM_TickOfHundredDateLabels)->Unit(benchmark::kMicrosecond);

// The full refresh of a demo screen: every element through its binder, with providers that
// answer as a playing, charging device does, and the rules the pass queues.
void BM_FullDataPassOfDemoScreen(benchmark::State& state, const char* file, const char* location) {
  const auto folder = std::filesystem::temp_directory_path() / ("controller-data-pass-bench-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::copy(VANTILE_EXAMPLE_DEVICE, folder, std::filesystem::copy_options::recursive);
  platform::foundation::setDeviceRoot(folder);
  auto& queue = platform::foundation::MainQueue::shared();
  queue.useManualClock(1'765'265'400);

  auto controller = vantile::VantileController::make();
  auto& providers = controller->providers;
  providers.batteryAsInt = [] { return 76; };
  providers.signalpercent = [] { return std::string("75"); };
  providers.wifipercent = [] { return std::string("100"); };
  providers.isMusicPlaying = [] { return true; };
  providers.isOnAC = [] { return true; };
  providers.getWeatherInfo = []() -> const Value& {
    static const Value weather{{"conditionCode", "30"}, {"temperature", "68"}};
    return weather;
  };
  controller->hooks.appRecords = [] {
    return std::vector<Value>{{{"bundle", "com.apple.mobilemail"}, {"name", "Mail"}, {"badge", "12"}},
                              {{"bundle", "com.apple.Music"}, {"name", "Music"}, {"badge", ""}}};
  };
  controller->createViewFromTheme(std::string("/var/mobile/Library/Vantile/themes/") + file, location);
  queue.advance(0);
  for (auto _ : state) {
    controller->fastUpdate(location);
    queue.advance(0);
  }

  controller.reset();
  queue.clear();
  platform::foundation::setDeviceRoot({});
  std::filesystem::remove_all(folder);
}
BENCHMARK_CAPTURE(BM_FullDataPassOfDemoScreen, lockscreen, "Nightfall.json", "lockscreen")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullDataPassOfDemoScreen, homescreen, "Harbour.json", "homescreen")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
