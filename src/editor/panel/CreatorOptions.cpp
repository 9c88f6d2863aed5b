#include "editor/panel/CreatorOptions.h"

#include <array>
#include <utility>

namespace vantile {

namespace {

constexpr std::string_view kToggleGrid = "Toggle Grid";
constexpr std::string_view kToggleHighlight = "Toggle Highlight";

constexpr std::array<std::pair<std::string_view, CreatorOption>, 8> kWholeTextRows{{
    {"Open Vantile Settings", CreatorOption::openSettings},
    {"Set Background Image", CreatorOption::setBackgroundImage},
    {"Remove Background Image", CreatorOption::removeBackgroundImage},
    {"Reset View Position", CreatorOption::resetViewPosition},
    {"Save Theme", CreatorOption::saveTheme},
    {"Download Themes", CreatorOption::downloadThemes},
    {"Recover Theme", CreatorOption::recoverTheme},
    {"Preview Sizes", CreatorOption::previewSizes},
}};

std::string toggleRow(std::string_view prefix, bool on) {
  return std::string(prefix) + (on ? " (ON)" : " (OFF)");
}

}  // namespace

std::vector<std::string> creatorOptionRows(bool gridHidden, bool highlightOn) {
  return {"Open Vantile Settings",
          "Set Background Image",
          "Remove Background Image",
          "Reset View Position",
          "Save Theme",
          "Download Themes",
          toggleRow(kToggleGrid, !gridHidden),
          toggleRow(kToggleHighlight, highlightOn),
          "Recover Theme",
          "Preview Sizes"};
}

std::optional<CreatorOption> creatorOptionForText(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  if (text->starts_with(kToggleGrid)) return CreatorOption::toggleGrid;
  if (text->starts_with(kToggleHighlight)) return CreatorOption::toggleHighlight;
  for (const auto& [row, option] : kWholeTextRows) {
    if (*text == row) return option;
  }
  return std::nullopt;
}

}  // namespace vantile
