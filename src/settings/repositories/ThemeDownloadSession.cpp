#include "settings/repositories/ThemeDownloadSession.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/network/URLLoading.h"
#include "platform/foundation/queues/WorkerQueue.h"
#include "settings/repositories/RepositoryConfiguration.h"
#include "settings/repositories/ThemeItemDownloads.h"

namespace vantile::settings::repositories {

std::string DownloadReport::failureMessage() const {
  std::string message;
  for (const std::string& line : messages) message += line + "\n";
  if (!failedItems.empty()) {
    message += "Some files of " + themeName + " could not be downloaded: ";
    for (std::size_t index = 0; index < failedItems.size(); ++index)
      message += (index == 0 ? "" : ", ") + failedItems[index];
    message += ".";
  }
  if (!themeDocumentPresent) {
    if (!failedItems.empty()) message += "\n";
    message += "The theme " + themeName + " has no theme document and cannot be applied.";
  }
  return message;
}

void downloadTheme(std::string repositoryId, CatalogueTheme theme, std::function<void(DownloadReport)> done) {
  const RepositoryConfiguration configuration = repositoryConfiguration();
  DownloadPlace place{configuration.addresses(repositoryId),
                      platform::foundation::devicePath("/var/mobile/Library/Vantile/themes"),
                      platform::foundation::devicePath("/var/mobile/Library/VantileAssets"), configuration.limits};
  platform::foundation::startURLLoading();
  platform::foundation::WorkerQueue::shared().perform(
      [place = std::move(place), theme = std::move(theme), done = std::move(done)]() mutable -> platform::foundation::Task {
        DownloadReport report = downloadThemeFiles(place, theme);
        return [done = std::move(done), report = std::move(report)] { done(report); };
      });
}

}  // namespace vantile::settings::repositories
