#include "settings/repositories/ThemeCatalogue.h"

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/values/ValueParsing.h"
#include "settings/repositories/RepositoryPaths.h"

namespace vantile::settings::repositories {

std::vector<std::string> splitDownloads(std::string_view downloads) {
  std::vector<std::string> items(1);
  for (const char character : downloads) {
    if (character == '[' || character == ']') continue;
    if (character == ',') {
      items.emplace_back();
    } else {
      items.back() += character;
    }
  }
  return items;
}

namespace {

std::nullopt_t refuse(const std::string& fault) {
  platform::foundation::systemLog("Vantile: refused the theme catalogue: " + fault);
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<CatalogueTheme>> readThemeCatalogue(std::string_view text) {
  const std::optional<platform::Value> catalogue = platform::foundation::parseValue(text);
  if (!catalogue) return refuse("it is not JSON");
  return catalogueThemes(*catalogue);
}

namespace {

void skip(const std::string& name, const std::string& fault) {
  platform::foundation::systemLog("Vantile: left out the catalogue's theme \"" + name + "\": " + fault);
}

std::optional<CatalogueTheme> readTheme(const std::string& name, const platform::Value& theme) {
  if (!isSafePathComponent(name)) return skip(name, "its name cannot be a file name"), std::nullopt;
  if (!theme.is_object()) return skip(name, "it is not an object"), std::nullopt;
  CatalogueTheme read{name, {}, {}};
  if (const auto downloads = theme.find("downloads"); downloads != theme.end()) {
    if (!downloads->is_string()) return skip(name, "\"downloads\" is not text"), std::nullopt;
    read.downloads = splitDownloads(downloads->get_ref<const std::string&>());
  }
  if (const auto img = theme.find("img"); img != theme.end()) {
    if (img->is_string()) read.img = img->get<std::string>();
    else platform::foundation::systemLog("Vantile: the catalogue's theme \"" + name + "\" has no \"img\" text");
  }
  return read;
}

}  // namespace

std::optional<std::vector<CatalogueTheme>> catalogueThemes(const platform::Value& catalogue) {
  if (!catalogue.is_object()) return refuse("it is not an object");
  const auto themes = catalogue.find("Themes");
  if (themes == catalogue.end() || !themes->is_object()) return refuse("\"Themes\" is not an object");
  std::vector<CatalogueTheme> read;
  for (const auto& [name, theme] : themes->items()) {
    if (auto sound = readTheme(name, theme)) read.push_back(std::move(*sound));
  }
  return read;
}

std::optional<CatalogueTheme> catalogueTheme(const platform::Value& catalogue, std::string_view name) {
  auto themes = catalogueThemes(catalogue);
  if (!themes) return std::nullopt;
  for (CatalogueTheme& theme : *themes)
    if (theme.name == name) return std::move(theme);
  return std::nullopt;
}

std::size_t catalogueThemeCount(const platform::Value& catalogue) {
  const auto themes = catalogueThemes(catalogue);
  return themes ? themes->size() : 0;
}

}  // namespace vantile::settings::repositories
