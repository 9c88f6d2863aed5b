#include "hosts/common/PlugInLoading.h"

#include <dlfcn.h>

namespace vantile::hosts {

std::optional<std::string> loadPlugIn(const std::filesystem::path& library) {
  if (dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL) != nullptr) {
    return std::nullopt;
  }
  const char* reason = dlerror();
  return reason != nullptr ? std::string(reason) : "cannot load " + library.string();
}

}  // namespace vantile::hosts
