#include "editor/canvas/EditorThemeFiles.h"

#include "engine/ElementTemplateFactory.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile {

namespace foundation = platform::foundation;

std::optional<std::string> settingsBundleResourcePath(std::string_view name, std::string_view type) {
  return foundation::Bundle::main().pathForResource(name, type);
}

std::string editorThemeFilePath(std::string_view fileName) {
  constexpr std::string_view extension = ".json";
  const bool hasExtension = fileName.size() > extension.size() && fileName.ends_with(extension);
  const std::string_view name = hasExtension ? fileName.substr(0, fileName.size() - extension.size()) : fileName;
  if (const auto resource = settingsBundleResourcePath(name, "json");
      resource && foundation::fileExists(foundation::devicePath(*resource))) {
    return *resource;
  }
  std::string path(kEditorThemesFolder);
  path.append(fileName);
  return path;
}

std::optional<platform::Value> readEditorTheme(std::string_view fileName) {
  const std::string path = editorThemeFilePath(fileName);
  const std::optional<std::string> text = foundation::readFile(foundation::devicePath(path));
  if (!text) {
    foundation::systemLog("Vantile editor: no theme file can be read at " + path);
    return std::nullopt;
  }
  std::optional<platform::Value> theme = foundation::parseValue(*text);
  if (!theme || !theme->is_object()) {
    foundation::systemLog("Vantile editor: the theme file " + path + " holds no JSON dictionary");
    return std::nullopt;
  }
  return theme;
}

platform::Value completedRoot(const platform::Value& root) {
  platform::Value completed = root.is_object() ? root : platform::Value::object();
  if (const auto children = completed.find("children"); children != completed.end()) {
    if (auto filled = ElementTemplateFactory::sharedInstance().validateAndCompleteElementsRecursively(*children)) {
      *children = std::move(*filled);
    }
  }
  return completed;
}

}  // namespace vantile
