#include "platform/ui/lists/ListLayout.h"

namespace platform::ui {

using graphics::Rect;

namespace {

bool overlaps(const Rect& frame, const Rect& area) {
  return frame.x() < area.maxX() && area.x() < frame.maxX() && frame.y() < area.maxY() && area.y() < frame.maxY();
}

}  // namespace

std::optional<Rect> ListLayout::frameAt(IndexPath indexPath) const {
  if (indexPath.section < 0 || indexPath.row < 0 || static_cast<std::size_t>(indexPath.section) >= frames.size()) {
    return std::nullopt;
  }
  const auto& section = frames[static_cast<std::size_t>(indexPath.section)];
  if (static_cast<std::size_t>(indexPath.row) >= section.size()) {
    return std::nullopt;
  }
  return section[static_cast<std::size_t>(indexPath.row)];
}

std::vector<IndexPath> ListLayout::indexPathsIn(const Rect& area) const {
  std::vector<IndexPath> found;
  for (std::size_t section = 0; section < frames.size(); ++section) {
    for (std::size_t row = 0; row < frames[section].size(); ++row) {
      if (overlaps(frames[section][row], area)) {
        found.push_back({static_cast<int>(section), static_cast<int>(row)});
      }
    }
  }
  return found;
}

std::optional<IndexPath> ListLayout::indexPathAt(graphics::Point point) const {
  for (std::size_t section = 0; section < frames.size(); ++section) {
    for (std::size_t row = 0; row < frames[section].size(); ++row) {
      const Rect& frame = frames[section][row];
      if (point.x >= frame.x() && point.x < frame.maxX() && point.y >= frame.y() && point.y < frame.maxY()) {
        return IndexPath{static_cast<int>(section), static_cast<int>(row)};
      }
    }
  }
  return std::nullopt;
}

}  // namespace platform::ui
