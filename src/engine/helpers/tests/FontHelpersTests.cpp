#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/helpers/VantileHelpers.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

std::string fileContents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(FontHelpers, RegistersAnAssetFontAndGivesItsPostScriptName) {
  testing::TemporaryDeviceRoot root;
  root.writeFile("/var/mobile/Library/VantileAssets/fonts/Bold.otf",
                 fileContents("/usr/share/fonts/opentype/inter/Inter-Bold.otf"));
  root.writeFile("/var/mobile/Library/VantileAssets/notafont.ttf", "hello");

  EXPECT_EQ(VantileHelpers::loadFontAndReturnFontName("fonts/Bold.otf"), "Inter-Bold");
  EXPECT_EQ(VantileHelpers::loadFontAndReturnFontName("fonts/Bold.otf"), "Inter-Bold")
      << "registering again is harmless";
  EXPECT_FALSE(VantileHelpers::loadFontAndReturnFontName("notafont.ttf"));
  EXPECT_FALSE(VantileHelpers::loadFontAndReturnFontName("missing.ttf"));
}

TEST(FontHelpers, ChoosesWholeFontSizesThatGrowWithTheHeight) {
  double previous = 0;
  for (const double height : {10.0, 14.5, 20.0, 40.0, 120.0}) {
    const double size = VantileHelpers::fontSizeFromHeight(height);
    EXPECT_EQ(size, std::ceil(size)) << height;
    EXPECT_GT(size, previous) << height;
    EXPECT_LE(size, height) << "a line is never shorter than its font size";
    previous = size;
  }
  EXPECT_EQ(VantileHelpers::fontSizeFromHeight(0), 0);
}

}  // namespace
}  // namespace vantile
