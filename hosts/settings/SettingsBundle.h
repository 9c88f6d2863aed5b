#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

namespace platform::ui {
class ViewController;
}

namespace vantile::settings_host {

constexpr std::string_view kSettingsAppIdentifier = "com.apple.Preferences";
// Where the settings bundle's resources lie: its Info file, row files and starting theme.
constexpr std::string_view kSettingsBundleFolder = "/Library/PreferenceBundles/vantileprefs.bundle/";

// The libraries this build made.
std::filesystem::path builtTweakPath();
std::filesystem::path builtSettingsBundlePath();

// A new pane of the class the bundle's Info file names as "NSPrincipalClass", once the bundle's
// library has registered its panes; nothing, with a log line, when there is none.
std::shared_ptr<platform::ui::ViewController> makeRootPane();

}  // namespace vantile::settings_host
