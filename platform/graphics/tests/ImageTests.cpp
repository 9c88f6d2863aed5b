#include "platform/graphics/Image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace platform::graphics {
namespace {

TEST(Image, StoresPixelsPremultipliedInCairoLayout) {
  struct Case {
    PixelRGBA rgba;
    std::uint32_t argb;
  };
  const std::vector<Case> cases = {
      {{255, 0, 0, 255}, 0xFFFF0000},
      {{255, 128, 0, 128}, 0x80804000},
      {{200, 100, 50, 128}, 0x80643219},
      {{10, 20, 30, 0}, 0x00000000},
  };
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> bytes = {c.rgba.red, c.rgba.green, c.rgba.blue, c.rgba.alpha};
    const auto image = Image::fromRGBA(1, 1, bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels()[0], c.argb) << int(c.rgba.red) << "," << int(c.rgba.alpha);
    EXPECT_EQ(image->bytesPerRow(), 4);
  }
}

TEST(Image, ReadsPixelsBackUnpremultipliedWithinRounding) {
  const std::vector<std::uint8_t> rgba = {200, 100, 50, 128, 0, 0, 255, 255, 10, 20, 30, 0};
  const auto image = Image::fromRGBA(3, 1, rgba);
  ASSERT_TRUE(image);
  const PixelRGBA halfTransparent = *image->pixelAt(0, 0);
  EXPECT_NEAR(halfTransparent.red, 200, 1);
  EXPECT_NEAR(halfTransparent.green, 100, 1);
  EXPECT_NEAR(halfTransparent.blue, 50, 1);
  EXPECT_EQ(halfTransparent.alpha, 128);
  EXPECT_EQ(*image->pixelAt(1, 0), (PixelRGBA{0, 0, 255, 255}));
  EXPECT_EQ(*image->pixelAt(2, 0), (PixelRGBA{0, 0, 0, 0}));
}

TEST(Image, HasNoPixelOutsideItsBounds) {
  const auto image = Image::blank(2, 3);
  ASSERT_TRUE(image);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {2, 0}, {0, 3}}) {
    EXPECT_FALSE(image->pixelAt(x, y)) << x << "," << y;
  }
  EXPECT_EQ(*image->pixelAt(1, 2), (PixelRGBA{0, 0, 0, 0}));
}

TEST(Image, MeasuresItsSizeInPoints) {
  const auto image = Image::blank(30, 20, 2);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width(), 30);
  EXPECT_EQ(image->height(), 20);
  EXPECT_EQ(image->scale(), 2);
  EXPECT_EQ(image->size(), (Size{15, 10}));
}

TEST(Image, CopiesShareTheirPixels) {
  const auto image = Image::blank(4, 4);
  ASSERT_TRUE(image);
  const Image copy = *image;
  EXPECT_EQ(copy.pixels().data(), image->pixels().data());
}

TEST(Image, LowersColourAboveAlphaToKeepPremultipliedDataValid) {
  const auto image = Image::fromPremultipliedARGB(1, 1, {0x40FF2010});
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels()[0], 0x40402010u);
}

TEST(Image, RefusesEmptyHugeOrMismatchedPixelsAndBadScales) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(Image::blank(0, 5));
  EXPECT_FALSE(Image::blank(5, -1));
  EXPECT_FALSE(Image::blank(40'000, 40'000));
  EXPECT_FALSE(Image::blank(2, 2, 0));
  EXPECT_FALSE(Image::blank(2, 2, nan));
  EXPECT_FALSE(Image::blank(2, 2, std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(Image::fromRGBA(2, 2, std::vector<std::uint8_t>(15)));
  EXPECT_FALSE(Image::fromPremultipliedARGB(2, 2, std::vector<std::uint32_t>(5)));
}

}  // namespace
}  // namespace platform::graphics
