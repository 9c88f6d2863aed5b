#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/graphics/SymbolCatalogue.h"

namespace platform::graphics {
namespace {

// Total coverage: the sum of every pixel's alpha, in whole pixels.
double ink(const Image& image) {
  double total = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) total += image.pixelAt(x, y)->alpha / 255.0;
  }
  return total;
}

bool allInkIsBlack(const Image& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const PixelRGBA pixel = *image.pixelAt(x, y);
      if (pixel.alpha > 0 && pixel.red + pixel.green + pixel.blue > 0) return false;
    }
  }
  return true;
}

TEST(SymbolCatalogueTest, EveryNamedGlyphDrawsBlackInkInASquare) {
  const std::vector<std::string_view> names = systemSymbolNames();
  ASSERT_GE(names.size(), 11u);
  for (const std::string_view name : names) {
    SCOPED_TRACE(std::string(name));
    const auto image = systemSymbol(name, {.pointSize = 20, .weight = SymbolWeight::regular}, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 40);
    EXPECT_EQ(image->height(), 40);
    EXPECT_EQ(image->scale(), 2);
    const double coverage = ink(*image);
    EXPECT_GT(coverage, 40 * 40 * 0.05);
    EXPECT_LT(coverage, 40 * 40 * 0.8);
    EXPECT_TRUE(allInkIsBlack(*image));
  }
}

TEST(SymbolCatalogueTest, UnknownNamesGiveNoImage) {
  for (const char* name : {"", "null", "none", "(null)", "Heart.fill", "heart", "star.fill ", "unknown.symbol"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(systemSymbol(name, {}), std::nullopt);
  }
}

TEST(SymbolCatalogueTest, HeavierWeightsDrawMoreInk) {
  for (const char* name : {"wifi", "star.fill", "battery.100", "sun.max.fill"}) {
    SCOPED_TRACE(name);
    const auto thin = systemSymbol(name, {.pointSize = 40, .weight = SymbolWeight::thin});
    const auto regular = systemSymbol(name, {.pointSize = 40, .weight = SymbolWeight::regular});
    const auto unspecified = systemSymbol(name, {.pointSize = 40});
    const auto black = systemSymbol(name, {.pointSize = 40, .weight = SymbolWeight::black});
    EXPECT_LT(ink(*thin), ink(*regular));
    EXPECT_LT(ink(*regular), ink(*black));
    EXPECT_DOUBLE_EQ(ink(*unspecified), ink(*regular));
  }
}

TEST(SymbolCatalogueTest, ScaleSetsTheSideAroundThePointSize) {
  const struct {
    SymbolScale scale;
    int side;
  } cases[] = {
      {SymbolScale::unspecified, 30}, {SymbolScale::small, 24}, {SymbolScale::medium, 30}, {SymbolScale::large, 40}};
  for (const auto& test : cases) {
    SCOPED_TRACE(static_cast<int>(test.scale));
    EXPECT_EQ(systemSymbol("heart.fill", {.pointSize = 30, .scale = test.scale})->width(), test.side);
  }
}

TEST(SymbolCatalogueTest, UnusableSizesGiveNoImage) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(systemSymbol("heart.fill", {.pointSize = 0}), std::nullopt);
  EXPECT_EQ(systemSymbol("heart.fill", {.pointSize = -5}), std::nullopt);
  EXPECT_EQ(systemSymbol("heart.fill", {.pointSize = nan}), std::nullopt);
  EXPECT_EQ(systemSymbol("heart.fill", {.pointSize = 20}, 0), std::nullopt);
  EXPECT_EQ(systemSymbol("heart.fill", {.pointSize = 1e9}), std::nullopt);
}

}  // namespace
}  // namespace platform::graphics
