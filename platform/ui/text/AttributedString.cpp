#include "platform/ui/text/AttributedString.h"

namespace platform::ui {

std::size_t AttributedString::byteOffset(std::size_t utf16Offset) const {
  std::size_t units = 0;
  std::size_t byte = 0;
  while (byte < text_.size() && units < utf16Offset) {
    const auto lead = static_cast<unsigned char>(text_[byte]);
    // Invalid lead bytes count as one unit each, as they will be drawn as one replacement character.
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    units += length == 4 ? 2 : 1;
    byte += length;
  }
  return std::min(byte, text_.size());
}

}  // namespace platform::ui
