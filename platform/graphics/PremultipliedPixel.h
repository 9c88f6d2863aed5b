#pragma once

#include <algorithm>
#include <cstdint>

// One pixel of Cairo's CAIRO_FORMAT_ARGB32: a native-endian 32-bit word, alpha in the top byte,
// colour multiplied by alpha. Images keep this layout so the renderer draws them unconverted.
namespace platform::graphics {

// A pixel as files and people describe it: colour not multiplied by alpha.
struct PixelRGBA {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 0;

  friend bool operator==(const PixelRGBA&, const PixelRGBA&) = default;
};

namespace premultiplied {

// Rounds to nearest; an exact half cannot occur as 255 is odd.
constexpr std::uint32_t multiplyByAlpha(std::uint32_t channel, std::uint32_t alpha) {
  return (channel * alpha + 127) / 255;
}

constexpr std::uint32_t divideByAlpha(std::uint32_t channel, std::uint32_t alpha) {
  return alpha == 0 ? 0 : std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha);
}

constexpr std::uint32_t pack(std::uint32_t alpha, std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return alpha << 24 | red << 16 | green << 8 | blue;
}

constexpr std::uint32_t alphaOf(std::uint32_t pixel) { return pixel >> 24; }
constexpr std::uint32_t redOf(std::uint32_t pixel) { return (pixel >> 16) & 0xFF; }
constexpr std::uint32_t greenOf(std::uint32_t pixel) { return (pixel >> 8) & 0xFF; }
constexpr std::uint32_t blueOf(std::uint32_t pixel) { return pixel & 0xFF; }

constexpr std::uint32_t fromRGBA(PixelRGBA pixel) {
  return pack(pixel.alpha, multiplyByAlpha(pixel.red, pixel.alpha), multiplyByAlpha(pixel.green, pixel.alpha),
              multiplyByAlpha(pixel.blue, pixel.alpha));
}

constexpr PixelRGBA toRGBA(std::uint32_t pixel) {
  const std::uint32_t alpha = alphaOf(pixel);
  return {static_cast<std::uint8_t>(divideByAlpha(redOf(pixel), alpha)),
          static_cast<std::uint8_t>(divideByAlpha(greenOf(pixel), alpha)),
          static_cast<std::uint8_t>(divideByAlpha(blueOf(pixel), alpha)), static_cast<std::uint8_t>(alpha)};
}

}  // namespace premultiplied

}  // namespace platform::graphics
