#include "inspector/bulk/ElementTypeCaptions.h"

#include <array>
#include <utility>

namespace vantile {

std::string elementTypeCaption(std::string_view type) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kCaptions{{
      {"UILabel", "(text / data)"},
      {"UIView", "(shape / container)"},
      {"ScrollView", "(scrolling container)"},
      {"GlassView", "(glass / container)"},
      {"UIImageView", "(image)"},
      {"MarqueeLabel", "(animated label)"},
      {"WeatherIcon", "(image / weather)"},
      {"BatteryIcon", "(battery shape)"},
      {"BatteryBar", "(moving bar)"},
      {"ProgressBar", "(moving bar)"},
      {"ElapsedBar", "(music bar)"},
      {"CircleProgress", "(circle percent)"},
      {"WeekWidget", "(days of week)"},
      {"AppIcon", "(SB Icon)"},
      {"WKWebView", "(Load html)"},
      {"AnalogClock", "(Animated Clock)"},
  }};
  for (const auto& [name, caption] : kCaptions) {
    if (name == type) return std::string(caption);
  }
  return "";
}

}  // namespace vantile
