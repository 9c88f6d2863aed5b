#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantile::settings {

// Where the two exports go, as system paths ending in "/".
inline constexpr std::string_view kExportedThemesFolder = "var/mobile/Library/Vantile/exportedthemes/";
inline constexpr std::string_view kRepositoryThemesFolder = "var/mobile/Documents/VantileRepo/themes/";

// Builds "<location><name>" from nothing: the theme document and every item copied from the
// assets folder. A theme name that breaks the user file-name rule changes nothing; an item
// that would leave the assets folder is skipped (logged); missing sources are skipped. Gives
// the messages of what failed, empty when the export is whole.
std::vector<std::string> moveItems(const std::vector<std::string>& items, std::string_view themeName,
                                   std::string_view location);

}  // namespace vantile::settings
