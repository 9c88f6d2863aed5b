#include "TweakLoading.h"

#include <dlfcn.h>

namespace vantile::springboard {

std::optional<std::string> loadTweak(const std::filesystem::path& library) {
  if (dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL) != nullptr) {
    return std::nullopt;
  }
  const char* reason = dlerror();
  return reason != nullptr ? std::string(reason) : "cannot load " + library.string();
}

std::filesystem::path builtTweakPath() { return VANTILE_TWEAK_LIBRARY; }

std::optional<std::filesystem::path> builtWebServicePath() {
  const std::filesystem::path path = VANTILE_WEB_SERVICE_PROGRAM;
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace vantile::springboard
