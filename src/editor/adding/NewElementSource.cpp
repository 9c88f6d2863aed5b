#include "editor/adding/NewElementSource.h"

#include <string>

#include "editor/canvas/EditorThemeFiles.h"
#include "editor/files/TemplateFileNames.h"
#include "engine/ElementTemplateFactory.h"
#include "engine/helpers/UserFileNames.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile {

namespace {

using platform::Value;

std::optional<Value> readElementFile(const std::string& systemPath) {
  const std::optional<std::string> text = platform::foundation::readFile(platform::foundation::devicePath(systemPath));
  if (!text) return std::nullopt;
  std::optional<Value> element = platform::foundation::parseValue(*text);
  if (!element || !element->is_object()) {
    platform::foundation::systemLog("The template " + systemPath + " holds no element description.");
    return std::nullopt;
  }
  return element;
}

}  // namespace

std::optional<Value> readElementTemplate(std::string_view name) {
  // A name that could leave the templates folder reads only the bundle, which refuses it too.
  if (isAcceptableUserFileName(name)) {
    if (auto element = readElementFile(std::string(kTemplatesFolder) + std::string(name) + ".json")) return element;
  }
  if (const auto resource = settingsBundleResourcePath(name, "json")) return readElementFile(*resource);
  return std::nullopt;
}

std::optional<Value> newElementDescription(std::string_view typeOrTemplate, std::string_view newName,
                                           const ElementNameSet& themeNames) {
  if (auto defaults = ElementTemplateFactory::sharedInstance().templateForType(typeOrTemplate)) return defaults;
  const std::optional<Value> saved = readElementTemplate(typeOrTemplate);
  if (!saved) return std::nullopt;
  return withUniqueInnerNames(*saved, newName, themeNames);
}

}  // namespace vantile
