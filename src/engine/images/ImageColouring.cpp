#include "engine/images/ImageColouring.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/graphics/ImageFilters.h"
#include "platform/graphics/PremultipliedPixel.h"

namespace vantile {

namespace graphics = platform::graphics;
namespace premultiplied = graphics::premultiplied;

namespace {

// Darkness of an opaque pixel as alpha: black 255, white 0 (Rec. 601 luma).
std::uint8_t darknessOf(std::uint32_t opaquePixel) {
  const double luma = 0.299 * premultiplied::redOf(opaquePixel) + 0.587 * premultiplied::greenOf(opaquePixel) +
                      0.114 * premultiplied::blueOf(opaquePixel);
  return static_cast<std::uint8_t>(255 - std::lround(luma));
}

}  // namespace

std::optional<graphics::Image> inverseColor(const std::optional<graphics::Image>& image) {
  if (!image) {
    return std::nullopt;
  }
  return graphics::invertColors(*image);
}

std::optional<graphics::Image> imageWithWhiteBackground(const std::optional<graphics::Image>& image) {
  if (!image) {
    return std::nullopt;
  }
  std::vector<std::uint32_t> pixels(image->pixels().begin(), image->pixels().end());
  for (std::uint32_t& pixel : pixels) {
    // Premultiplied "over": white contributes 255 - alpha to every channel.
    const std::uint32_t uncovered = 255 - premultiplied::alphaOf(pixel);
    pixel = premultiplied::pack(255, premultiplied::redOf(pixel) + uncovered, premultiplied::greenOf(pixel) + uncovered,
                                premultiplied::blueOf(pixel) + uncovered);
  }
  return graphics::Image::fromPremultipliedARGB(image->width(), image->height(), std::move(pixels), image->scale());
}

std::optional<graphics::Image> changeImage(const std::optional<graphics::Image>& image, graphics::Color color) {
  const std::optional<graphics::Image> flattened = imageWithWhiteBackground(image);
  if (!flattened) {
    return std::nullopt;
  }
  std::vector<std::uint32_t> mask(flattened->pixels().begin(), flattened->pixels().end());
  for (std::uint32_t& pixel : mask) {
    pixel = premultiplied::pack(darknessOf(pixel), 0, 0, 0);
  }
  const auto maskImage = graphics::Image::fromPremultipliedARGB(flattened->width(), flattened->height(),
                                                                std::move(mask), flattened->scale());
  if (!maskImage) {
    return std::nullopt;
  }
  return graphics::tintedThroughMask(*maskImage, color);
}

}  // namespace vantile
