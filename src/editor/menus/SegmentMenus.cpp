#include "editor/menus/SegmentMenus.h"

#include <algorithm>

namespace vantile::SegmentMenus {

using platform::Value;

const Menu& textAlignment() {
  static const Menu menu{"Select Text Align",
                         "textAlignment",
                         {"Left", "Center", "Right"},
                         {"NSTextAlignmentLeft", "NSTextAlignmentCenter", "NSTextAlignmentRight"}};
  return menu;
}

const Menu& infiniteScroll() {
  static const Menu menu{"Select Infinite Scroll",
                         "infiniteScroll",
                         {"None", "Horizontal", "Vertical", "Both"},
                         {"none", "horizontal", "vertical", "both"},
                         true};
  return menu;
}

const Menu& autoLayout() {
  static const Menu menu{"Select Auto Layout", "autoLayout", {"None", "Even", "Grid"}, {"none", "evenSpacing", "grid"}};
  return menu;
}

const Menu& blurColor() {
  static const Menu menu{
      "Select Blur Type", "blurColor", {"light", "light2", "dark", "dark2"}, {"light", "light2", "dark", "dark2"}};
  return menu;
}

const Menu& contentMode() {
  static const Menu menu{
      "Select content mode", "contentMode", {"Fill", "Fit", "Center"}, {"scaleToFill", "scaleAspectFit", "center"}};
  return menu;
}

const Menu& textStyle() {
  static const Menu menu{
      "Select Style", "textStyle", {"Upper", "Capital", "Lower"}, {"uppercase", "capitalize", "lowercase"}};
  return menu;
}

int segmentOfValue(const Menu& menu, const Value& element) {
  if (!element.is_object()) return 0;
  const auto value = element.find(menu.style);
  if (value == element.end()) return 0;
  if (!value->is_string()) return -1;
  const auto word = std::find(menu.words.begin(), menu.words.end(), value->get<std::string>());
  return word == menu.words.end() ? -1 : static_cast<int>(word - menu.words.begin());
}

Value options(const Menu& menu, int startSegment) {
  return {{"segmentArray", menu.segments}, {"segmentStart", startSegment}, {"customHeight", "80"}};
}

}  // namespace vantile::SegmentMenus
