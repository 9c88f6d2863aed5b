#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

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

// The catalogue's sound themes in catalogue order; nothing, with one log line naming the fault,
// when the text is not JSON, not an object or has no "Themes" object. Each theme is judged on its
// own: one that is not an object, has an unsafe name or a "downloads" that is not text is left
// out with a log line; one without "downloads" has no items, one without "img" no picture.
std::optional<std::vector<CatalogueTheme>> readThemeCatalogue(std::string_view text);
std::optional<std::vector<CatalogueTheme>> catalogueThemes(const platform::Value& catalogue);

// The entry of the theme `name` in a parsed catalogue; nothing when there is none or it is unsound.
std::optional<CatalogueTheme> catalogueTheme(const platform::Value& catalogue, std::string_view name);

// How many themes the catalogue lists (0 when it is no catalogue).
std::size_t catalogueThemeCount(const platform::Value& catalogue);

}  // namespace vantile::settings::repositories
