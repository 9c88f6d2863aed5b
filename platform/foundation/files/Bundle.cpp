#include "platform/foundation/files/Bundle.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"

namespace platform::foundation {

Bundle& Bundle::main() {
  static Bundle bundle;
  return bundle;
}

void Bundle::setResourceFolder(std::string_view systemPath) {
  if (systemPath.empty()) {
    resourceFolder_.reset();
    return;
  }
  std::string folder(systemPath);
  if (folder.back() != '/') {
    folder += '/';
  }
  resourceFolder_ = std::move(folder);
}

std::optional<std::string> Bundle::pathForResource(std::string_view name, std::string_view type) const {
  if (!resourceFolder_ || name.empty() || name.find('/') != std::string_view::npos || name == "." || name == ".." ||
      type.find('/') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string path = *resourceFolder_;
  path += name;
  if (!type.empty()) {
    path += '.';
    path += type;
  }
  if (!fileExists(devicePath(path))) {
    return std::nullopt;
  }
  return path;
}

}  // namespace platform::foundation
