#include "editor/styling/PreviewBars.h"

#include <cmath>

#include "engine/InnerViewTags.h"

namespace vantile::previewbars {

namespace {

constexpr double kBatteryLevel = 50;
constexpr double kProgress = 50;
constexpr double kElapsed = 75;

}  // namespace

std::optional<BarPreview> barPreviewFor(std::string_view type) {
  if (type == "BatteryIcon") return BarPreview{innerViewTags::batteryIconFill, kBatteryLevel, false};
  if (type == "BatteryBar") return BarPreview{innerViewTags::levelBarFill, kBatteryLevel, true};
  if (type == "ProgressBar") return BarPreview{innerViewTags::progressBarFill, kProgress, true};
  if (type == "ElapsedBar") return BarPreview{innerViewTags::levelBarFill, kElapsed, true};
  return std::nullopt;
}

double fillWidth(double value, double barWidth) { return value / 100 * std::trunc(barWidth); }

std::string_view progressColorKey(std::int32_t lowValue, std::int32_t midValue) {
  if (lowValue > kProgress) return "lowColor";
  if (lowValue < kProgress && midValue > kProgress) return "midColor";
  return "innerColor";
}

}  // namespace vantile::previewbars
