#include "platform/foundation/files/Bundle.h"

#include "platform/foundation/files/Files.h"

namespace platform::foundation {

Bundle& Bundle::main() {
  static Bundle bundle;
  return bundle;
}

void Bundle::setResourceFolder(const std::filesystem::path& folder) {
  resourceFolder_ = folder.empty() ? std::nullopt : std::optional(folder);
}

std::optional<std::filesystem::path> Bundle::pathForResource(std::string_view name, std::string_view type) const {
  if (!resourceFolder_ || name.empty() || name.find('/') != std::string_view::npos || name == "." || name == ".." ||
      type.find('/') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string fileName(name);
  if (!type.empty()) {
    fileName += '.';
    fileName += type;
  }
  std::filesystem::path path = *resourceFolder_ / fileName;
  if (!fileExists(path)) {
    return std::nullopt;
  }
  return path;
}

}  // namespace platform::foundation
