#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/graphics/FontFamilies.h"

namespace vantile {

// The two lists of the font menu: the stock fonts the process knows and the font files of a folder.
namespace FontMenuLists {

// The fonts of the families, in their order, that the allow-list admits.
std::vector<std::string> stockFontNames(const std::vector<platform::graphics::FontFamily>& families);

// The "otf" and "ttf" files of the folder (extension compared exactly), in the menus' sort order;
// empty for a missing folder.
std::vector<std::string> customFontFiles(const std::filesystem::path& folder);

}  // namespace FontMenuLists

}  // namespace vantile
