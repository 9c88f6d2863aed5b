#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/controls/AlertController.h"

namespace vantile::settings {

// The selected theme's file name with every ".json" taken out.
std::string themeNameWithoutExtensions(std::string_view selectedTheme);

// "Input a theme name" with its "Theme Name" field holding `name`, "Cancel" and "Save"; Save
// hands the typed name to saveTypedThemeName.
std::shared_ptr<platform::ui::AlertController> makeSaveThemePrompt(std::string name);

// Saves the shared canvas's theme under the typed name ("my theme" → "My_theme.json"); an
// empty name gets the canvas's no-name alert instead. The canvas refuses unusable names.
void saveTypedThemeName(const std::string& typed);

}  // namespace vantile::settings
