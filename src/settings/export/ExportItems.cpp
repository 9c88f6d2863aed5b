#include "settings/export/ExportItems.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/values/Conversions.h"

namespace vantile::settings {

namespace {

enum class Rule { containsDot, notNone, always };

struct AssetKey {
  std::string_view key;
  Rule rule;
};

// In the order they are examined.
constexpr std::array kAssetKeys{
    AssetKey{"fontName", Rule::containsDot},        AssetKey{"imageURL", Rule::containsDot},
    AssetKey{"imageFolder", Rule::notNone},         AssetKey{"webviewURL", Rule::notNone},
    AssetKey{"badgeImage", Rule::containsDot},      AssetKey{"maskURL", Rule::containsDot},
    AssetKey{"gradientImage", Rule::containsDot},   AssetKey{"secondImage", Rule::containsDot},
    AssetKey{"hourImage", Rule::containsDot},       AssetKey{"minuteImage", Rule::containsDot},
    AssetKey{"backgroundImage", Rule::containsDot}, AssetKey{"pauseImage", Rule::containsDot},
    AssetKey{"iconSet", Rule::always},
};

constexpr std::array<std::string_view, 4> kStockWidgetPages{"html/clock", "html/calendar", "html/dates",
                                                            "html/weather"};

bool qualifies(std::string_view value, Rule rule) {
  switch (rule) {
    case Rule::containsDot:
      return value.find('.') != std::string_view::npos;
    case Rule::notNone:
      return value != "none";
    case Rule::always:
      return true;
  }
  return false;
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

std::optional<platform::Value> JSONFromFile(std::string_view path) {
  const auto file = platform::foundation::devicePath(path);
  auto data = platform::foundation::readFile(file);
  if (!data) data = platform::foundation::readFile(file);
  if (!data) {
    platform::foundation::systemLog("Export: cannot read " + std::string(path));
    return std::nullopt;
  }
  auto parsed = platform::Value::parse(*data, nullptr, false);
  if (parsed.is_discarded()) {
    platform::foundation::systemLog("Export: " + std::string(path) + " is not JSON");
    return std::nullopt;
  }
  return parsed;
}

void getItems(const platform::Value& children, std::vector<std::string>& items) {
  if (!children.is_object()) return;
  for (const auto& entry : children.items()) {
    const platform::Value& element = entry.value();
    if (!element.is_object()) continue;
    for (const AssetKey& asset : kAssetKeys) {
      const auto found = element.find(std::string(asset.key));
      if (found == element.end() || found->is_null() || found->is_object() || found->is_array()) continue;
      std::string value = platform::foundation::description(*found);
      if (qualifies(value, asset.rule) && std::ranges::find(items, value) == items.end()) {
        items.push_back(std::move(value));
      }
    }
    if (const auto nested = element.find("children"); nested != element.end()) getItems(*nested, items);
  }
}

ExportItemKind exportItemKind(std::string_view item) {
  if (contains(item, "index.html") &&
      std::ranges::none_of(kStockWidgetPages, [item](std::string_view page) { return contains(item, page); })) {
    return ExportItemKind::htmlWidget;
  }
  if (contains(item, ".")) return ExportItemKind::singleFile;
  if (!contains(item, "signalImages") && !contains(item, "wifiImages")) return ExportItemKind::weatherIconSet;
  return ExportItemKind::signalOrWifiSet;
}

bool isSafeExportItem(std::string_view item) {
  const std::filesystem::path path{std::string(item)};
  if (item.empty() || path.is_absolute() || contains(item, std::string_view("\0", 1))) return false;
  for (const auto& part : path) {
    if (part == "..") return false;
  }
  return true;
}

}  // namespace vantile::settings
