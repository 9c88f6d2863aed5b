#include "drawer/DrawerGridLayout.h"

#include <algorithm>

#include "drawer/DrawerDefaults.h"

namespace vantile {

namespace {
std::int32_t whole(double value) { return static_cast<std::int32_t>(value); }
}  // namespace

DrawerGridSettings DrawerGridSettings::read(const DrawerDefaults& defaults) {
  DrawerGridSettings settings;
  settings.pagePadding = defaults.integer("pagepadding", settings.pagePadding);
  settings.iconsPerRow = defaults.integer("iconrow", settings.iconsPerRow);
  if (defaults.has("xpadding")) settings.xPadding = static_cast<float>(defaults.store().doubleForKey("xpadding"));
  settings.yPadding = defaults.integer("ypadding", settings.yPadding);
  settings.stackFromBottom = defaults.flag("stackFromBottom", settings.stackFromBottom);
  settings.bottomMargin = defaults.integer("bottomMargin", settings.bottomMargin);
  settings.topPadding = defaults.integer("topPadding", settings.topPadding);
  settings.rightToLeft = defaults.flag("stackRightToLeft", settings.rightToLeft);
  return settings;
}

std::int32_t DrawerGridLayout::getMaxIconsForHeight(std::int32_t count, float iconSize, float pageHeight,
                                                    std::int32_t yPadding) {
  for (std::int32_t rows = count; rows > 1; --rows) {
    if (static_cast<float>(rows) * iconSize + static_cast<float>((rows - 1) * yPadding) <= pageHeight) return rows;
  }
  return 1;
}

DrawerGridLayout DrawerGridLayout::compute(platform::graphics::Size screen, double topInset,
                                           const DrawerGridSettings& settings, std::size_t appCount) {
  DrawerGridLayout layout;
  layout.screenWidth = whole(screen.width);
  const std::int32_t screenHeight = whole(screen.height);
  layout.topOffset = topInset > 0 ? whole(topInset + 60) : 40;
  layout.iconsPerRow = static_cast<std::int32_t>(std::clamp<std::int64_t>(settings.iconsPerRow, 1, 1000));
  layout.xPadding = settings.xPadding;
  layout.yPadding = static_cast<std::int32_t>(settings.yPadding);
  layout.stackFromBottom = settings.stackFromBottom;
  layout.rightToLeft = settings.rightToLeft;
  layout.usableWidth = layout.screenWidth - static_cast<std::int32_t>(settings.pagePadding);
  layout.pageHeight = screenHeight - layout.topOffset - 60;
  layout.iconSize = (static_cast<float>(layout.usableWidth) - settings.xPadding * static_cast<float>(layout.iconsPerRow - 1)) /
                    static_cast<float>(layout.iconsPerRow);
  layout.cellHeight = whole(layout.iconSize + 20);
  const auto bottom = static_cast<std::int32_t>(settings.bottomMargin);
  const auto top = static_cast<std::int32_t>(settings.topPadding);
  if (settings.stackFromBottom) {
    const std::int32_t step = layout.yPadding + layout.cellHeight;
    const std::int32_t room = layout.yPadding + layout.pageHeight - bottom - top;
    layout.rowsPerPage = std::max(1, step > 0 ? room / step : 1);
  } else {
    layout.rowsPerPage = getMaxIconsForHeight(20, layout.iconSize, static_cast<float>(layout.pageHeight), layout.yPadding);
  }
  layout.capacity = layout.rowsPerPage * layout.iconsPerRow;
  layout.lastPage = static_cast<std::int32_t>(appCount / static_cast<std::size_t>(layout.capacity));
  layout.leftMargin = layout.screenWidth / 2 - layout.usableWidth / 2;
  layout.firstRowTop = settings.stackFromBottom ? layout.pageHeight - layout.cellHeight - bottom : top;
  return layout;
}

platform::graphics::Rect DrawerGridLayout::pageFrame(std::int32_t page) const {
  return {static_cast<double>(leftMargin + page * screenWidth), static_cast<double>(topOffset),
          static_cast<double>(usableWidth), static_cast<double>(pageHeight)};
}

std::vector<platform::graphics::Rect> DrawerGridLayout::iconFrames(std::size_t count) const {
  std::vector<platform::graphics::Rect> frames;
  count = std::min(count, static_cast<std::size_t>(capacity));
  double x = 0;
  double y = firstRowTop;
  for (std::size_t k = 0; k < count; ++k) {
    const auto index = static_cast<std::int32_t>(k);
    const std::int32_t row = index / iconsPerRow;
    const std::int32_t column = index - row * iconsPerRow;
    if (column == 0 && row > 0) {
      y = stackFromBottom ? y - (yPadding + cellHeight) : whole(iconSize + y + static_cast<float>(yPadding));
    }
    if (rightToLeft) {
      x = whole((xPadding + iconSize) * static_cast<float>(iconsPerRow - 1 - column));
    } else {
      x = column == 0 ? 0 : whole(iconSize + x + xPadding);
    }
    frames.push_back({x, y, iconSize, static_cast<double>(cellHeight)});
  }
  return frames;
}

}  // namespace vantile
