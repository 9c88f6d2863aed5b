#include "settings/library/FirstRepositoryCatalogue.h"

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/network/URLLoading.h"
#include "platform/foundation/values/ValueParsing.h"
#include "settings/repositories/RepositoryConfiguration.h"

namespace vantile::settings {

namespace {
constexpr double kCatalogueTimeoutSeconds = 20;
constexpr std::size_t kCatalogueMaxBytes = 4 * 1024 * 1024;
}  // namespace

void fetchFirstRepositoryCatalogue(std::function<void(const platform::Value&)> arrived) {
  const repositories::RepositoryConfiguration configuration = repositories::repositoryConfiguration();
  const std::optional<std::string> address =
      configuration.builtIn.empty() ? std::nullopt : repositories::catalogueAddress(configuration.builtIn.front().id);
  if (!address) {
    platform::foundation::systemLog(
        "No catalogue address for the first built-in repository; the library stays closed.");
    return;
  }
  platform::foundation::fetchURLInBackground(
      *address, kCatalogueTimeoutSeconds, kCatalogueMaxBytes,
      [arrived = std::move(arrived)](std::optional<std::string> body) -> platform::foundation::Task {
        if (!body) return {};
        std::optional<platform::Value> parsed = platform::foundation::parseValue(*body);
        if (!parsed) platform::foundation::systemLog("The first repository's catalogue is not JSON.");
        return [arrived, catalogue = parsed.value_or(platform::Value::object())] { arrived(catalogue); };
      });
}

}  // namespace vantile::settings
