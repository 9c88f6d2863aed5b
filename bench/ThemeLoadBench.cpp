#include "controller/VantileController.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/views/View.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A copy of the example device, so nothing the controller writes lands in the sources.
const std::filesystem::path& exampleDevice() {
  static const std::filesystem::path copy = [] {
    const auto folder = std::filesystem::temp_directory_path() / "vantile-theme-load-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::copy(VANTILE_EXAMPLE_DEVICE, folder, std::filesystem::copy_options::recursive);
    return folder;
  }();
  return copy;
}

void LoadDemoTheme(benchmark::State& state, const char* file, const char* location) {
  platform::foundation::setDeviceRoot(exampleDevice());
  auto& queue = platform::foundation::MainQueue::shared();
  queue.useManualClock(1'765'265'400);
  const std::string path = std::string("/var/mobile/Library/Vantile/themes/") + file;
  const auto controller = vantile::VantileController::make();
  controller->createViewFromTheme(path, location);  // fonts and caches warm up once, as in a running process
  for (auto _ : state) {
    benchmark::DoNotOptimize(controller->createViewFromTheme(path, location));
    queue.clear();
  }
}
BENCHMARK_CAPTURE(LoadDemoTheme, lockscreen, "Nightfall.json", "lockscreen")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadDemoTheme, homescreen, "Harbour.json", "homescreen")->Unit(benchmark::kMillisecond);

std::string numbered(char prefix, int number) {
  std::string name(1, prefix);
  name += std::to_string(number);
  return name;
}

// A theme of `count` labels: a tenth in containers of ten, the rest on the top level, so both the
// top level and the nested levels grow with the count.
platform::Value manyLabels(int count) {
  auto label = [](int index) {
    return platform::Value{{"type", "UILabel"},
                           {"frame", {{"x", "0"}, {"y", std::to_string(index % 600)}, {"width", "120"}, {"height", "20"}}},
                           {"text", "label"},
                           {"fontSize", "14"},
                           {"textColor", "rgba(255,255,255,1)"}};
  };
  platform::Value children = platform::Value::object();
  int index = 0;
  for (; index < count / 10; index += 10) {
    platform::Value inner = platform::Value::object();
    for (int child = index; child < index + 9; ++child) inner[numbered('l', child)] = label(child);
    children[numbered('c', index)] = {{"type", "UIView"},
                                             {"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "200"}}},
                                             {"children", std::move(inner)}};
  }
  for (; index < count; ++index) children[numbered('l', index)] = label(index);
  return {{"PresetView",
           {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "812"}}}, {"children", std::move(children)}}}};
}

// The time per element must not grow with the size of the theme.
void LoadLargeTheme(benchmark::State& state) {
  platform::foundation::setDeviceRoot(exampleDevice());
  auto& queue = platform::foundation::MainQueue::shared();
  queue.useManualClock(1'765'265'400);
  const int count = static_cast<int>(state.range(0));
  std::string path = "/var/mobile/Library/Vantile/themes/bench-";
  path += std::to_string(count);
  path += ".json";
  std::ofstream(platform::foundation::devicePath(path)) << manyLabels(count).dump();
  const auto controller = vantile::VantileController::make();
  for (auto _ : state) {
    benchmark::DoNotOptimize(controller->createViewFromTheme(path, "homescreen"));
    queue.clear();
  }
  state.counters["per_element"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(LoadLargeTheme)->Arg(500)->Arg(5'000)->Arg(20'000)->Unit(benchmark::kMillisecond);

}  // namespace
