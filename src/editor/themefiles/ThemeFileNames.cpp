#include "editor/themefiles/ThemeFileNames.h"

#include <algorithm>

#include "editor/canvas/EditorThemeFiles.h"
#include "engine/helpers/UserFileNames.h"
#include "platform/foundation/locale/LocalizedText.h"

namespace vantile {

namespace {

constexpr std::string_view kDocumentExtension = ".json";
constexpr std::string_view kStartingTheme = "time.json";

// The bytes of the first UTF-8 character (a broken lead byte counts as one).
std::size_t firstCharacterLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return std::min(length, text.size());
}

}  // namespace

std::string themeFileNameFromTyped(std::string_view typed) {
  std::string name(typed);
  std::ranges::replace(name, ' ', '_');
  if (!name.empty()) {
    const std::size_t first = firstCharacterLength(name);
    const std::string capital = platform::foundation::capitalizedFirstCharacter(std::string_view(name).substr(0, first));
    if (!capital.empty()) name.replace(0, first, capital);
  }
  return name + std::string(kDocumentExtension);
}

std::string themeNameOfFile(std::string_view fileName) {
  if (fileName.ends_with(kDocumentExtension)) fileName.remove_suffix(kDocumentExtension.size());
  return std::string(fileName);
}

std::string promptedThemeName(std::string_view selectedTheme) {
  return selectedTheme == kStartingTheme ? std::string() : themeNameOfFile(selectedTheme);
}

bool isAcceptableThemeFileName(std::string_view fileName) {
  return isAcceptableUserFileName(themeNameOfFile(fileName));
}

std::string themeDocumentPath(std::string_view fileName) {
  return std::string(kEditorThemesFolder) + std::string(fileName);
}

std::string themePreviewPath(std::string_view themeName) {
  return std::string(kEditorThemesFolder) + std::string(themeName) + ".jpg";
}

}  // namespace vantile
