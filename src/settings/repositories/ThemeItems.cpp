#include "settings/repositories/ThemeItems.h"

#include <algorithm>

namespace vantile::settings::repositories {

namespace {

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string_view trimmed(std::string_view text, std::string_view characters) {
  const std::size_t start = text.find_first_not_of(characters);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(characters) - start + 1);
}

}  // namespace

ThemeItemKind themeItemKind(std::string_view item) {
  if (contains(item, "weathericons")) return ThemeItemKind::WeatherIcons;
  // An item naming both sets is a wifi set.
  if (contains(item, "wifiimages")) return ThemeItemKind::WifiImages;
  if (contains(item, "signalimages")) return ThemeItemKind::SignalImages;
  if (contains(item, "htmlWebview")) return ThemeItemKind::HTMLWidget;
  return ThemeItemKind::SingleFile;
}

std::vector<std::string> itemParts(std::string_view item) {
  std::vector<std::string> parts(1);
  for (const char character : item) {
    if (character == '/') parts.emplace_back();
    else parts.back() += character;
  }
  return parts;
}

std::string withoutSpaces(std::string_view text) {
  std::string kept(text);
  kept.erase(std::remove(kept.begin(), kept.end(), ' '), kept.end());
  return kept;
}

std::string setFolderName(std::string_view item) { return withoutSpaces(itemParts(item).front()); }

std::string singleFileName(std::string_view item) {
  return std::string(trimmed(trimmed(item, " \t\n\r\v\f"), "[]"));
}

}  // namespace vantile::settings::repositories
