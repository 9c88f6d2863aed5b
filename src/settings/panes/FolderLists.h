#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantile::settings {

// The folders the panes' list rows offer, as system paths without the leading "/".
inline constexpr std::string_view kThemesFolder = "var/mobile/Library/Vantile/themes/";
inline constexpr std::string_view kLanguagesFolder = "var/mobile/Library/VantileAssets/languages/";
inline constexpr std::string_view kChargingSequencesFolder = "var/mobile/Library/VantileAssets/chargingSequences/";
inline constexpr std::string_view kWebWidgetsFolder = "var/mobile/Library/VantileAssets/html/";

// Names beginning with an upper-case letter first, then the others; each group sorted by a
// localised, case-insensitive comparison.
std::vector<std::string> orderedFolderEntries(std::vector<std::string> names);

// The folder's entries (files and folders, not recursive) in that order; none for a missing folder.
std::vector<std::string> folderList(std::string_view folder);

// Theme documents only: the folder also holds each theme's preview picture.
std::vector<std::string> getThemes();
std::vector<std::string> getLanguages();
// Without the notes (".txt") beside the sequences.
std::vector<std::string> getChargingAnimations();
std::vector<std::string> getHTML();

}  // namespace vantile::settings
