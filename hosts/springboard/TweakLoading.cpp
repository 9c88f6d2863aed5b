#include "TweakLoading.h"

namespace vantile::springboard {

std::filesystem::path builtTweakPath() { return VANTILE_TWEAK_LIBRARY; }

std::optional<std::filesystem::path> builtWebServicePath() {
  const std::filesystem::path path = VANTILE_WEB_SERVICE_PROGRAM;
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace vantile::springboard
