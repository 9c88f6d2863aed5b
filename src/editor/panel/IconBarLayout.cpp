#include "editor/panel/IconBarLayout.h"

namespace vantile {

std::vector<IconBarButton> iconBarButtons(double width) {
  constexpr double side = kIconBarHeight;
  return {
      {kElementListButtonTag, {10, 0, side, side}, "file:///var/mobile/Library/VantileAssets/list.png"},
      {kReorderButtonTag, {50, 0, side, side}, "file:///var/mobile/Library/VantileAssets/order.png"},
      {kThemePickerButtonTag, {width - 80, 0, side, side}, "file:///var/mobile/Library/VantileAssets/load.png"},
      {kOptionsButtonTag, {width - 40, 0, side, side}, "file:///var/mobile/Library/VantileAssets/gear.png"},
      {kClearSelectionButtonTag, {width / 2 - 50, 0, 100, side}, std::nullopt},
  };
}

}  // namespace vantile
