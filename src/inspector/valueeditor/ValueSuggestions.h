#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantile {

// Where the rows of a suggestion list come from.
enum class SuggestionSource { words, dataKeys, installedApps, weatherIconSets };

// What the value editor offers for one style field address. Every row of the table that the
// address matches adds its height; the last match gives the list.
struct SuggestionPlan {
  double addedHeight = 0;
  std::optional<SuggestionSource> source;
  // The rows, when the source is words.
  std::vector<std::string> words;
  bool isData = false;
  bool isBundleID = false;
  // Set by animation steps, cleared by forecasts and icon sets; untouched otherwise.
  std::optional<bool> isAdded;
};

SuggestionPlan planSuggestions(std::string_view address);

inline constexpr std::string_view kWebWidgetFolder = "/var/mobile/Library/VantileAssets/html/";
inline constexpr std::string_view kSignalImagesFolder = "/var/mobile/Library/VantileAssets/signalImages/";
inline constexpr std::string_view kWifiImagesFolder = "/var/mobile/Library/VantileAssets/wifiImages/";
inline constexpr std::string_view kWeatherIconsFolder = "/var/mobile/Library/VantileAssets/weatherIcons/";

}  // namespace vantile
