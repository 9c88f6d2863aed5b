#include "engine/builders/ElementFactory.h"

#include <map>
#include <string>

namespace vantile {

std::optional<ElementFactory::Builder> ElementFactory::builderForType(std::string_view type) {
  static const std::map<std::string, Builder, std::less<>> builders{
      {"UIView", &createUIViewForView},
      {"UILabel", &createUILabelForView},
      {"ScrollView", &createScrollViewForView},
      {"GlassView", &createGlassViewForView},
      {"CircleProgress", &createCircleProgressForView},
      {"BatteryIcon", &createBatteryIconForView},
      {"BatteryBar", &createBatteryBarForView},
      {"ProgressBar", &createProgressBarForView},
      {"ElapsedBar", &createElapsedBarForView},
      {"UIImageView", &createUIImageViewForView},
      {"WeatherIcon", &createWeatherIconForView},
      {"AppIcon", &createAppIconForView},
      {"WeekWidget", &createWeekWidgetForView},
      {"AnalogClock", &createAnalogClockForView},
      {"MarqueeLabel", &createMarqueeLabelForView},
  };
  const auto found = builders.find(type);
  if (found == builders.end()) return std::nullopt;
  return found->second;
}

}  // namespace vantile
