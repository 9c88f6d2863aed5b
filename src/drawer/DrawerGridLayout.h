#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace vantile {

class DrawerDefaults;

// The layout keys of the drawer's grid, with the drawer's fallbacks for absent keys.
struct DrawerGridSettings {
  std::int64_t pagePadding = 90;
  std::int64_t iconsPerRow = 5;
  float xPadding = 30;
  std::int64_t yPadding = 30;
  bool stackFromBottom = false;
  std::int64_t bottomMargin = 80;
  std::int64_t topPadding = 10;
  bool rightToLeft = false;

  static DrawerGridSettings read(const DrawerDefaults& defaults);
};

// Where the pages and icons of the paged grid go, for one screen and one list length. Whole
// numbers truncate toward zero as the drawer's arithmetic does; counts are at least 1, so a
// stored 0 or a negative count cannot divide by zero.
struct DrawerGridLayout {
  std::int32_t screenWidth = 0;
  std::int32_t topOffset = 0;
  std::int32_t usableWidth = 0;
  std::int32_t pageHeight = 0;
  float iconSize = 0;
  std::int32_t cellHeight = 0;
  std::int32_t iconsPerRow = 1;
  std::int32_t rowsPerPage = 1;
  std::int32_t capacity = 1;
  std::int32_t leftMargin = 0;
  std::int32_t lastPage = 0;
  float xPadding = 0;
  std::int32_t yPadding = 0;
  std::int32_t firstRowTop = 0;
  bool stackFromBottom = false;
  bool rightToLeft = false;

  // `topInset` is the key window's top safe-area inset.
  static DrawerGridLayout compute(platform::graphics::Size screen, double topInset, const DrawerGridSettings& settings,
                                  std::size_t appCount);

  // The largest row count from `count` down (at least 1) whose rows fit the page height.
  static std::int32_t getMaxIconsForHeight(std::int32_t count, float iconSize, float pageHeight, std::int32_t yPadding);

  platform::graphics::Rect pageFrame(std::int32_t page) const;
  // The frames, in the page, of the first `count` icons of a page (at most its capacity).
  std::vector<platform::graphics::Rect> iconFrames(std::size_t count) const;
};

}  // namespace vantile
