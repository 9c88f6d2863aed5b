#include "editor/elementlist/RowScrolling.h"

#include <algorithm>

namespace vantile::RowScrolling {

bool rowNameMatches(std::string_view viewName, std::string_view searchName) {
  if (viewName == searchName) return true;
  if (viewName.size() <= searchName.size()) return false;
  const std::size_t rest = viewName.size() - searchName.size();
  return (viewName.starts_with(searchName) && viewName[searchName.size()] == '~') ||
         (viewName.ends_with(searchName) && viewName[rest - 1] == '~');
}

double centredRowOffset(double rowY, double rowHeight, double panelHeight, double contentHeight) {
  const double centred = rowY - panelHeight / 2 + rowHeight / 2;
  return std::max(0.0, std::min(centred, contentHeight - panelHeight));
}

}  // namespace vantile::RowScrolling
