#include "settings/repositories/RepositoryPaths.h"

#include <algorithm>
#include <system_error>

#include "platform/foundation/files/SystemLog.h"

namespace vantile::settings::repositories {

namespace fs = std::filesystem;

bool isSafePathComponent(std::string_view component) {
  if (component.empty() || component == "." || component == "..") return false;
  return std::none_of(component.begin(), component.end(), [](char character) {
    const auto byte = static_cast<unsigned char>(character);
    return byte < 0x20 || byte == 0x7F || character == '/' || character == '\\' || character == '%';
  });
}

bool isSafeRepositoryId(std::string_view repositoryId) {
  const std::size_t slash = repositoryId.find('/');
  if (slash == std::string_view::npos) return false;
  return isSafePathComponent(repositoryId.substr(0, slash)) && isSafePathComponent(repositoryId.substr(slash + 1));
}

namespace {

// Both paths with their existing part resolved, so a link inside root cannot lead out of it.
bool liesInside(const fs::path& root, const fs::path& candidate) {
  std::error_code error;
  const fs::path realRoot = fs::weakly_canonical(root, error);
  if (error) return false;
  const fs::path realCandidate = fs::weakly_canonical(candidate, error);
  if (error) return false;
  const auto [rootEnd, candidateAt] =
      std::mismatch(realRoot.begin(), realRoot.end(), realCandidate.begin(), realCandidate.end());
  return rootEnd == realRoot.end() && candidateAt != realCandidate.end();
}

}  // namespace

std::optional<fs::path> safePathUnder(const fs::path& root, const std::vector<std::string>& components) {
  fs::path joined = root;
  for (const std::string& component : components) {
    if (!isSafePathComponent(component)) {
      platform::foundation::systemLog("Vantile: refused the catalogue name \"" + component + "\"");
      return std::nullopt;
    }
    joined /= component;
  }
  if (components.empty() || !liesInside(root, joined)) {
    platform::foundation::systemLog("Vantile: refused a path outside " + root.string());
    return std::nullopt;
  }
  return joined;
}

std::string percentEncodeSegment(std::string_view segment) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string encoded;
  for (const char character : segment) {
    const auto byte = static_cast<unsigned char>(character);
    const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                            (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                            byte == '~';
    if (unreserved) {
      encoded += character;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0xF];
    }
  }
  return encoded;
}

std::optional<std::string> repositoryAddress(std::string_view base, std::string_view repositoryId,
                                             const std::vector<std::string>& segments) {
  if (!isSafeRepositoryId(repositoryId)) return std::nullopt;
  const std::size_t slash = repositoryId.find('/');
  const std::string_view owner = repositoryId.substr(0, slash);
  const std::string_view name = repositoryId.substr(slash + 1);
  std::string address(base);
  // Appended piece by piece: GCC 12 at -O3 misreads "/" + string as an overlapping copy.
  address.append(percentEncodeSegment(owner)).append(1, '/').append(percentEncodeSegment(name)).append("/main");
  for (const std::string& segment : segments) {
    if (!isSafePathComponent(segment)) return std::nullopt;
    address.append(1, '/').append(percentEncodeSegment(segment));
  }
  return address;
}

namespace {

std::string pictureName(int index) { return std::to_string(index) + ".png"; }

}  // namespace

std::optional<std::string> RepositoryAddresses::catalogue() const {
  // The query keeps caches between the host and the phone from serving an old catalogue.
  auto address = repositoryAddress(baseAddress, repositoryId, {"themes.json"});
  if (address) *address += "?001";
  return address;
}

std::optional<std::string> RepositoryAddresses::banner() const {
  return repositoryAddress(baseAddress, repositoryId, {"repo.jpg"});
}

std::optional<std::string> RepositoryAddresses::themeFile(std::string_view themeName, std::string_view file) const {
  return repositoryAddress(baseAddress, repositoryId, {"themes", std::string(themeName), std::string(file)});
}

std::optional<std::string> RepositoryAddresses::largePreview(std::string_view themeName) const {
  return themeFile(themeName, std::string(themeName) + ".jpg");
}

std::optional<std::string> RepositoryAddresses::weatherIcon(std::string_view themeName, std::string_view setFolder,
                                                            int index) const {
  return repositoryAddress(baseAddress, repositoryId,
                           {"themes", std::string(themeName), std::string(setFolder), pictureName(index)});
}

std::optional<std::string> RepositoryAddresses::imageSetFile(std::string_view themeName, std::string_view kind,
                                                             std::string_view setFolder, int index) const {
  return repositoryAddress(baseAddress, repositoryId,
                           {"themes", std::string(themeName), std::string(kind), std::string(setFolder),
                            pictureName(index)});
}

std::optional<std::string> RepositoryAddresses::htmlWidgetFile(std::string_view themeName, std::string_view firstPart,
                                                               std::string_view folder, std::string_view file) const {
  return repositoryAddress(baseAddress, repositoryId,
                           {"themes", std::string(themeName), std::string(firstPart), std::string(folder),
                            std::string(file)});
}

}  // namespace vantile::settings::repositories
