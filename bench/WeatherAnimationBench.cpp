#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "integration/TweakStartup.h"
#include "integration/TweakState.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/device/DeviceStateReader.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/ui/render/Renderer.h"
#include "providers/animations/AnimationRain.h"

namespace {

// A copy of the example device, so nothing the tweak writes lands in the sources.
const std::filesystem::path& exampleDevice() {
  static const std::filesystem::path copy = [] {
    const auto folder = std::filesystem::temp_directory_path() / "vantile-weather-animation-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::copy(VANTILE_EXAMPLE_DEVICE, folder, std::filesystem::copy_options::recursive);
    return folder;
  }();
  return copy;
}

// One frame of the demo lock screen as the stand-in shows it with the tweak, with the rain of
// a rainy forecast falling for a few seconds over the theme, or without it.
void DemoLockScreenFrame(benchmark::State& state, bool raining) {
  platform::foundation::setDeviceRoot(exampleDevice());
  auto& queue = platform::foundation::MainQueue::shared();
  queue.useManualClock(1'796'806'800);
  platform::foundation::Bundle::main().setBundleIdentifier("com.apple.springboard");
  // Each run loads the tweak into a SpringBoard of its own.
  vantile::integration::tweakState() = vantile::integration::TweakState{};
  auto device = platform::springboard::readDeviceStateFile(exampleDevice() / "device.json").state;
  auto process = std::make_unique<platform::springboard::SpringBoardProcess>(std::move(device));
  vantile::integration::installTweak();
  vantile::integration::readSystemVersion();
  process->launch();
  queue.advance(1);
  std::shared_ptr<vantile::AnimationRain> rain;
  if (raining) {
    rain = vantile::AnimationRain::make();
    rain->setUserInteractionEnabled(false);
    vantile::integration::tweakState().lockScreen.lockScreenThemeView->addSubview(rain);
    rain->startAnimating();
    queue.advance(3);
    state.counters["particles"] = static_cast<double>(rain->animationEmitter()->particlesAt(queue.now()).size());
  }
  const auto& window = *process->lockScreenWindow();
  for (auto _ : state) benchmark::DoNotOptimize(platform::ui::snapshot(window));
  process.reset();
  platform::springboard::removeSpringBoardClasses();
  queue.clear();
}
BENCHMARK_CAPTURE(DemoLockScreenFrame, without_rain, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DemoLockScreenFrame, with_rain, true)->Unit(benchmark::kMillisecond);

}  // namespace
