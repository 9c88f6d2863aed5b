#include "editor/files/TemplateFileNames.h"

#include "controller/VantileController.h"
#include "platform/foundation/values/Strings.h"

namespace vantile {

namespace {
constexpr std::string_view kExtension = ".json";
}  // namespace

std::string templateFileName(std::string_view typedName) {
  const std::string joined = platform::foundation::replacingOccurrences(typedName, " ", "_");
  return VantileController::setTextStyle("capitalize", joined) + std::string(kExtension);
}

std::string templateNameOfFile(std::string_view fileName) {
  if (fileName.ends_with(kExtension)) fileName.remove_suffix(kExtension.size());
  return std::string(fileName);
}

}  // namespace vantile
