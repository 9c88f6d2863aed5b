#pragma once

#include <optional>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/lists/IndexPath.h"

namespace platform::ui {

// Where every cell of a list goes, in the list's content space, and how large the content is.
struct ListLayout {
  // By section, then row or item.
  std::vector<std::vector<graphics::Rect>> frames;
  graphics::Size contentSize;

  std::optional<graphics::Rect> frameAt(IndexPath indexPath) const;
  // The places whose frames overlap `area` (an empty frame overlaps nothing), in order.
  std::vector<IndexPath> indexPathsIn(const graphics::Rect& area) const;
  // The first place whose frame holds `point`.
  std::optional<IndexPath> indexPathAt(graphics::Point point) const;
};

}  // namespace platform::ui
