#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/ui/views/ViewController.h"

// Copying an installed theme with every asset it names into a folder of its own.
namespace vantile::settings {

using TopViewControllerSource = std::function<std::shared_ptr<platform::ui::ViewController>()>;

// "Export Theme": into the exported-themes folder, then the result alert.
void exportTheme(std::string_view themeName, const TopViewControllerSource& topViewController);
// "Export Theme To Repo (EXPERT)": into the repository layout, then the photo picker for its preview.
void exportThemeToRepo(std::string_view themeName, const TopViewControllerSource& topViewController);

}  // namespace vantile::settings
