#pragma once

#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The segment-only menus of styles with a fixed vocabulary: a segment stands for one word.
namespace SegmentMenus {

struct Menu {
  std::string title;
  std::string style;
  std::vector<std::string> segments;
  // The word written for each segment.
  std::vector<std::string> words;
  // Scroll views take their endless mode when drawn, so the canvas is drawn once more.
  bool redrawsCanvas = false;
};

const Menu& textAlignment();
const Menu& infiniteScroll();
const Menu& autoLayout();
const Menu& blurColor();
const Menu& contentMode();
const Menu& textStyle();

// The segment of the element's word: 0 when the element has no value, -1 (none marked) for a
// word the menu does not list.
int segmentOfValue(const Menu& menu, const platform::Value& element);

// The vertical menu's options: no rows, 80 points high, opening on the segment.
platform::Value options(const Menu& menu, int startSegment);

}  // namespace SegmentMenus

}  // namespace vantile
