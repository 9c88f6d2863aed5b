#include "settings/repositories/ThemeCatalogue.h"

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/values/ValueParsing.h"

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

std::optional<std::vector<CatalogueTheme>> catalogueThemes(const platform::Value& catalogue) {
  if (!catalogue.is_object()) return refuse("it is not an object");
  const auto themes = catalogue.find("Themes");
  if (themes == catalogue.end() || !themes->is_object()) return refuse("\"Themes\" is not an object");
  std::vector<CatalogueTheme> read;
  for (const auto& [name, theme] : themes->items()) {
    if (!theme.is_object()) return refuse("theme \"" + name + "\" is not an object");
    const auto downloads = theme.find("downloads");
    const auto img = theme.find("img");
    if (downloads == theme.end() || !downloads->is_string())
      return refuse("theme \"" + name + "\" has no \"downloads\" text");
    if (img == theme.end() || !img->is_string()) return refuse("theme \"" + name + "\" has no \"img\" text");
    const std::string downloadsText = downloads->get<std::string>();
    std::string picture = img->get<std::string>();
    read.push_back({name, splitDownloads(downloadsText), std::move(picture)});
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
