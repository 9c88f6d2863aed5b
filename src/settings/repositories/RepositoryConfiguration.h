#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "settings/repositories/RepositoryPaths.h"

// Where the theme repositories live: the raw-file host and the built-in repositories.
namespace vantile::settings::repositories {

struct BuiltInRepository {
  std::string name;  // no spaces: a tap looks the name up with its spaces removed
  std::string id;    // "owner/name"
};

// Bounds of every transfer from a repository (the connection is bounded by the same time).
struct DownloadLimits {
  double timeoutSeconds = 30;
  std::size_t maxBytes = std::size_t{32} << 20;
};

struct RepositoryConfiguration {
  // The host's address up to the repository id, ending in "/".
  std::string baseAddress;
  // Seven, the maker's own first (the one whose catalogue the library opens with).
  std::vector<BuiltInRepository> builtIn;
  DownloadLimits limits;

  RepositoryAddresses addresses(std::string_view repositoryId) const { return {baseAddress, std::string(repositoryId)}; }
};

// The device folder's configuration, read anew on each call; the bundled defaults where it says
// nothing (with a log line when it is unreadable).
RepositoryConfiguration repositoryConfiguration();

// The configuration that device.json's "repositories" value describes: {"host", "builtIn",
// "timeoutSeconds", "maxBytes"}, each optional; a part that is unsound is logged and the bundled
// default used in its place.
RepositoryConfiguration repositoryConfigurationFrom(const platform::Value& repositories);

// Addresses of a repository's files on the configured host; nothing (with a log line) when the
// id or a name is unsafe. Every segment is percent-encoded.
std::optional<std::string> catalogueAddress(std::string_view repositoryId);
std::optional<std::string> bannerAddress(std::string_view repositoryId);
// A theme's single file, also the grid's preview picture (the catalogue's "img").
std::optional<std::string> themeFileAddress(std::string_view repositoryId, std::string_view themeName,
                                            std::string_view file);
std::optional<std::string> largePreviewAddress(std::string_view repositoryId, std::string_view themeName);

}  // namespace vantile::settings::repositories
