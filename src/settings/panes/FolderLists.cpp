#include "settings/panes/FolderLists.h"

#include <algorithm>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/locale/LocalizedText.h"

namespace vantile::settings {

namespace foundation = platform::foundation;

std::vector<std::string> orderedFolderEntries(std::vector<std::string> names) {
  const auto capitalsEnd = std::stable_partition(names.begin(), names.end(), [](const std::string& name) {
    return foundation::startsWithUppercaseLetter(name);
  });
  const auto byLocale = [](const std::string& left, const std::string& right) {
    return foundation::localizedCaseInsensitiveCompare(left, right) < 0;
  };
  std::sort(names.begin(), capitalsEnd, byLocale);
  std::sort(capitalsEnd, names.end(), byLocale);
  return names;
}

std::vector<std::string> folderList(std::string_view folder) {
  std::string systemPath = "/";
  systemPath.append(folder);
  return orderedFolderEntries(foundation::listFolder(foundation::devicePath(systemPath)));
}

namespace {

std::vector<std::string> withoutNamesContaining(std::vector<std::string> names, std::string_view part) {
  std::erase_if(names, [part](const std::string& name) { return name.find(part) != std::string::npos; });
  return names;
}

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::vector<std::string> getThemes() {
  auto names = folderList(kThemesFolder);
  std::erase_if(names, [](const std::string& name) { return !endsWith(name, ".json"); });
  return names;
}

std::vector<std::string> getLanguages() { return folderList(kLanguagesFolder); }

std::vector<std::string> getChargingAnimations() {
  return withoutNamesContaining(folderList(kChargingSequencesFolder), ".txt");
}

std::vector<std::string> getHTML() { return folderList(kWebWidgetsFolder); }

}  // namespace vantile::settings
