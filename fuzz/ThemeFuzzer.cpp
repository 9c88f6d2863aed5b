// Arbitrary theme files through the theme controller: loaded for both screens, bound to live
// data (music and power both ways, so every visibility and trigger rule runs), every element's
// "animation" and "actions" run as a tap would, touches forwarded, ticked, drawn; then opened in
// the editor: drawn on its canvas with preview data, styled, listed, drawn, its elements selected
// with their inspector and moved, repaired and duplicated.
#include "controller/VantileController.h"
#include "controller/actions/TouchRouting.h"
#include "controller/animation/AnimationRunner.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"
#include "themeeditor/EditorSession.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace {

constexpr const char* kThemePath = "/var/mobile/Library/Vantile/themes/fuzzed.json";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const auto root = std::filesystem::temp_directory_path() / "vantile-theme-fuzzer";
  std::filesystem::create_directories(root);
  platform::foundation::setDeviceRoot(root);
  platform::foundation::MainQueue::shared().useManualClock(1'765'000'000);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view theme(reinterpret_cast<const char*>(data), size);
  platform::foundation::writeFileAtomically(platform::foundation::devicePath(kThemePath), theme);

  const auto controller = vantile::VantileController::make();
  bool on = false;
  auto& providers = controller->providers;
  providers.isMusicPlaying = [&on] { return on; };
  providers.isOnAC = [&on] { return on; };
  providers.batteryAsInt = [&on] { return on ? 19 : 105; };
  providers.getWeatherInfo = []() -> const platform::Value& {
    static const platform::Value weather{{"conditionCode", "32"}, {"temperature", "-5"}, {"day1icon", "7"}};
    return weather;
  };
  auto& queue = platform::foundation::MainQueue::shared();
  for (const char* location : {"lockscreen", "homescreen"}) {
    const auto view = controller->createViewFromTheme(kThemePath, location);
    for (const bool state : {true, false}) {
      on = state;
      controller->fastUpdate(location);
      queue.advance(0);
    }
    if (view) platform::ui::renderLayerTree(*view->layer(), {90, 195}, 1);
  }
  for (const bool lockScreen : {true, false}) {
    const auto& preset = lockScreen ? controller->vantilePreset : controller->vantilePresetSB;
    if (!preset) continue;
    const auto entries = preset->nameIndex.entries();
    for (const auto& [name, tag] : entries) {
      controller->isLSTap = lockScreen;
      vantile::AnimationRunner(*controller).handleAnimation(std::to_string(tag));
    }
  }
  vantile::TouchRouting routing(*controller);
  for (const platform::graphics::Point point : {platform::graphics::Point{10, 10}, {187, 300}, {300, 700}}) {
    routing.checkLSTouch(point, {0, 0});
    routing.checkSBTouch(point, {0, 0});
  }
  queue.advance(2.5);
  queue.clear();
  fuzzing::editInCanvas(queue);
  return 0;
}
