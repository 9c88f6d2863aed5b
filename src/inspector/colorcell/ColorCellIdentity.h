#pragma once

#include <string>

namespace vantile {

// What a colour cell stands for, kept apart so that no name or value can be mistaken for another
// part: the element, the style key the colour goes to (the parent key for an entry of a
// dictionary style) and the value shown at start.
struct ColorCellIdentity {
  std::string elementName;
  std::string styleKey;
  std::string value;

  bool operator==(const ColorCellIdentity&) const = default;
};

}  // namespace vantile
