#pragma once

#include <array>
#include <string_view>

namespace vantile {

// The drawer's settings, in the order the settings panel lists them. Each is stored under its
// key in the standard user defaults of the process that shows the drawer.
struct AppDrawerKey {
  enum class Kind { toggle, slider, colour };

  std::string_view caption;
  std::string_view key;
  Kind kind;
  // A switch's default is 0 or 1; a colour's is in `colourDefault`.
  int defaultValue = 0;
  int minimum = 0;
  int maximum = 0;
  std::string_view colourDefault = {};
};

using Kind = AppDrawerKey::Kind;

inline constexpr std::array<AppDrawerKey, 27> AppDrawerKeys{{
    {"Make Favs Default", "favsdefault", Kind::toggle, 0},
    {"Display Shortcuts", "shortcuts", Kind::toggle, 1},
    {"Hide Labels", "hidelabels", Kind::toggle, 0},
    {"Hide Badges", "hidebadges", Kind::toggle, 0},
    {"Disable Background Blur", "disablebgblur", Kind::toggle, 0},
    {"Disable Shortcut Blur", "disableshortcutblur", Kind::toggle, 0},
    {"SemiTransparent settings icon", "invisiblesettingsicon", Kind::toggle, 0},
    {"Icon Row Count", "iconrow", Kind::slider, 4, 3, 10},
    {"Icon X Padding", "xpadding", Kind::slider, 30, 5, 100},
    {"Icon Y Padding", "ypadding", Kind::slider, 30, 5, 40},
    {"Page Horizontal Offset", "pagepadding", Kind::slider, 90, 50, 200},
    {"Label Size", "labelsize", Kind::slider, 8, 1, 20},
    {"Drawer Background Color", "backgroundColor", Kind::colour, 0, 0, 0, "rgba(0,0,0,0)"},
    {"Shortcut Background Color", "shortcutBackgroundColor", Kind::colour, 0, 0, 0, "rgba(0,0,0,0)"},
    {"Shortcut Letter Color", "shortcutLetterColor", Kind::colour, 0, 0, 0, "rgba(255,255,255,1)"},
    {"Shortcut App Label Color", "shortcutAppLabelColor", Kind::colour, 0, 0, 0, "rgba(255,255,255,1)"},
    {"App Label Color", "appLabelColor", Kind::colour, 0, 0, 0, "rgba(255,255,255,1)"},
    {"Badge background color", "appBadgeBGColor", Kind::colour, 0, 0, 0, "rgba(252,13,27,1)"},
    {"Badge text color", "appBadgeTextColor", Kind::colour, 0, 0, 0, "rgba(255,255,255,1)"},
    {"Segment background color", "segBackColor", Kind::colour, 0, 0, 0, "rgba(46,46,46,1)"},
    {"Segment highlight background color", "segHighBackColor", Kind::colour, 0, 0, 0, "rgba(255,255,255,1)"},
    {"Segment text color", "segmentTextColor", Kind::colour, 0, 0, 0, "rgba(255,255,255,1)"},
    {"Segment highlight text color", "segmentHighTextColor", Kind::colour, 0, 0, 0, "rgba(0,0,0,1)"},
    {"Stack Icons from Bottom", "stackFromBottom", Kind::toggle, 0},
    {"Stack From Bottom - Bottom Padding", "bottomMargin", Kind::slider, 80, 0, 500},
    {"Stack from bottom - Top Padding", "topPadding", Kind::slider, 20, 0, 500},
    {"Stack Icons Right to Left", "stackRightToLeft", Kind::toggle, 0},
}};

}  // namespace vantile
