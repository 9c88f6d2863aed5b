#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the theme repositories live: the raw-file host and the built-in repositories.
namespace vantile::settings::repositories {

struct BuiltInRepository {
  std::string name;  // no spaces: a tap looks the name up with its spaces removed
  std::string id;    // "owner/name"
};

struct RepositoryConfiguration {
  // The host's address up to the repository id, ending in "/".
  std::string baseAddress;
  // Seven, the maker's own first (the one whose catalogue the library opens with).
  std::vector<BuiltInRepository> builtIn;
};

// The device folder's configuration, read anew on each call; the bundled defaults where it says
// nothing (with a log line when it is unreadable).
RepositoryConfiguration repositoryConfiguration();

// Addresses of a repository's files on the configured host; nothing (with a log line) when the
// id or a name is unsafe. Every segment is percent-encoded.
std::optional<std::string> catalogueAddress(std::string_view repositoryId);
std::optional<std::string> bannerAddress(std::string_view repositoryId);
// A theme's single file, also the grid's preview picture (the catalogue's "img").
std::optional<std::string> themeFileAddress(std::string_view repositoryId, std::string_view themeName,
                                            std::string_view file);
std::optional<std::string> largePreviewAddress(std::string_view repositoryId, std::string_view themeName);

}  // namespace vantile::settings::repositories
