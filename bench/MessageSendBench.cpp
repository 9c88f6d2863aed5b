#include <benchmark/benchmark.h>

#include <string>

#include "platform/objc/MessageHook.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"

namespace {

namespace objc = platform::objc;

// A message to an operation three classes up, as SpringBoard's views inherit theirs.
objc::Class& leafClass() {
  static objc::Class& leaf = []() -> objc::Class& {
    objc::Class& root = *objc::registerClass("BenchView");
    objc::registerClass("BenchIconView", "BenchView");
    objc::addMethod<double(double)>(root, "scaled:", [](objc::Object&, double value) { return value * 2; });
    return *objc::registerClass("BenchAppIconView", "BenchIconView");
  }();
  return leaf;
}

void inheritedSend(benchmark::State& state) {
  objc::Object object(&leafClass());
  double value = 1;
  for (auto _ : state) {
    value = objc::send<double(double)>(object, "scaled:", value) / 2;
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(inheritedSend);

// The same message once replaced, the replacement calling the kept implementation.
void replacedSend(benchmark::State& state) {
  static objc::Slot<double(double)> kept;
  static const bool installed = objc::MSHookMessageEx(
      leafClass(), "scaled:", [](objc::Object& self, double value) { return kept(self, value); }, &kept);
  benchmark::DoNotOptimize(installed);
  objc::Object object(&leafClass());
  double value = 1;
  for (auto _ : state) {
    value = objc::send<double(double)>(object, "scaled:", value) / 2;
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(replacedSend);

}  // namespace
