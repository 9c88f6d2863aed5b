#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantile {

// The rows of the editor's "Creator Options" menu.
enum class CreatorOption {
  openSettings,
  setBackgroundImage,
  removeBackgroundImage,
  resetViewPosition,
  saveTheme,
  downloadThemes,
  toggleGrid,
  toggleHighlight,
  recoverTheme,
  previewSizes,
};

inline constexpr std::string_view kCreatorOptionsTitle = "Creator Options";

// The menu's rows in the order shown; the two toggles name their current state.
std::vector<std::string> creatorOptionRows(bool gridHidden, bool highlightOn);

// The row a picked text stands for: the toggles by their prefix (their labels change), the
// others by the whole text. Nothing for nothing or a text no row has.
std::optional<CreatorOption> creatorOptionForText(const std::optional<std::string>& text);

}  // namespace vantile
