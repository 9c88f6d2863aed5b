// Catalogue text through the reader, then every item through the address and path builders the
// download uses: no path may leave its root and no address may carry an unencoded character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "settings/repositories/RepositoryPaths.h"
#include "settings/repositories/ThemeCatalogue.h"
#include "settings/repositories/ThemeItems.h"

namespace {

namespace fs = std::filesystem;
using namespace vantile::settings::repositories;

constexpr std::string_view kBase = "https://host/";

// Roots that do not exist: the checks resolve what is there and read the rest as written, so
// nothing needs to be made on disk.
const fs::path kThemes = "/nonexistent-catalogue-fuzzer-root/themes";
const fs::path kAssets = "/nonexistent-catalogue-fuzzer-root/assets";

bool isEncodedAddressCharacter(char character) {
  const auto byte = static_cast<unsigned char>(character);
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
         character == '-' || character == '.' || character == '_' || character == '~' || character == '%' ||
         character == '/';
}

void checkAddress(const std::optional<std::string>& address) {
  if (!address) return;
  if (!address->starts_with(kBase)) std::abort();
  std::string_view rest = std::string_view(*address).substr(kBase.size());
  if (rest.ends_with("?001")) rest.remove_suffix(4);
  for (const char character : rest) {
    if (!isEncodedAddressCharacter(character)) std::abort();
  }
  // Every segment is a name, never a step up or an empty one.
  std::size_t start = 0;
  while (start <= rest.size()) {
    const std::size_t end = std::min(rest.find('/', start), rest.size());
    const std::string_view segment = rest.substr(start, end - start);
    if (segment.empty() || segment == "." || segment == "..") std::abort();
    start = end + 1;
  }
}

void checkPath(const fs::path& root, const std::vector<std::string>& components) {
  const std::optional<fs::path> path = safePathUnder(root, components);
  if (!path) return;
  const auto leavesRoot = [](const fs::path& relative) {
    return relative.empty() || relative.is_absolute() || *relative.begin() == "..";
  };
  if (leavesRoot(path->lexically_normal().lexically_relative(root))) std::abort();
  std::error_code error;
  const fs::path real = fs::weakly_canonical(*path, error);
  if (!error && leavesRoot(real.lexically_relative(fs::weakly_canonical(root)))) std::abort();
}

void buildEverything(const CatalogueTheme& theme, const RepositoryAddresses& addresses) {
  const fs::path& themes = kThemes;
  const fs::path& assets = kAssets;
  checkAddress(addresses.themeFile(theme.name, theme.img));
  checkAddress(addresses.largePreview(theme.name));
  checkPath(themes, {theme.name + ".json"});
  for (const std::string& item : theme.downloads) {
    const std::string folder = setFolderName(item);
    switch (themeItemKind(item)) {
      case ThemeItemKind::WeatherIcons:
        checkPath(assets, {"weatherIcons", folder, "47.png"});
        checkAddress(addresses.weatherIcon(theme.name, folder, 47));
        break;
      case ThemeItemKind::SignalImages:
      case ThemeItemKind::WifiImages: {
        const std::string kind = themeItemKind(item) == ThemeItemKind::WifiImages ? "wifiImages" : "signalImages";
        checkPath(assets, {kind, folder, "0.png"});
        checkAddress(addresses.imageSetFile(theme.name, kind, folder, 0));
        break;
      }
      case ThemeItemKind::HTMLWidget: {
        const std::vector<std::string> parts = itemParts(item);
        for (const std::string& part : parts) {
          checkPath(assets, {"html", withoutSpaces(parts.front()), part});
          checkAddress(addresses.htmlWidgetFile(theme.name, parts.front(), withoutSpaces(parts.front()), part));
        }
        break;
      }
      case ThemeItemKind::SingleFile: {
        const std::string name = singleFileName(item);
        checkPath(themes, {name});
        checkPath(assets, {name});
        checkAddress(addresses.themeFile(theme.name, name));
        break;
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // The first line, when there is one, is also tried as a repository id.
  const std::size_t lineEnd = text.find('\n');
  const std::string id = lineEnd == std::string_view::npos ? "owner/themes" : std::string(text.substr(0, lineEnd));
  const RepositoryAddresses fuzzed{std::string(kBase), id};
  checkAddress(fuzzed.catalogue());
  checkAddress(fuzzed.banner());
  const RepositoryAddresses addresses{std::string(kBase), "owner/themes"};
  const auto themes = readThemeCatalogue(lineEnd == std::string_view::npos ? text : text.substr(lineEnd + 1));
  if (!themes) return 0;
  for (const CatalogueTheme& theme : *themes) {
    buildEverything(theme, addresses);
    buildEverything(theme, fuzzed);
  }
  return 0;
}
