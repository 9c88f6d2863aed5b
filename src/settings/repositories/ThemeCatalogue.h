#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A repository's catalogue "themes.json": {"Themes": {name: {"downloads": "...", "img": "..."}}}.
namespace vantile::settings::repositories {

struct CatalogueTheme {
  std::string name;
  std::vector<std::string> downloads;
  std::string img;
};

// The items of a "downloads" text: every "[" and "]" removed, the rest split at ",", leading
// spaces kept.
std::vector<std::string> splitDownloads(std::string_view downloads);

// The catalogue's themes in catalogue order; nothing, with one log line naming the fault, when the
// text is not JSON, not an object, has no "Themes" object, or a theme or its "downloads" or "img"
// is of the wrong type.
std::optional<std::vector<CatalogueTheme>> readThemeCatalogue(std::string_view text);

}  // namespace vantile::settings::repositories
