#include "platform/ui/lists/CollectionViewFlowLayout.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace platform::ui {

using graphics::Rect;
using graphics::Size;

namespace {

// Items that fill a line exactly must not miss it by rounding.
constexpr double kFitTolerance = 1e-9;

double usable(double value) { return std::isfinite(value) && value > 0 ? value : 0; }

Size usable(Size size) { return {usable(size.width), usable(size.height)}; }

struct Line {
  std::size_t first = 0;
  std::size_t count = 0;
  // The items' own widths, without spacing.
  double extent = 0;
  double depth = 0;
};

std::vector<Line> breakIntoLines(const std::vector<Size>& items, double available, double spacing) {
  std::vector<Line> lines;
  for (std::size_t index = 0; index < items.size(); ++index) {
    const Size item = items[index];
    const bool fits =
        !lines.empty() && lines.back().extent + spacing * static_cast<double>(lines.back().count) + item.width <=
                              available * (1 + kFitTolerance) + kFitTolerance;
    if (!fits) {
      lines.push_back({index, 0, 0, 0});
    }
    Line& line = lines.back();
    ++line.count;
    line.extent += item.width;
    line.depth = std::max(line.depth, item.height);
  }
  return lines;
}

}  // namespace

ListLayout CollectionViewFlowLayout::layout(Size size, const std::vector<std::vector<Size>>& itemSizes) const {
  // Worked out as rows; a horizontal layout is the same with the two axes swapped.
  const bool horizontal = scrollDirection == ScrollDirection::horizontal;
  const auto alongRows = [horizontal](Size value) { return horizontal ? Size{value.height, value.width} : value; };
  const EdgeInsets inset =
      horizontal ? EdgeInsets{sectionInset.left, sectionInset.top, sectionInset.right, sectionInset.bottom}
                 : sectionInset;
  const double across = alongRows(size).width;
  const double available = std::max(0.0, across - usable(inset.left) - usable(inset.right));
  const double interitem = usable(minimumInteritemSpacing);
  const double lineSpacing = usable(minimumLineSpacing);

  ListLayout result;
  double y = 0;
  for (const std::vector<Size>& section : itemSizes) {
    std::vector<Rect>& frames = result.frames.emplace_back();
    if (section.empty()) {
      continue;
    }
    std::vector<Size> items;
    items.reserve(section.size());
    for (const Size item : section) {
      items.push_back(alongRows(usable(item)));
    }
    const std::vector<Line> lines = breakIntoLines(items, available, interitem);
    y += usable(inset.top);
    std::optional<double> gridSpacing;
    for (std::size_t number = 0; number < lines.size(); ++number) {
      const Line& line = lines[number];
      const bool last = number + 1 == lines.size();
      const double spread = line.count > 1 ? (available - line.extent) / static_cast<double>(line.count - 1) : 0;
      double spacing = spread;
      if (last) {
        spacing = gridSpacing ? std::min(*gridSpacing, spread) : interitem;
      } else if (line.count > 1) {
        gridSpacing = spread;
      }
      double x = usable(inset.left);
      for (std::size_t index = line.first; index < line.first + line.count; ++index) {
        const Size item = items[index];
        const Rect frame{x, y + (line.depth - item.height) / 2, item.width, item.height};
        frames.push_back(horizontal ? Rect{frame.y(), frame.x(), frame.height(), frame.width()} : frame);
        x += item.width + spacing;
      }
      y += line.depth + (last ? 0 : lineSpacing);
    }
    y += usable(inset.bottom);
  }
  result.contentSize = horizontal ? Size{y, size.height} : Size{size.width, y};
  return result;
}

}  // namespace platform::ui
