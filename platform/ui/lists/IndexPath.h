#pragma once

#include <compare>

namespace platform::ui {

// A place in a list: the section, then the row (tables) or item (collections) inside it.
struct IndexPath {
  int section = 0;
  int row = 0;

  int item() const { return row; }

  friend auto operator<=>(const IndexPath&, const IndexPath&) = default;
};

}  // namespace platform::ui
