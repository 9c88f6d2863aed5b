#pragma once

#include <string_view>

namespace vantile::RowScrolling {

// Equal names, or the view name holding the searched one as its first or last "~" part.
bool rowNameMatches(std::string_view viewName, std::string_view searchName);

// The offset that puts the row's middle in the panel's middle, kept within the content.
double centredRowOffset(double rowY, double rowHeight, double panelHeight, double contentHeight);

}  // namespace vantile::RowScrolling
