#include "platform/foundation/files/Bundle.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/preferences/PreferenceDomain.h"

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

std::string Bundle::localizedString(std::string_view key, std::string_view value, std::string_view table) const {
  std::string fallback(value.empty() ? key : value);
  const std::string tableName = table.empty() ? "Localizable" : std::string(table);
  if (!resourceFolder_ || tableName.find('/') != std::string::npos || tableName == "..") {
    return fallback;
  }
  const std::string path = *resourceFolder_ + "en.lproj/" + tableName + ".strings";
  const std::optional<std::string> bytes = readFile(devicePath(path));
  if (!bytes) {
    return fallback;
  }
  const std::optional<Value> texts = valueFromPropertyList(*bytes);
  if (!texts || !texts->is_object()) {
    systemLog("the table " + path + " is not a dictionary of texts");
    return fallback;
  }
  const auto text = texts->find(key);
  return text != texts->end() && text->is_string() ? text->get<std::string>() : fallback;
}

}  // namespace platform::foundation
