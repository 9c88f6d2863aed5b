#include "platform/graphics/ImageFilters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace platform::graphics {
namespace {

// Opaque red, half-transparent cyan, transparent, opaque blue-grey; values that premultiply
// without rounding, so results can be compared exactly.
Image makeHandmadeImage(double scale = 1) {
  const std::vector<std::uint8_t> rgba = {
      255, 0, 0, 255, 0,  255, 255, 128,  //
      0,   0, 0, 0,   64, 128, 192, 255,  //
  };
  return *Image::fromRGBA(2, 2, rgba, scale);
}

std::vector<PixelRGBA> pixelsOf(const Image& image) {
  std::vector<PixelRGBA> pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      pixels.push_back(*image.pixelAt(x, y));
    }
  }
  return pixels;
}

void expectNear(PixelRGBA actual, PixelRGBA expected, int tolerance, const std::string& where) {
  EXPECT_NEAR(actual.red, expected.red, tolerance) << where;
  EXPECT_NEAR(actual.green, expected.green, tolerance) << where;
  EXPECT_NEAR(actual.blue, expected.blue, tolerance) << where;
  EXPECT_NEAR(actual.alpha, expected.alpha, tolerance) << where;
}

TEST(ImageFilters, InvertingTurnsEachColourChannelIntoItsComplementAndKeepsAlpha) {
  const Image inverted = invertColors(makeHandmadeImage(2));
  EXPECT_EQ(pixelsOf(inverted),
            (std::vector<PixelRGBA>{{0, 255, 255, 255}, {255, 0, 0, 128}, {0, 0, 0, 0}, {191, 127, 63, 255}}));
  EXPECT_EQ(inverted.scale(), 2);
  EXPECT_TRUE(std::ranges::equal(invertColors(inverted).pixels(), makeHandmadeImage().pixels()));
}

TEST(ImageFilters, TintingPaintsTheColourThroughTheImageAlpha) {
  const Image tinted = tintedThroughMask(makeHandmadeImage(3), Color{0, 0, 1, 0.5});
  EXPECT_EQ(pixelsOf(tinted),
            (std::vector<PixelRGBA>{{0, 0, 255, 128}, {0, 0, 255, 64}, {0, 0, 0, 0}, {0, 0, 255, 128}}));
  EXPECT_EQ(tinted.scale(), 3);
  EXPECT_EQ(tinted.size(), makeHandmadeImage(3).size());
}

TEST(ImageFilters, TintingClampsColourComponentsOutsideTheUnitRange) {
  const Image tinted = tintedThroughMask(makeHandmadeImage(), Color{2, -1, std::numeric_limits<double>::quiet_NaN(), 7});
  EXPECT_EQ(*tinted.pixelAt(0, 0), (PixelRGBA{255, 0, 0, 255}));
  EXPECT_EQ(*tinted.pixelAt(1, 0), (PixelRGBA{255, 0, 0, 128}));
}

TEST(ImageFilters, ScalingToTheSamePixelSizeAtAnotherScaleKeepsEveryPixel) {
  const auto result = scaled(makeHandmadeImage(), Size{1, 1}, 2);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->width(), 2);
  EXPECT_EQ(result->height(), 2);
  EXPECT_EQ(result->scale(), 2);
  EXPECT_EQ(result->size(), (Size{1, 1}));
  EXPECT_TRUE(std::ranges::equal(result->pixels(), makeHandmadeImage().pixels()));
}

TEST(ImageFilters, ShrinkingAveragesPremultipliedPixels) {
  // One opaque red pixel among three transparent ones is a faint but fully red pixel; averaging
  // unpremultiplied colour would darken it.
  const auto image = Image::fromRGBA(2, 2, std::vector<std::uint8_t>{255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  const auto result = scaled(*image, Size{1, 1}, 1);
  ASSERT_TRUE(result);
  ASSERT_EQ(result->width(), 1);
  expectNear(*result->pixelAt(0, 0), {255, 0, 0, 64}, 4, "average");
}

TEST(ImageFilters, EnlargingKeepsEdgesTheirColour) {
  const auto uniform = Image::fromRGBA(2, 2, std::vector<std::uint8_t>(16, 128));
  const auto result = scaled(*uniform, Size{3.5, 2.5}, 2);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->width(), 7);
  EXPECT_EQ(result->height(), 5);
  for (const PixelRGBA& pixel : pixelsOf(*result)) {
    expectNear(pixel, *uniform->pixelAt(0, 0), 0, "enlarged");
  }
}

TEST(ImageFilters, ScalingGivesNothingForAnEmptyOddOrHugeSize) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    Size size;
    double scale;
  } cases[] = {
      {{0, 10}, 1}, {{10, -1}, 1}, {{nan, 10}, 1}, {{10, infinity}, 1},
      {{10, 10}, 0}, {{10, 10}, nan}, {{10, 10}, -2}, {{100'000, 100'000}, 1},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(scaled(makeHandmadeImage(), c.size, c.scale))
        << c.size.width << " x " << c.size.height << " @ " << c.scale;
  }
}

}  // namespace
}  // namespace platform::graphics
