#pragma once

#include <functional>
#include <string>
#include <vector>

#include "settings/repositories/ThemeCatalogue.h"

// Downloading one theme of a repository with everything it needs, off the main thread.
namespace vantile::settings::repositories {

struct DownloadReport {
  std::string themeName;
  // Each item that was refused, unsafe or could not be fetched, as the catalogue wrote it (trimmed).
  std::vector<std::string> failedItems;
  // "<name>.json" is in the themes folder and parses: only then may the theme be applied.
  bool themeDocumentPresent = false;
  // Folders that could not be made ("Error creating weather folder …").
  std::vector<std::string> messages;

  bool succeeded() const { return failedItems.empty() && themeDocumentPresent; }
  // The alert text for a download that did not succeed, naming the failed items.
  std::string failureMessage() const;
};

// Fetches every item of `theme` from the repository into the themes and assets folders on a
// worker; `done` runs on the main queue with the report.
void downloadTheme(std::string repositoryId, CatalogueTheme theme, std::function<void(DownloadReport)> done);

}  // namespace vantile::settings::repositories
