#include "platform/graphics/Image.h"

#include "platform/foundation/files/SystemLog.h"

#include <cmath>
#include <string>

namespace platform::graphics {

namespace {

bool isAcceptableScale(double scale) {
  if (std::isfinite(scale) && scale > 0) {
    return true;
  }
  foundation::systemLog("Image: refusing scale " + std::to_string(scale));
  return false;
}

}  // namespace

bool isAcceptableImageSize(std::int64_t width, std::int64_t height, std::string_view requester) {
  std::string reason;
  if (width <= 0 || height <= 0) {
    reason = "is empty";
  } else if (width > Image::kMaximumPixelCount || width * height > Image::kMaximumPixelCount) {
    reason = "exceeds the limit of " + std::to_string(Image::kMaximumPixelCount) + " pixels";
  } else {
    return true;
  }
  foundation::systemLog(std::string(requester) + ": refusing " + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels: the size " + reason);
  return false;
}

std::optional<Image> Image::fromRGBA(int width, int height, std::span<const std::uint8_t> rgba, double scale) {
  if (!isAcceptableImageSize(width, height, "Image") || !isAcceptableScale(scale)) {
    return std::nullopt;
  }
  const auto pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (rgba.size() != pixelCount * 4) {
    foundation::systemLog("Image: " + std::to_string(rgba.size()) + " RGBA bytes do not make " +
                          std::to_string(width) + " x " + std::to_string(height) + " pixels");
    return std::nullopt;
  }
  std::vector<std::uint32_t> argb(pixelCount);
  for (std::size_t index = 0; index < pixelCount; ++index) {
    const std::uint8_t* bytes = &rgba[index * 4];
    argb[index] = premultiplied::fromRGBA({bytes[0], bytes[1], bytes[2], bytes[3]});
  }
  return Image(std::make_shared<const PixelBuffer>(PixelBuffer{width, height, std::move(argb)}), scale);
}

std::optional<Image> Image::fromPremultipliedARGB(int width, int height, std::vector<std::uint32_t> pixels,
                                                  double scale) {
  if (!isAcceptableImageSize(width, height, "Image") || !isAcceptableScale(scale)) {
    return std::nullopt;
  }
  if (pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    foundation::systemLog("Image: " + std::to_string(pixels.size()) + " pixels do not make " +
                          std::to_string(width) + " x " + std::to_string(height));
    return std::nullopt;
  }
  for (std::uint32_t& pixel : pixels) {
    const std::uint32_t alpha = premultiplied::alphaOf(pixel);
    pixel = premultiplied::pack(alpha, std::min(premultiplied::redOf(pixel), alpha),
                                std::min(premultiplied::greenOf(pixel), alpha),
                                std::min(premultiplied::blueOf(pixel), alpha));
  }
  return Image(std::make_shared<const PixelBuffer>(PixelBuffer{width, height, std::move(pixels)}), scale);
}

std::optional<Image> Image::blank(int width, int height, double scale) {
  if (!isAcceptableImageSize(width, height, "Image")) {
    return std::nullopt;
  }
  return fromPremultipliedARGB(width, height,
                               std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height), scale);
}

std::optional<PixelRGBA> Image::pixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) {
    return std::nullopt;
  }
  return premultiplied::toRGBA(pixels()[static_cast<std::size_t>(y) * width() + x]);
}

std::vector<std::uint8_t> Image::unpremultipliedRGBA() const {
  std::vector<std::uint8_t> rgba;
  rgba.reserve(pixels().size() * 4);
  for (const std::uint32_t pixel : pixels()) {
    const PixelRGBA unpremultiplied = premultiplied::toRGBA(pixel);
    rgba.insert(rgba.end(), {unpremultiplied.red, unpremultiplied.green, unpremultiplied.blue, unpremultiplied.alpha});
  }
  return rgba;
}

}  // namespace platform::graphics
