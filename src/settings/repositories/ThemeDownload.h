#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/repositories/ThemeCatalogue.h"

// Fetching a theme's files from a repository without ever replacing a good file by a bad answer.
namespace vantile::settings::repositories {

enum class DownloadedContent { ThemeDocument, Picture, AnyFile };

struct DownloadLimits {
  double timeoutSeconds = 30;
  std::size_t maxBytes = std::size_t{32} << 20;
};

// Writes the body over the destination (temporary file beside it, then renamed) when it came back
// whole and is what it should be: a theme document parses with a "PresetView" object, a picture
// decodes. The reason it was refused otherwise; the old file stays.
std::optional<std::string> acceptDownload(const std::optional<std::string>& body, DownloadedContent content,
                                          const std::filesystem::path& destination);

// Fetches on the calling thread (a 2xx status, whole, within the limits) and accepts the body.
bool downloadFromURL(const std::string& url, const std::filesystem::path& destination, DownloadedContent content,
                     const DownloadLimits& limits);

struct RepositorySource {
  std::string baseAddress;
  std::string repositoryId;
};

struct DownloadReport {
  std::vector<std::string> failedItems;
  bool succeeded() const { return failedItems.empty(); }
};

// The theme's single-file items: "<name>.json" and "<name>.jpg" into the themes folder, the others
// into the assets folder. Every item that was refused, unsafe, or of a kind not fetched here
// (image sets, HTML widget folders) is named in the report.
DownloadReport downloadThemeFiles(const RepositorySource& source, const CatalogueTheme& theme,
                                  const std::filesystem::path& themesFolder,
                                  const std::filesystem::path& assetsFolder, const DownloadLimits& limits);

}  // namespace vantile::settings::repositories
