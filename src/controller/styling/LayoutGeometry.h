#pragma once

#include <cstddef>
#include <vector>

#include "platform/graphics/Geometry.h"

// The arithmetic of a container's automatic layout, apart from any view: every member takes
// the size of the first one, and the frames come back in member order.
namespace vantile::layout {

// One row, the same gap before, between and after the members, vertically centred. The gap
// goes negative (members overlap) when they do not fit.
std::vector<platform::graphics::Rect> evenSpacingFrames(std::size_t count, platform::graphics::Size memberSize,
                                                        const platform::graphics::Rect& frame);

struct GridShape {
  std::size_t rows = 0;
  std::size_t columns = 0;
  friend bool operator==(const GridShape&, const GridShape&) = default;
};

// The column count that leaves the least space unused inside a 10-point margin with gaps of at
// least 10 points; fewer columns win ties; one column when nothing fits.
GridShape gridShapeFor(std::size_t count, platform::graphics::Size memberSize, const platform::graphics::Rect& frame);

// Row by row in the chosen shape, the spare space shared out as gaps of at least 10 points.
std::vector<platform::graphics::Rect> gridFrames(std::size_t count, platform::graphics::Size memberSize,
                                                 const platform::graphics::Rect& frame);

}  // namespace vantile::layout
