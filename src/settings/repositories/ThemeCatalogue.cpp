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
  const std::optional<platform::foundation::Value> catalogue = platform::foundation::parseValue(text);
  if (!catalogue) return refuse("it is not JSON");
  if (!catalogue->is_object()) return refuse("it is not an object");
  const auto themes = catalogue->find("Themes");
  if (themes == catalogue->end() || !themes->is_object()) return refuse("\"Themes\" is not an object");
  std::vector<CatalogueTheme> read;
  for (const auto& [name, theme] : themes->items()) {
    if (!theme.is_object()) return refuse("theme \"" + name + "\" is not an object");
    const auto downloads = theme.find("downloads");
    const auto img = theme.find("img");
    if (downloads == theme.end() || !downloads->is_string())
      return refuse("theme \"" + name + "\" has no \"downloads\" text");
    if (img == theme.end() || !img->is_string()) return refuse("theme \"" + name + "\" has no \"img\" text");
    read.push_back({name, splitDownloads(downloads->get_ref<const std::string&>()),
                    img->get_ref<const std::string&>()});
  }
  return read;
}

}  // namespace vantile::settings::repositories
