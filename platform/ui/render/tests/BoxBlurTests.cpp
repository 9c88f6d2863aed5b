#include "platform/ui/render/BoxBlur.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/graphics/PremultipliedPixel.h"

namespace platform::ui {
namespace {

namespace premultiplied = graphics::premultiplied;

TEST(BoxBlur, LeavesAnEvenImageAsItIs) {
  std::vector<std::uint32_t> pixels(30 * 20, premultiplied::pack(200, 100, 50, 25));
  const auto before = pixels;
  boxBlurARGB(pixels, 30, 20, 4);
  EXPECT_EQ(pixels, before);
}

TEST(BoxBlur, SpreadsASpotEvenlyAndKeepsItsWeight) {
  std::vector<std::uint8_t> plane(41 * 41, 0);
  plane[20 * 41 + 20] = 255;
  std::fill(plane.begin() + 20 * 41 + 19, plane.begin() + 20 * 41 + 22, 255);
  const int before = std::accumulate(plane.begin(), plane.end(), 0);
  boxBlurAlpha(plane, 41, 41, 41, 2);
  EXPECT_EQ(plane[20 * 41 + 17], plane[20 * 41 + 23]);
  EXPECT_EQ(plane[17 * 41 + 20], plane[23 * 41 + 20]);
  EXPECT_LT(plane[20 * 41 + 20], 255);
  EXPECT_NEAR(std::accumulate(plane.begin(), plane.end(), 0), before, before / 10);
}

TEST(BoxBlur, KeepsColourAtOrBelowAlpha) {
  std::vector<std::uint32_t> pixels(16 * 16);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const auto alpha = static_cast<std::uint32_t>((i * 37) % 256);
    pixels[i] = premultiplied::pack(alpha, alpha, alpha / 2, 0);
  }
  boxBlurARGB(pixels, 16, 16, 3);
  for (std::uint32_t pixel : pixels) {
    EXPECT_LE(premultiplied::redOf(pixel), premultiplied::alphaOf(pixel));
  }
}

TEST(BoxBlur, IgnoresPlanesThatDoNotMatchTheirSize) {
  std::vector<std::uint32_t> pixels(10, premultiplied::pack(255, 255, 0, 0));
  pixels[0] = 0;
  const auto before = pixels;
  boxBlurARGB(pixels, 5, 5, 3);
  EXPECT_EQ(pixels, before);
}

TEST(BoxBlur, ShrinksByAveragingBlocksIncludingPartialOnes) {
  const std::vector<std::uint32_t> row = {premultiplied::pack(255, 200, 0, 0), premultiplied::pack(255, 100, 0, 0),
                                          premultiplied::pack(255, 10, 20, 30)};
  EXPECT_EQ(shrinkARGB(row, 3, 1, 2),
            (std::vector<std::uint32_t>{premultiplied::pack(255, 150, 0, 0), premultiplied::pack(255, 10, 20, 30)}));
  EXPECT_TRUE(shrinkARGB(row, 2, 2, 2).empty());
}

}  // namespace
}  // namespace platform::ui
