#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/repositories/RepositoryConfiguration.h"

// Fetching one file from a repository without ever replacing a good file by a bad answer.
namespace vantile::settings::repositories {

enum class DownloadedContent { ThemeDocument, Picture, AnyFile };

// A theme document: a JSON object whose "PresetView" is an object.
bool isThemeDocument(std::string_view text);

// Writes the body over the destination (temporary file beside it, then renamed) when it came back
// whole and is what it should be: a theme document parses with a "PresetView" object, a picture
// decodes. The reason it was refused otherwise; the old file stays.
std::optional<std::string> acceptDownload(const std::optional<std::string>& body, DownloadedContent content,
                                          const std::filesystem::path& destination);

// Fetches on the calling thread (a 2xx status, whole, within the limits) and accepts the body.
bool downloadFromURL(const std::string& url, const std::filesystem::path& destination, DownloadedContent content,
                     const DownloadLimits& limits);

}  // namespace vantile::settings::repositories
