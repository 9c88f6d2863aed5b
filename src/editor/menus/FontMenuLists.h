#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vantile {

// The two lists of the font menu: the stock fonts the process knows and the font files of a folder.
namespace FontMenuLists {

struct FontFamily {
  std::string name;
  // The PostScript names of the family's faces.
  std::vector<std::string> fontNames;
};

// The families of the platform's font registry (the system font and every registered font file),
// by family name, each with its faces.
std::vector<FontFamily> installedFontFamilies();

// The fonts of the families, in their order, that the allow-list admits.
std::vector<std::string> stockFontNames(const std::vector<FontFamily>& families);

// The "otf" and "ttf" files of the folder (extension compared exactly), in the menus' sort order;
// empty for a missing folder.
std::vector<std::string> customFontFiles(const std::filesystem::path& folder);

}  // namespace FontMenuLists

}  // namespace vantile
