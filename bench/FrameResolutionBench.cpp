#include <benchmark/benchmark.h>

#include <vector>

#include "engine/helpers/VantileHelpers.h"

namespace {

using platform::Value;
using platform::graphics::Rect;

Value frame(const char* x, const char* y, const char* width, const char* height) {
  return Value{{"x", x}, {"y", y}, {"width", width}, {"height", height}};
}

// The frame kinds themes use, from plain numbers to "math(" with size tokens and edge markers.
const std::vector<Value>& themeFrames() {
  static const std::vector<Value> frames = {
      frame("20", "40", "100", "50"),
      frame("center", "FB~20", "100", "50"),
      frame("FR~10", "120", "60", "60"),
      frame("math(FR~10)", "math(center-20)", "math(screen_width/2)", "math(screen_height/10)"),
      frame("math(center+10)", "12.5", "screen_width", "view_height"),
      Value::object(),
  };
  return frames;
}

void ResolveThemeFrames(benchmark::State& state) {
  const Rect screen(0, 0, 375, 812);
  const auto& frames = themeFrames();
  for (auto _ : state) {
    for (const auto& frame : frames) {
      benchmark::DoNotOptimize(vantile::VantileHelpers::getRect(frame, screen));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(frames.size()));
}
BENCHMARK(ResolveThemeFrames);

void ResolvePlainFrame(benchmark::State& state) {
  const Rect screen(0, 0, 375, 812);
  const auto plain = frame("center", "FB~20", "100", "50");
  for (auto _ : state) {
    benchmark::DoNotOptimize(vantile::VantileHelpers::getRect(plain, screen));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ResolvePlainFrame);

}  // namespace
