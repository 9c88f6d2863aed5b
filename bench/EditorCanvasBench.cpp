#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "editor/CreatorView.h"
#include "editor/canvas/EditorThemeFiles.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "platform/ui/views/View.h"

namespace {

// The example device in a folder of its own, as the device root, with the manual clock.
class ExampleDevice {
 public:
  ExampleDevice()
      : folder_(std::filesystem::temp_directory_path() / ("editor-canvas-bench-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(folder_);
    std::filesystem::copy(VANTILE_EXAMPLE_DEVICE, folder_, std::filesystem::copy_options::recursive);
    platform::foundation::setDeviceRoot(folder_);
    platform::foundation::MainQueue::shared().useManualClock(1'765'265'400);
  }
  ~ExampleDevice() {
    platform::foundation::MainQueue::shared().clear();
    platform::foundation::setDeviceRoot({});
    std::filesystem::remove_all(folder_);
  }
  ExampleDevice(const ExampleDevice&) = delete;
  ExampleDevice& operator=(const ExampleDevice&) = delete;

 private:
  std::filesystem::path folder_;
};

// A canvas with its side panel, editing the theme.
std::shared_ptr<vantile::CreatorView> canvasEditing(const platform::Value& theme) {
  auto canvas = vantile::CreatorView::make();
  canvas->mainView = platform::ui::View::make({0, 0, 375, 812});
  canvas->menu = platform::ui::View::make({0, 512, 375, 300});
  canvas->mainView->addSubview(canvas->menu);
  canvas->creatorPreset = theme;
  return canvas;
}

platform::Value labels(int count) {
  platform::Value children = platform::Value::object();
  platform::Value order = platform::Value::array();
  for (int index = 0; index < count; ++index) {
    const std::string name = "label" + std::to_string(index);
    children[name] = {{"type", "UILabel"}, {"data", "[time]"}};
    order.push_back(name);
  }
  return {{"PresetView", {{"children", children}, {"order", order}}}};
}

// A full draw of the example device's lock-screen theme on the editor canvas: the root view with
// its grid and the element views, then the canvas's style pass.
void BM_DrawLockScreenThemeOnTheCanvas(benchmark::State& state) {
  const ExampleDevice device;
  auto& queue = platform::foundation::MainQueue::shared();

  auto canvas = vantile::CreatorView::make();
  const auto theme = vantile::readEditorTheme("Nightfall.json");
  if (!theme || !theme->contains("PresetView")) state.SkipWithError("the example lock-screen theme did not load");
  const platform::Value root = vantile::completedRoot(theme ? (*theme)["PresetView"] : platform::Value::object());
  const platform::Value children = root.value("children", platform::Value::object());
  canvas->creatorPreset = {{"PresetView", root}};

  for (auto _ : state) {
    canvas->creatorTags.clear();
    canvas->creatorView = canvas->createViewFromDictionary(root, "creator");
    canvas->updateChildren(children, "creator");
    queue.advance(0);
  }
  state.counters["elements"] = static_cast<double>(canvas->creatorTags.size());

}
BENCHMARK(BM_DrawLockScreenThemeOnTheCanvas)->Unit(benchmark::kMicrosecond);

// The element list of the example lock-screen theme, built at once as a reload builds it.
void BM_BuildElementListOfTheLockScreenTheme(benchmark::State& state) {
  const ExampleDevice device;
  const auto theme = vantile::readEditorTheme("Nightfall.json");
  if (!theme) state.SkipWithError("the example lock-screen theme did not load");
  const auto canvas = canvasEditing(theme.value_or(platform::Value::object()));
  for (auto _ : state) {
    canvas->reloadScrollview();
    platform::foundation::MainQueue::shared().advance(0);
  }
}
BENCHMARK(BM_BuildElementListOfTheLockScreenTheme)->Unit(benchmark::kMicrosecond);

// The progressive list of a 500-element theme: the figure is the longest single main-queue step
// (one top-level row and the list's new size), which must stay well inside a 16 ms frame.
void BM_ProgressiveListOf500Elements(benchmark::State& state) {
  const ExampleDevice device;
  auto& queue = platform::foundation::MainQueue::shared();
  const auto canvas = canvasEditing(labels(500));
  double longestStep = 0;
  for (auto _ : state) {
    canvas->refreshScrollview();
    // The worker hands its 500 rows over; each then runs as its own step of the clock.
    while (canvas->isLoadingElements) {
      if (queue.pendingCount() == 0) {
        std::this_thread::yield();
        continue;
      }
      const auto begin = std::chrono::steady_clock::now();
      queue.advance(0.005);
      const std::chrono::duration<double, std::milli> step = std::chrono::steady_clock::now() - begin;
      longestStep = std::max(longestStep, step.count());
    }
    queue.advance(1);
  }
  state.counters["longestStepMs"] = longestStep;
}
BENCHMARK(BM_ProgressiveListOf500Elements)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
