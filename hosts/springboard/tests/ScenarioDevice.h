#pragma once

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "testing/TemporaryDeviceRoot.h"

namespace vantile::springboard {

// A folder of the source tree, copied into a fresh device root so the host may write into it.
class ScenarioDevice {
 public:
  explicit ScenarioDevice(std::string_view sourceFolder) {
    const char* source = std::getenv("VANTILE_SOURCE_DIR");
    if (source != nullptr) {
      std::filesystem::copy(std::filesystem::path(source) / sourceFolder, root_.path(),
                            std::filesystem::copy_options::recursive);
    }
  }

  const std::filesystem::path& path() const { return root_.path(); }

 private:
  testing::TemporaryDeviceRoot root_;
};

}  // namespace vantile::springboard
