#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace vantile {

inline constexpr std::string_view kEditorThemesFolder = "/var/mobile/Library/Vantile/themes/";

// The settings bundle's own resource of that name and type ("time", "json"), as a system path.
std::optional<std::string> settingsBundleResourcePath(std::string_view name, std::string_view type);

// The theme file the editor reads for a file name ("Clock.json"): the bundle's resource of that
// name when it can be read, else the file of the themes folder.
std::string editorThemeFilePath(std::string_view fileName);

// The theme document of the file: nothing, with one log line, for a missing file, a file that is
// not JSON and JSON that is no dictionary.
std::optional<platform::Value> readEditorTheme(std::string_view fileName);

// A copy of the root element with every child completed over its type's template.
platform::Value completedRoot(const platform::Value& root);

}  // namespace vantile
