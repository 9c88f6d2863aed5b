#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Names from a downloaded catalogue are hostile until checked: they become file paths and addresses.
namespace vantile::settings::repositories {

// One file or folder name: not empty, not "." or "..", and no "/", "\", NUL, other control
// characters or "%" (so no percent-encoded dots or separators either).
bool isSafePathComponent(std::string_view component);

// An id "owner/name" made of two safe names.
bool isSafeRepositoryId(std::string_view repositoryId);

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

// Every address of one repository on one host; nothing for an unsafe id or name.
struct RepositoryAddresses {
  std::string baseAddress;
  std::string repositoryId;

  std::optional<std::string> catalogue() const;
  std::optional<std::string> banner() const;
  std::optional<std::string> themeFile(std::string_view themeName, std::string_view file) const;
  std::optional<std::string> largePreview(std::string_view themeName) const;
  std::optional<std::string> weatherIcon(std::string_view themeName, std::string_view setFolder, int index) const;
  // `kind` is "signalImages" or "wifiImages".
  std::optional<std::string> imageSetFile(std::string_view themeName, std::string_view kind,
                                          std::string_view setFolder, int index) const;
  // The item's first part as written, then the same without spaces, then the file.
  std::optional<std::string> htmlWidgetFile(std::string_view themeName, std::string_view firstPart,
                                            std::string_view folder, std::string_view file) const;
};

}  // namespace vantile::settings::repositories
