#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "editor/CreatorView.h"
#include "editor/canvas/EditorThemeFiles.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"

namespace {

// A full draw of the example device's lock-screen theme on the editor canvas: the root view with
// its grid and the element views, then the canvas's style pass.
void BM_DrawLockScreenThemeOnTheCanvas(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / ("editor-canvas-bench-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::copy(VANTILE_EXAMPLE_DEVICE, folder, std::filesystem::copy_options::recursive);
  platform::foundation::setDeviceRoot(folder);
  auto& queue = platform::foundation::MainQueue::shared();
  queue.useManualClock(1'765'265'400);

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

  canvas.reset();
  queue.clear();
  platform::foundation::setDeviceRoot({});
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DrawLockScreenThemeOnTheCanvas)->Unit(benchmark::kMicrosecond);

}  // namespace
