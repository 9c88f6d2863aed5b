#include "settings/repositories/RepositoryConfiguration.h"

// Placeholder until the repository configuration is built: no host, no repositories.
namespace vantile::settings::repositories {

RepositoryConfiguration repositoryConfiguration() { return {}; }
std::optional<std::string> catalogueAddress(std::string_view) { return std::nullopt; }
std::optional<std::string> bannerAddress(std::string_view) { return std::nullopt; }
std::optional<std::string> themeFileAddress(std::string_view, std::string_view, std::string_view) {
  return std::nullopt;
}
std::optional<std::string> largePreviewAddress(std::string_view, std::string_view) { return std::nullopt; }

}  // namespace vantile::settings::repositories
