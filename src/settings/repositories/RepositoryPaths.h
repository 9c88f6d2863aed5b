#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Names from a downloaded catalogue are hostile until checked: they become file paths and addresses.
namespace vantile::settings::repositories {

// One file or folder name: not empty, not "." or "..", and no "/", "\", NUL or "%" (so no
// percent-encoded dots or separators either).
bool isSafePathComponent(std::string_view component);

// root/c1/c2/... when every component is safe and the result, with symbolic links followed,
// still lies inside root; nothing (and one log line) otherwise.
std::optional<std::filesystem::path> safePathUnder(const std::filesystem::path& root,
                                                   const std::vector<std::string>& components);

// An address segment with everything but unreserved characters percent-encoded.
std::string percentEncodeSegment(std::string_view segment);

// base + "owner/name/main/" + the segments, each encoded; nothing when the id is not two safe
// names joined by "/" or a segment is not safe.
std::optional<std::string> repositoryAddress(std::string_view base, std::string_view repositoryId,
                                             const std::vector<std::string>& segments);

}  // namespace vantile::settings::repositories
