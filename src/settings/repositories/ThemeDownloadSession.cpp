#include "settings/repositories/ThemeDownloadSession.h"

#include "platform/foundation/queues/MainQueue.h"

// Placeholder until the download is built: every item fails.
namespace vantile::settings::repositories {

std::string DownloadReport::failureMessage() const { return "The theme " + themeName + " could not be downloaded."; }

void downloadTheme(std::string, CatalogueTheme theme, std::function<void(DownloadReport)> done) {
  DownloadReport report{theme.name, theme.downloads, false};
  platform::foundation::MainQueue::shared().post([done = std::move(done), report = std::move(report)] { done(report); });
}

}  // namespace vantile::settings::repositories
