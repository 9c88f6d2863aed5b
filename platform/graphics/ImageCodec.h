#pragma once

#include "platform/graphics/Image.h"
#include "platform/graphics/JPEGCodec.h"
#include "platform/graphics/PNGCodec.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace platform::graphics {

// PNG or JPEG, told apart by their first bytes whatever the file is called. Nothing, and one
// log line with the reason, for anything else or anything broken.
std::optional<Image> decodeImage(std::string_view bytes, double scale = 1);

// The path is a real one: map system paths with foundation::devicePath first.
std::optional<Image> decodeImageFile(const std::filesystem::path& file, double scale = 1);

}  // namespace platform::graphics
