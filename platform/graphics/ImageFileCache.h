#pragma once

#include "platform/graphics/Image.h"

#include <filesystem>
#include <optional>

namespace platform::graphics {

// The decoded picture of an image file. Themes name the same pictures again and again (every
// load, every styling pass), so decoded pictures are kept and reused while the file's size and
// modification time stay the same; a changed file is read again. Nothing when the file is
// missing or is not a picture (the decoder logs why).
std::optional<Image> imageFromFile(const std::filesystem::path& file);

}  // namespace platform::graphics
