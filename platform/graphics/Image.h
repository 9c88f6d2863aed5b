#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/PremultipliedPixel.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::graphics {

// A bitmap image: width × height pixels in Cairo's CAIRO_FORMAT_ARGB32 (premultiplied, native
// endian, rows packed with no padding), drawn at a scale (pixels per point). Copies share the
// pixels, which never change, so an image is passed around by value.
class Image {
 public:
  // Decoders and filters refuse anything larger, before allocating.
  static constexpr std::int64_t kMaximumPixelCount = 40'000'000;

  // From rows of unpremultiplied red, green, blue, alpha bytes, top row first. Nothing (and a
  // log line) when the size is empty or too large, the bytes do not match it, or the scale
  // is not a positive number.
  static std::optional<Image> fromRGBA(int width, int height, std::span<const std::uint8_t> rgba,
                                       double scale = 1);

  // Takes ARGB32 pixels as they are; a colour channel above its alpha is lowered to it, so
  // every image is valid premultiplied data.
  static std::optional<Image> fromPremultipliedARGB(int width, int height, std::vector<std::uint32_t> pixels,
                                                    double scale = 1);

  // Fully transparent.
  static std::optional<Image> blank(int width, int height, double scale = 1);

  int width() const { return pixels_->width; }
  int height() const { return pixels_->height; }
  double scale() const { return scale_; }
  int bytesPerRow() const { return width() * 4; }

  // In points.
  Size size() const { return {width() / scale_, height() / scale_}; }

  std::span<const std::uint32_t> pixels() const { return pixels_->argb; }

  // Nothing outside the image. A fully transparent pixel reads as 0, 0, 0, 0.
  std::optional<PixelRGBA> pixelAt(int x, int y) const;

  std::vector<std::uint8_t> unpremultipliedRGBA() const;

  // Same size, scale and pixels.
  friend bool operator==(const Image& one, const Image& other) {
    return one.scale_ == other.scale_ && (one.pixels_ == other.pixels_ ||
                                          (one.width() == other.width() && one.height() == other.height() &&
                                           one.pixels_->argb == other.pixels_->argb));
  }

 private:
  struct PixelBuffer {
    int width;
    int height;
    std::vector<std::uint32_t> argb;
  };

  Image(std::shared_ptr<const PixelBuffer> pixels, double scale) : pixels_(std::move(pixels)), scale_(scale) {}

  std::shared_ptr<const PixelBuffer> pixels_;
  double scale_;
};

// Whether width × height pixels is a size an image may have; logs why not, naming who asks.
bool isAcceptableImageSize(std::int64_t width, std::int64_t height, std::string_view requester);

}  // namespace platform::graphics
