// Arbitrary JSON element trees through the registry and the orchestrator into a host, then
// drawn by the renderer; and, as the children of a theme, through the theme controller's
// data binders and visibility, follow and knockout rules.
#include "controller/VantileController.h"
#include "engine/testing/RecordingHost.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace {

constexpr const char* kThemePath = "/var/mobile/Library/Vantile/themes/fuzzed-tree.json";

// Real theme files are read through a depth-limited reader; stay within the same bound.
bool nestsTooDeeply(std::string_view text) {
  int depth = 0;
  for (const char character : text) {
    if (character == '[' || character == '{') {
      if (++depth > 64) {
        return true;
      }
    } else if (character == ']' || character == '}') {
      --depth;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Asset look-ups and log lines stay inside a folder of the fuzzer's own.
  const auto root = std::filesystem::temp_directory_path() / "vantile-element-tree-fuzzer";
  std::filesystem::create_directories(root);
  platform::foundation::setDeviceRoot(root);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (nestsTooDeeply(text)) {
    return 0;
  }
  const auto tree = platform::Value::parse(text, nullptr, /*allow_exceptions=*/false);
  if (tree.is_discarded()) {
    return 0;
  }
  for (const char* environment : {"vantile", "creator"}) {
    const auto root = platform::ui::View::make({0, 0, 375, 812});
    const auto host = vantile::testing::RecordingHost::make(environment);
    host->build(tree, root);
    platform::ui::renderLayerTree(*root->layer(), {120, 260}, 1);
  }
  const platform::Value theme = {{"PresetView", {{"frame", {{"width", "375"}, {"height", "812"}}}, {"children", tree}}}};
  platform::foundation::writeFileAtomically(platform::foundation::devicePath(kThemePath),
                                            theme.dump(-1, ' ', false, platform::Value::error_handler_t::replace));
  const auto controller = vantile::VantileController::make();
  controller->providers.isMusicPlaying = [] { return true; };
  controller->providers.batteryAsInt = [] { return 49; };
  if (const auto view = controller->createViewFromTheme(kThemePath, "lockscreen")) {
    controller->fastUpdate("lockscreen");
    platform::foundation::MainQueue::shared().advance(0);
  }
  // Log lines and clock ticks queued by the build would otherwise pile up across runs.
  platform::foundation::MainQueue::shared().clear();
  return 0;
}
