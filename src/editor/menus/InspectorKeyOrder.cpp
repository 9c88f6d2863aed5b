#include "editor/menus/InspectorKeyOrder.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vantile {

namespace {

// clang-format off
constexpr std::array<std::string_view, 60> kLeadingKeys = {
    "childorder", "data", "fontName", "textColor", "backgroundColor", "badgeTextColor", "badgeBGColor", "labelColor",
    "fontSize", "textAlignment", "frame", "cornerRadius", "scale", "alpha", "rotate", "blurAlpha", "blurColor",
    "blurIntensity", "borderWidth", "borderColor", "bundleID", "actions", "animation", "imageURL", "SFSymbolName",
    "SFWeight", "SFColor", "imageIsBlack", "imageColor", "maskURL", "badgeImage", "badgeImageScale", "badgeImageX",
    "badgeImageY", "contentMode", "ringColor", "ringBackground", "ringBackgroundColor", "ringWidth", "ringCap",
    "ringValue", "lowValue", "midValue", "progressValue", "showWhenPlaying", "showWhenCharging", "triggerOnUnlock",
    "triggerOnWake", "animationSpeed", "fadeEdgesAmount", "scrollType", "animationDelay", "dataAttr", "fontNameAttr",
    "fontSizeAttr", "fontColorAttr", "userInteraction", "followWidth", "followWidthItem", "followWidthOffset"};
// clang-format on

}  // namespace

std::vector<std::string> InspectorKeyOrder::customOrder(const platform::Value& element) {
  std::vector<std::string> keys;
  if (!element.is_object()) return keys;
  for (const std::string_view key : kLeadingKeys) {
    if (element.contains(key)) keys.emplace_back(key);
  }
  for (const auto& [key, value] : element.items()) {
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
  }
  return keys;
}

}  // namespace vantile
