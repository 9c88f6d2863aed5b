#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The fixed values that the editor's bars show in place of live device data.
namespace vantile::previewbars {

struct BarPreview {
  // The tag of the fill view inside the bar's view.
  std::int32_t fillTag = 0;
  // Out of 100.
  double value = 0;
  bool readsGradient = false;
};

// For "BatteryIcon", "BatteryBar", "ProgressBar" and "ElapsedBar"; nothing for other types.
std::optional<BarPreview> barPreviewFor(std::string_view type);

// The fill's width: the value's share of the bar's width cut to whole points.
double fillWidth(double value, double barWidth);

// The style key of a progress bar's fill colour at the preview value 50.
std::string_view progressColorKey(std::int32_t lowValue, std::int32_t midValue);

}  // namespace vantile::previewbars
