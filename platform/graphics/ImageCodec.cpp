#include "platform/graphics/ImageCodec.h"

#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"

namespace platform::graphics {

namespace {

constexpr std::string_view kPNGSignature{"\x89PNG\r\n\x1a\n", 8};
constexpr std::string_view kJPEGSignature{"\xFF\xD8\xFF", 3};

}  // namespace

std::optional<Image> decodeImage(std::string_view bytes, double scale) {
  if (bytes.starts_with(kPNGSignature)) {
    return decodePNG(bytes, scale);
  }
  if (bytes.starts_with(kJPEGSignature)) {
    return decodeJPEG(bytes, scale);
  }
  foundation::systemLog("Image: " + std::to_string(bytes.size()) + " bytes are neither PNG nor JPEG");
  return std::nullopt;
}

std::optional<Image> decodeImageFile(const std::filesystem::path& file, double scale) {
  const std::optional<std::string> bytes = foundation::readFile(file);
  if (!bytes) {
    foundation::systemLog("Image: cannot read " + file.string());
    return std::nullopt;
  }
  return decodeImage(*bytes, scale);
}

}  // namespace platform::graphics
