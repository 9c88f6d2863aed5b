#include "editor/menus/FontMenuLists.h"

#include <algorithm>
#include <iterator>

#include "editor/menus/PickerLists.h"
#include "editor/menus/StockFontAllowList.h"
#include "platform/foundation/files/Files.h"

namespace vantile::FontMenuLists {

std::vector<std::string> stockFontNames(const std::vector<platform::graphics::FontFamily>& families) {
  std::vector<std::string> names;
  for (const platform::graphics::FontFamily& family : families) {
    std::ranges::copy_if(family.fontNames, std::back_inserter(names), isAllowedStockFont);
  }
  return names;
}

std::vector<std::string> customFontFiles(const std::filesystem::path& folder) {
  std::vector<std::string> files;
  for (std::string& entry : platform::foundation::listFolder(folder)) {
    const std::string extension = std::filesystem::path(entry).extension().string();
    if (extension == ".otf" || extension == ".ttf") files.push_back(std::move(entry));
  }
  return PickerLists::sortedCaseInsensitive(std::move(files));
}

}  // namespace vantile::FontMenuLists
