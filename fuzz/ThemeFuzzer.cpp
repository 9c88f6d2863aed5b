// Arbitrary theme files through the theme controller: loaded for both screens, ticked, drawn.
#include "controller/VantileController.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/Files.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"

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
  for (const char* location : {"lockscreen", "homescreen"}) {
    if (const auto view = controller->createViewFromTheme(kThemePath, location)) {
      platform::ui::renderLayerTree(*view->layer(), {90, 195}, 1);
    }
  }
  auto& queue = platform::foundation::MainQueue::shared();
  queue.advance(2.5);
  queue.clear();
  return 0;
}
