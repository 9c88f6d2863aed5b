#pragma once

#include <filesystem>

#include "settings/repositories/RepositoryConfiguration.h"
#include "settings/repositories/ThemeCatalogue.h"
#include "settings/repositories/ThemeDownloadSession.h"

// Every item of one theme, fetched on the calling thread into the themes and assets folders.
namespace vantile::settings::repositories {

struct DownloadPlace {
  RepositoryAddresses addresses;
  std::filesystem::path themesFolder;
  std::filesystem::path assetsFolder;
  DownloadLimits limits;
};

// Single files: "*.json" (always fetched again) and "<name>.jpg" into the themes folder, the rest
// into the assets folder when not there yet. Image sets and HTML widget folders into their folders
// under the assets folder, skipping the files already there. Every item that was unsafe, refused
// or not fetched whole is named in the report.
DownloadReport downloadThemeFiles(const DownloadPlace& place, const CatalogueTheme& theme);

}  // namespace vantile::settings::repositories
