#pragma once

#include <string>
#include <string_view>

namespace vantile {

// The file a typed theme name saves to: every space becomes "_", the first character goes up
// and ".json" follows ("my theme" → "My_theme.json").
std::string themeFileNameFromTyped(std::string_view typed);

// The theme name of a file name: the name less its ".json".
std::string themeNameOfFile(std::string_view fileName);

// What the name prompt starts with: the theme being edited, nothing for the starting theme.
std::string promptedThemeName(std::string_view selectedTheme);

// Whether the theme name of the file keeps to the user file-name rule.
bool isAcceptableThemeFileName(std::string_view fileName);

// System paths in the themes folder: the document of a file name, the preview of a theme name.
std::string themeDocumentPath(std::string_view fileName);
std::string themePreviewPath(std::string_view themeName);

}  // namespace vantile
