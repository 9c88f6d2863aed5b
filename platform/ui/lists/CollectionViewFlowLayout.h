#pragma once

#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/lists/ListLayout.h"
#include "platform/ui/views/EdgeInsets.h"

namespace platform::ui {

// Lays items out in lines, as text flows: a vertical layout fills rows from left to right
// and stacks them downwards; a horizontal one fills columns from top to bottom and puts them
// side by side. Within a section's insets, a line takes items while they fit with at least
// the interitem spacing between them (an item too large for any line gets one of its own);
// lines are at least the line spacing apart, and each is as deep as its deepest item, the
// others centred across it.
//
// A line followed by another spreads its spare room evenly between its items, so they touch
// both insets; the last line of a section keeps the spacing of the line before it (where it
// fits), so it lines up with the grid above, or the minimum spacing when there is none. A
// line of one item starts at the leading inset.
// Empty sections take no room.
class CollectionViewFlowLayout {
 public:
  enum class ScrollDirection { vertical, horizontal };

  graphics::Size itemSize{50, 50};
  double minimumInteritemSpacing = 10;
  double minimumLineSpacing = 10;
  EdgeInsets sectionInset;
  ScrollDirection scrollDirection = ScrollDirection::vertical;

  // For a view of `size`, with the size of every item by section. Sizes and spacings that
  // are negative or not numbers count as 0.
  ListLayout layout(graphics::Size size, const std::vector<std::vector<graphics::Size>>& itemSizes) const;
};

}  // namespace platform::ui
