#pragma once

#include <string>
#include <string_view>

// Where the library finds the installed themes and its pictures.
namespace vantile::settings {

inline constexpr std::string_view kThemesFolder = "var/mobile/Library/Vantile/themes/";
inline constexpr std::string_view kCloseImageAddress = "file:///var/mobile/Library/VantileAssets/close.png";
// The layer name that tells the search field from other fields the library is delegate of.
inline constexpr std::string_view kSearchFieldName = "search";

// The theme's document and preview in the themes folder (system paths).
std::string themeDocumentFile(std::string_view themeName);
std::string themePreviewFile(std::string_view themeName);

// The address of the theme's preview picture; "NoPreview.jpg" when the theme has none.
std::string localPreviewAddress(std::string_view themeName);

}  // namespace vantile::settings
