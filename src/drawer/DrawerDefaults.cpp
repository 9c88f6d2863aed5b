#include "drawer/DrawerDefaults.h"

#include "engine/helpers/VantileHelpers.h"

namespace vantile {

bool DrawerDefaults::flag(std::string_view key, bool fallback) const {
  return has(key) ? defaults_.boolForKey(key) : fallback;
}

std::int64_t DrawerDefaults::integer(std::string_view key, std::int64_t fallback) const {
  return has(key) ? defaults_.integerForKey(key) : fallback;
}

std::optional<platform::graphics::Color> DrawerDefaults::colour(std::string_view key) const {
  const auto text = defaults_.stringForKey(key);
  if (!text) return std::nullopt;
  return VantileHelpers::uiColorFromString(*text);
}

}  // namespace vantile
