#include "platform/graphics/JPEGCodec.h"

#include "platform/foundation/files/SystemLog.h"

#include <turbojpeg.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace platform::graphics {

namespace {

struct TurboJPEGHandleDestroyer {
  void operator()(void* handle) const { tjDestroy(handle); }
};
using TurboJPEGHandle = std::unique_ptr<void, TurboJPEGHandleDestroyer>;

struct TurboJPEGBufferFreer {
  void operator()(unsigned char* buffer) const { tjFree(buffer); }
};
using TurboJPEGBuffer = std::unique_ptr<unsigned char, TurboJPEGBufferFreer>;

// ARGB32 words seen as bytes in memory; turbojpeg fills alpha with 255 and ignores it when
// compressing.
constexpr TJPF kNativeARGBLayout = std::endian::native == std::endian::little ? TJPF_BGRA : TJPF_ARGB;

void logFailure(std::string_view what, void* handle) {
  foundation::systemLog("JPEG: " + std::string(what) + ": " + tjGetErrorStr2(handle));
}

const unsigned char* asBytes(std::string_view data) { return reinterpret_cast<const unsigned char*>(data.data()); }

int libjpegQuality(double quality) {
  const double clamped = quality >= 0 ? std::min(quality, 1.0) : 0.0;
  return std::max(1, static_cast<int>(std::lround(clamped * 100)));
}

}  // namespace

std::optional<Image> decodeJPEG(std::string_view bytes, double scale) {
  const TurboJPEGHandle decompressor{tjInitDecompress()};
  if (!decompressor) {
    logFailure("cannot start the decoder", nullptr);
    return std::nullopt;
  }
  int width = 0;
  int height = 0;
  int subsampling = 0;
  int colorspace = 0;
  if (tjDecompressHeader3(decompressor.get(), asBytes(bytes), bytes.size(), &width, &height, &subsampling,
                          &colorspace) != 0) {
    logFailure("cannot read the header", decompressor.get());
    return std::nullopt;
  }
  if (colorspace == TJCS_CMYK || colorspace == TJCS_YCCK) {
    foundation::systemLog("JPEG: refusing a CMYK image");
    return std::nullopt;
  }
  if (!isAcceptableImageSize(width, height, "JPEG")) {
    return std::nullopt;
  }
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  // The scan limit stops a crafted progressive file from keeping the decoder busy for ever.
  if (tjDecompress2(decompressor.get(), asBytes(bytes), bytes.size(), reinterpret_cast<unsigned char*>(pixels.data()),
                    width, width * 4, height, kNativeARGBLayout, TJFLAG_LIMITSCANS) != 0) {
    if (tjGetErrorCode(decompressor.get()) != TJERR_WARNING) {
      logFailure("cannot decode", decompressor.get());
      return std::nullopt;
    }
    logFailure("decoded with a warning", decompressor.get());
  }
  return Image::fromPremultipliedARGB(width, height, std::move(pixels), scale);
}

std::optional<std::string> encodeJPEG(const Image& image, double quality) {
  const TurboJPEGHandle compressor{tjInitCompress()};
  if (!compressor) {
    logFailure("cannot start the encoder", nullptr);
    return std::nullopt;
  }
  unsigned char* output = nullptr;
  unsigned long outputSize = 0;
  // Full-resolution colour: theme pictures are small and sharp-edged, and subsampled chroma
  // smears their edges.
  const int status = tjCompress2(compressor.get(), reinterpret_cast<const unsigned char*>(image.pixels().data()),
                                 image.width(), image.bytesPerRow(), image.height(), kNativeARGBLayout, &output,
                                 &outputSize, TJSAMP_444, libjpegQuality(quality), 0);
  const TurboJPEGBuffer encoded{output};
  if (status != 0) {
    logFailure("cannot encode", compressor.get());
    return std::nullopt;
  }
  return std::string(reinterpret_cast<const char*>(encoded.get()), outputSize);
}

}  // namespace platform::graphics
