#include "platform/graphics/PNGCodec.h"

#include "platform/foundation/files/SystemLog.h"

#include <png.h>

#include <vector>

// libpng's simplified API keeps its setjmp error handling inside libpng, so no longjmp ever
// crosses these C++ frames.
namespace platform::graphics {

namespace {

// png_image_free is safe to call again after libpng has freed the image itself.
class PNGImage {
 public:
  PNGImage() { image_.version = PNG_IMAGE_VERSION; }
  ~PNGImage() { png_image_free(&image_); }
  PNGImage(const PNGImage&) = delete;
  PNGImage& operator=(const PNGImage&) = delete;

  png_image* operator->() { return &image_; }
  png_image* get() { return &image_; }

 private:
  png_image image_{};
};

void logFailure(std::string_view what, const char* reason) {
  foundation::systemLog("PNG: " + std::string(what) + ": " + reason);
}

}  // namespace

std::optional<Image> decodePNG(std::string_view bytes, double scale) {
  PNGImage png;
  if (!png_image_begin_read_from_memory(png.get(), bytes.data(), bytes.size())) {
    logFailure("cannot read the header", png->message);
    return std::nullopt;
  }
  if (!isAcceptableImageSize(png->width, png->height, "PNG")) {
    return std::nullopt;
  }
  // libpng takes 16-bit files without colour-space chunks as linear light; like other
  // decoders, read them as sRGB, the same as 8-bit files.
  png->flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  png->format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(*png.get()));
  if (!png_image_finish_read(png.get(), nullptr, rgba.data(), 0, nullptr)) {
    logFailure("cannot read the pixels", png->message);
    return std::nullopt;
  }
  return Image::fromRGBA(static_cast<int>(png->width), static_cast<int>(png->height), rgba, scale);
}

std::optional<std::string> encodePNG(const Image& image) {
  const std::vector<std::uint8_t> rgba = image.unpremultipliedRGBA();
  PNGImage png;
  png->width = static_cast<png_uint_32>(image.width());
  png->height = static_cast<png_uint_32>(image.height());
  png->format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(png.get(), nullptr, &size, 0, rgba.data(), 0, nullptr)) {
    logFailure("cannot size the file", png->message);
    return std::nullopt;
  }
  std::string encoded(size, '\0');
  if (!png_image_write_to_memory(png.get(), encoded.data(), &size, 0, rgba.data(), 0, nullptr)) {
    logFailure("cannot write the file", png->message);
    return std::nullopt;
  }
  encoded.resize(size);
  return encoded;
}

}  // namespace platform::graphics
