#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace vantile {

// The buttons of the panel's icon bar, found again by their tags when the bar is tapped.
enum IconBarTag : std::int64_t {
  kElementListButtonTag = 11,
  kThemePickerButtonTag = 12,
  kOptionsButtonTag = 13,
  kReorderButtonTag = 14,
  kClearSelectionButtonTag = 66,
};

struct IconBarButton {
  std::int64_t tag = 0;
  platform::graphics::Rect frame;
  // The icon's file URL; the clear-selection button has none.
  std::optional<std::string_view> iconURL;
};

inline constexpr double kIconBarHeight = 40;

// The five buttons in the order they are added, for a bar `width` wide.
std::vector<IconBarButton> iconBarButtons(double width);

}  // namespace vantile
