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

}  // namespace vantile::springboard
