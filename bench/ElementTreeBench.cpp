#include "engine/testing/RecordingHost.h"
#include "platform/foundation/values/Value.h"
#include "platform/ui/views/View.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using platform::Value;

// Names built by appending, which also keeps GCC 12's false -Wrestrict alarm on "e" + std::string quiet.
std::string numbered(char prefix, int number) {
  std::string name(1, prefix);
  name += std::to_string(number);
  return name;
}

Value frame(int x, int y, int width, int height) {
  return Value{{"x", std::to_string(x)}, {"y", std::to_string(y)}, {"width", std::to_string(width)},
               {"height", std::to_string(height)}};
}

Value leaf(int index) {
  switch (index % 6) {
    case 0:
      return {{"type", "UILabel"}, {"frame", frame(0, index % 50, 120, 24)}, {"fontName", "Inter-Regular"},
              {"fontSize", "16"}, {"textColor", "rgba(255,255,255,1)"}, {"textAlignment", "NSTextAlignmentLeft"},
              {"textShadow", {{"x", "0"}, {"y", "1"}, {"color", "rgba(0,0,0,0.5)"}, {"radius", "2"}}}};
    case 1:
      return {{"type", "UIView"}, {"frame", frame(10, 10, 60, 30)}, {"cornerRadius", "8"},
              {"backgroundColor", "rgba(255,255,255,0.3)"}, {"borderWidth", "1"}, {"borderColor", "rgba(0,0,0,1)"}};
    case 2:
      return {{"type", "BatteryBar"}, {"frame", frame(5, 40, 100, 10)}, {"radius", "3"}, {"borderWidth", "1"},
              {"backColor", "rgba(0,0,0,1)"}, {"innerColor", "rgba(0,255,0,1)"}};
    case 3:
      return {{"type", "CircleProgress"}, {"frame", frame(0, 0, 50, 50)}, {"ringWidth", "5"},
              {"ringBackground", "YES"}, {"ringColor", "rgba(255,255,255,1)"}};
    case 4:
      return {{"type", "ProgressBar"}, {"frame", {{"x", "center"}, {"y", "FB~10"}, {"width", "math(view_width/2)"},
                                                  {"height", "8"}}}};
    default:
      return {{"type", "BatteryIcon"}, {"frame", frame(0, 0, 30, 15)}, {"radius", "2"}};
  }
}

// 500 elements: 50 containers (plain, glass, scroll) of nine children each.
Value themeTree() {
  Value children = Value::object();
  int index = 0;
  for (int container = 0; container < 50; ++container) {
    static const char* kContainers[] = {"UIView", "GlassView", "ScrollView"};
    Value inner = Value::object();
    for (int child = 0; child < 9; ++child, ++index) {
      inner[numbered('e', index)] = leaf(index);
    }
    children[numbered('c', container)] = {{"type", kContainers[container % 3]},
                                                 {"frame", frame(0, container * 16, 375, 160)},
                                                 {"cornerRadius", "10"},
                                                 {"childorder", "none"},
                                                 {"children", inner}};
  }
  return children;
}

void BuildFiveHundredElementTree(benchmark::State& state) {
  const auto tree = themeTree();
  for (auto _ : state) {
    const auto root = platform::ui::View::make({0, 0, 375, 812});
    const auto host = vantile::testing::RecordingHost::make("vantile");
    host->build(tree, root);
    benchmark::DoNotOptimize(root->subviews().size());
  }
  state.counters["elements"] = 500;
}
BENCHMARK(BuildFiveHundredElementTree)->Unit(benchmark::kMillisecond);

}  // namespace
