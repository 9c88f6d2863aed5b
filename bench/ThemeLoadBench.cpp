#include "controller/VantileController.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/views/View.h"

#include <benchmark/benchmark.h>

#include <filesystem>

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

}  // namespace
